'use strict';
// Builds every shop of a corpus with two scenario runners (two versions of the program) and
// tells, shop by shop and side by side, only what differs: the build's messages, each card's
// amounts, text and fields, each order's lines and total over http and from disc, the files of
// ftp/ that differ.

const crypto = require('node:crypto');
const fs = require('node:fs');
const path = require('node:path');

const { construire, lireBoutique, lireCorpus, MOYENS, parLots } = require('./corpus.js');

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

// One shop built by one runner into data, then read (its orders cost "pas de site" when no site
// was built).
async function relever(runner, boutique, data) {
  const { dits, erreur } = await construire(runner, boutique.script, data);
  const ftp = path.join(data, 'ftp');
  const lu = fs.existsSync(path.join(ftp, 'index.htm')) ? await lireBoutique(ftp, boutique.commandes) : {
    cartes: [],
    commandes: boutique.commandes.flatMap((c) => MOYENS.map((moyen) => ({ numero: c.numero, moyen, lignes: [], total: 'pas de site' }))),
  };
  return { dits, erreur, ...lu, fichiers: empreintes(ftp) };
}

// What differs between two lists, along their longest common subsequence: [number, x, y] for a
// line changed, added (x undefined) or gone (y undefined), so that one extra line is one
// difference rather than a shift of all those after it. The number is the line's in y, or in x
// when it is gone.
function ecarts(lx, ly) {
  const commun = Array.from({ length: lx.length + 1 }, () => new Array(ly.length + 1).fill(0));
  for (let i = lx.length - 1; i >= 0; --i) {
    for (let j = ly.length - 1; j >= 0; --j) {
      commun[i][j] = lx[i] === ly[j] ? commun[i + 1][j + 1] + 1 : Math.max(commun[i + 1][j], commun[i][j + 1]);
    }
  }
  const out = [];
  for (let i = 0, j = 0; i < lx.length || j < ly.length;) {
    const deux = i < lx.length && j < ly.length;
    if (deux && lx[i] === ly[j]) ++i, ++j;
    else if (deux && commun[i + 1][j + 1] === commun[i][j]) out.push([j + 1, lx[i++], ly[j++]]);
    else if (j < ly.length && (i === lx.length || commun[i][j + 1] >= commun[i + 1][j])) out.push([j + 1, undefined, ly[j++]]);
    else out.push([i + 1, lx[i++], undefined]);
  }
  return out;
}

// The orders of two readings side by side: [name, x, y].
const commandes = (a, b) => Array.from({ length: Math.max(a.commandes.length, b.commandes.length) }, (_, i) => {
  const x = a.commandes[i] || {}, y = b.commandes[i] || {};
  return [`commande ${x.numero ?? y.numero} (chromium, ${x.moyen ?? y.moyen})`, x, y];
});

// The lines telling what differs between a and b, one shop's readings. An order that could not
// be played on either side is left to echecs.
function differences(a, b) {
  const out = [];
  const cote = (quoi, x, y) => { if (x !== y) out.push(`  ${quoi}: ${x ?? '(rien)'}  |  ${y ?? '(rien)'}`); };
  const suites = (quoi, lx = [], ly = []) => {
    for (const [n, x, y] of ecarts(lx, ly)) cote(`${quoi} ${n}`, x, y);
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
  for (const [nom, x, y] of commandes(a, b)) {
    if (x.echec || y.echec) continue;
    cote(`${nom}, total`, x.total, y.total);
    suites(`${nom}, ligne`, x.lignes, y.lignes);
  }
  const autres = [...new Set([...a.fichiers.keys(), ...b.fichiers.keys()])]
    .filter((f) => a.fichiers.get(f) !== b.fichiers.get(f)).sort();
  if (autres.length) out.push(`  fichiers de ftp/ qui diffèrent: ${autres.join(', ')}`);
  return out;
}

// What kept a shop from being compared: its script breaks with both versions, an order names a
// card, a box or a site neither version has, an order could not be played.
function echecs(a, b) {
  const out = [];
  if (a.erreur && b.erreur) out.push(`  le script échoue avec les deux versions: ${b.erreur}`);
  for (const [nom, x, y] of commandes(a, b)) {
    if (x.echec) out.push(`  ${nom} n'a pas pu être jouée avec OLD: ${x.echec}`);
    if (y.echec) out.push(`  ${nom} n'a pas pu être jouée avec NEW: ${y.echec}`);
    if (x.total === y.total && /^pas de (carte|case|site)/.test(x.total)) out.push(`  ${nom}: ${x.total} avec les deux versions`);
  }
  return out;
}

// Compares the shops of avant.corpus built by avant.runner with those of apres.corpus (the same
// folder, or a copy with a change planted) built by apres.runner, in travail (kept: each
// version's data folders). Gives the lines of what differs, those of what could not be compared,
// and how many shops and orders were compared. A corpus without a shop is an error.
async function comparer({ avant, apres, travail, paralleles = 3 }) {
  const boutiques = lireCorpus(avant.corpus);
  const autres = new Map(lireCorpus(apres.corpus).map((b) => [b.nom, b]));
  if (!boutiques.length && !autres.size) throw new Error(`no shop (*.txt) in ${avant.corpus}`);
  const communes = boutiques.filter((b) => autres.has(b.nom));
  const blocs = await parLots(communes.map((b) => async () => {
    const [x, y] = await Promise.all([
      relever(avant.runner, b, path.join(travail, b.nom, 'avant')),
      relever(apres.runner, autres.get(b.nom), path.join(travail, b.nom, 'apres')),
    ]);
    const titre = (lignes) => (lignes.length ? [`== ${b.nom}`, ...lignes] : []);
    return { differences: titre(differences(x, y)), echecs: titre(echecs(x, y)) };
  }), paralleles);
  const noms = new Set(boutiques.map((b) => b.nom));
  const seules = [...[...noms].filter((n) => !autres.has(n)).map((n) => `== ${n}: seulement avant`),
    ...[...autres.keys()].filter((n) => !noms.has(n)).map((n) => `== ${n}: seulement après`)];
  return {
    differences: [...blocs.flatMap((b) => b.differences), ...seules],
    echecs: blocs.flatMap((b) => b.echecs),
    boutiques: communes.length,
    commandes: communes.reduce((n, b) => n + b.commandes.length, 0),
  };
}

module.exports = { comparer, ecarts };
