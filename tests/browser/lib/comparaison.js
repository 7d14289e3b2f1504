'use strict';
// Builds every shop of a corpus with two scenario runners (two versions of the program) and
// tells, shop by shop and side by side, only what differs: the build's messages, each card's
// amounts, text and fields, each order's lines and total over http and from disc, the files of
// ftp/ that differ.

const crypto = require('node:crypto');
const fs = require('node:fs');
const path = require('node:path');

const { construire, lireBoutique, lireCorpus, parLots } = require('./corpus.js');

// The files of a folder, relative path -> digest of their bytes.
function empreintes(dossier, sous = '', out = new Map()) {
  if (!fs.existsSync(dossier)) return out;
  for (const e of fs.readdirSync(path.join(dossier, sous), { withFileTypes: true })) {
    const rel = path.join(sous, e.name);
    if (e.isDirectory()) empreintes(dossier, rel, out);
    else out.set(rel, crypto.createHash('sha1').update(fs.readFileSync(path.join(dossier, rel))).digest('hex'));
  }
  return out;
}

// One shop built by one runner into data, then read.
async function relever(runner, boutique, data) {
  const { dits, erreur } = await construire(runner, boutique.script, data);
  const ftp = path.join(data, 'ftp');
  const lu = fs.existsSync(path.join(ftp, 'index.htm'))
    ? await lireBoutique(ftp, boutique.commandes) : { cartes: [], commandes: [] };
  return { dits, erreur, ...lu, fichiers: empreintes(ftp) };
}

// The lines telling what differs between a and b, one shop's readings.
function differences(a, b) {
  const out = [];
  const cote = (quoi, x, y) => { if (x !== y) out.push(`  ${quoi}: ${x ?? '(rien)'}  |  ${y ?? '(rien)'}`); };
  const suites = (quoi, lx = [], ly = []) => {
    for (let i = 0; i < Math.max(lx.length, ly.length); ++i) cote(`${quoi} ${i + 1}`, lx[i], ly[i]);
  };
  cote('la construction échoue', a.erreur, b.erreur);
  suites('dit', a.dits, b.dits);
  const parCle = (cartes) => new Map(cartes.map((c) => [`${c.page} ${c.nom || '(sans nom)'}`, c]));
  const cartesA = parCle(a.cartes), cartesB = parCle(b.cartes);
  for (const k of new Set([...cartesA.keys(), ...cartesB.keys()])) {
    const x = cartesA.get(k), y = cartesB.get(k);
    if (!x || !y) {
      cote(`carte ${k}`, x && 'présente', y && 'présente');
      continue;
    }
    cote(`carte ${k}, prix affichés`, x.prix, y.prix);
    if (x.prix === y.prix) cote(`carte ${k}, texte`, x.vu, y.vu);
    cote(`carte ${k}, action`, x.action, y.action);
    suites(`carte ${k}, champ`, x.champs, y.champs);
    suites(`carte ${k}, liste`, x.listes, y.listes);
  }
  for (let i = 0; i < Math.max(a.commandes.length, b.commandes.length); ++i) {
    const x = a.commandes[i] || {}, y = b.commandes[i] || {};
    const nom = `commande ${x.numero ?? y.numero} (chromium, ${x.moyen ?? y.moyen})`;
    cote(`${nom}, total`, x.total, y.total);
    suites(`${nom}, ligne`, x.lignes, y.lignes);
  }
  const autres = [...new Set([...a.fichiers.keys(), ...b.fichiers.keys()])]
    .filter((f) => a.fichiers.get(f) !== b.fichiers.get(f)).sort();
  if (autres.length) out.push(`  fichiers de ftp/ qui diffèrent: ${autres.join(', ')}`);
  return out;
}

// Compares the shops of avant.corpus built by avant.runner with those of apres.corpus (the same
// folder, or a copy with a change planted) built by apres.runner, in travail (kept: each
// version's data folders). Gives the report's lines.
async function comparer({ avant, apres, travail, paralleles = 3 }) {
  const boutiques = lireCorpus(avant.corpus);
  const autres = new Map(lireCorpus(apres.corpus).map((b) => [b.nom, b]));
  const blocs = await parLots(boutiques.filter((b) => autres.has(b.nom)).map((b) => async () => {
    const [x, y] = await Promise.all([
      relever(avant.runner, b, path.join(travail, b.nom, 'avant')),
      relever(apres.runner, autres.get(b.nom), path.join(travail, b.nom, 'apres')),
    ]);
    const d = differences(x, y);
    return d.length ? [`== ${b.nom}`, ...d] : [];
  }), paralleles);
  const noms = new Set(boutiques.map((b) => b.nom));
  const seules = [...[...noms].filter((n) => !autres.has(n)).map((n) => `== ${n}: seulement avant`),
    ...[...autres.keys()].filter((n) => !noms.has(n)).map((n) => `== ${n}: seulement après`)];
  const lignes = [...blocs.flat(), ...seules];
  return lignes.length ? lignes : ['no difference'];
}

module.exports = { comparer };
