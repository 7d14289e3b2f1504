'use strict';
// The version comparison sees a change of one cent: a shop of the corpus and a copy of it with
// one sheet price a cent higher, built by the same runner, differ in that card's price and in
// the order that buys it, and nowhere else; the shop compared with itself shows no difference.
// What cannot be compared (a script that breaks, an order naming no card) is a failure, never
// "no difference"; an empty corpus is an error.

const assert = require('node:assert/strict');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const { describe, it, before, after } = require('node:test');

const { comparer, ecarts } = require('./lib/comparaison.js');
const { centimes, totalChamps } = require('./lib/corpus.js');

const SOURCE = process.env.TARVIO_SOURCE_DIR || path.resolve(__dirname, '../..');
const SCENARIO = process.env.TARVIO_SCENARIO || path.join(SOURCE, 'build/tests/scenario/scenario');
const SHOP = 'tva_centimes';

describe('version comparison', () => {
  let dossier;
  // A corpus folder holding the shop's script, with change applied to its text, and a script
  // that breaks.
  const corpus = (nom, change) => {
    const d = path.join(dossier, nom);
    fs.mkdirSync(d);
    const texte = fs.readFileSync(path.join(SOURCE, 'tests/corpus', `${SHOP}.txt`), 'utf8')
      .replace(/^data \.\.\/\.\.\/demo$/m, `data ${path.join(SOURCE, 'demo')}`);
    fs.writeFileSync(path.join(d, `${SHOP}.txt`), change(`${texte}# commande: infusions-plantes-0.htm fnulle\n# total: 1,00\n`));
    fs.writeFileSync(path.join(d, 'casse.txt'), `data ${path.join(SOURCE, 'demo')}\nstart\nclick Tmain.nulle_part\n# commande: a-0.htm fa\n# total: 1,00\n`);
    return d;
  };
  before(() => { dossier = fs.mkdtempSync(path.join(os.tmpdir(), 'tarvio-comparaison-')); });
  after(() => fs.rmSync(dossier, { recursive: true, force: true }));

  it('reports a sheet price one cent higher, nothing when nothing changed, and what it could not compare', async () => {
    const avant = corpus('avant', (t) => t);
    const apres = corpus('apres', (t) => t.replace(/^prix=0\.65$/m, 'prix=0.66'));
    const lancer = (a, b) => comparer({ avant: { runner: SCENARIO, corpus: a }, apres: { runner: SCENARIO, corpus: b },
      travail: path.join(dossier, `travail-${path.basename(b)}`) });
    const meme = await lancer(avant, avant);
    assert.deepEqual(meme.differences, []);
    assert.deepEqual([meme.boutiques, meme.commandes], [2, 4]);
    assert.equal(meme.echecs.length, 7, meme.echecs.join('\n'));
    assert.match(meme.echecs[1], /^ {2}le script échoue avec les deux versions: .*nulle_part/);
    for (const moyen of ['over http', 'from disc']) {
      assert.ok(meme.echecs.includes(`  commande 1 (chromium, ${moyen}): pas de site avec les deux versions`), meme.echecs.join('\n'));
      assert.ok(meme.echecs.includes(`  commande 3 (chromium, ${moyen}): pas de carte avec les deux versions`), meme.echecs.join('\n'));
    }
    const vu = (await lancer(avant, apres)).differences;
    assert.equal(vu[0], `== ${SHOP}`);
    assert.ok(vu.some((l) => /carte infusions-plantes-0\.htm finf09inf09, prix affichés: 0,65\s+\|\s+0,66$/.test(l)), vu.join('\n'));
    for (const moyen of ['over http', 'from disc']) {
      assert.ok(vu.includes(`  commande 2 (chromium, ${moyen}), total: 0,72  |  0,73`), vu.join('\n'));
    }
    assert.ok(vu.some((l) => /^ {2}fichiers de ftp\/ qui diffèrent: .*infusions-plantes-0\.htm/.test(l)), vu.join('\n'));
  });

  it('takes a corpus without a shop for an error', async () => {
    const vide = fs.mkdtempSync(path.join(dossier, 'vide-'));
    await assert.rejects(comparer({ avant: { runner: SCENARIO, corpus: vide }, apres: { runner: SCENARIO, corpus: vide },
      travail: path.join(dossier, 'travail-vide') }), /no shop/);
  });

  it('tells one line added, changed or gone as one difference', () => {
    for (const [x, y, attendu] of [
      [['a', 'b', 'c'], ['a', 'n', 'b', 'c'], [[2, undefined, 'n']]],
      [['a', 'b', 'c'], ['a', 'n', 'c'], [[2, 'b', 'n']]],
      [['a', 'b', 'c'], ['a', 'c'], [[2, 'b', undefined]]],
    ]) assert.deepEqual(ecarts(x, y), attendu);
  });

  it('reads what an online card posts as the shopkeeper wrote it', () => {
    for (const [champs, fois, attendu] of [
      [[['pu', '€12']], 1, 1200],
      [[['pu', '10,00'], ['refsupp3', 'Taille XL=+5']], 2, 3000],
      [[['pu', '10'], ['refsupp3', 'Gravure=+1,50']], 1, 1150],
      [[['refdiff', 'Grand=12,50'], ['pu', '10']], 1, 1250],
      [[['pu', '5'], ['refsupp3', 'Remise=-8']], 1, 0],
    ]) assert.equal(totalChamps(champs, fois), attendu, JSON.stringify(champs));
    assert.equal(centimes('1O,50'), null);
  });
});
