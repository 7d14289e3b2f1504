'use strict';
// The version comparison sees a change of one cent: a shop of the corpus and a copy of it with
// one sheet price a cent higher, built by the same runner, differ in that card's price and in
// the order that buys it, and nowhere else; the shop compared with itself shows no difference.

const assert = require('node:assert/strict');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const { describe, it, before, after } = require('node:test');

const { comparer } = require('./lib/comparaison.js');

const SOURCE = process.env.TARVIO_SOURCE_DIR || path.resolve(__dirname, '../..');
const SCENARIO = process.env.TARVIO_SCENARIO || path.join(SOURCE, 'build/tests/scenario/scenario');
const SHOP = 'tva_centimes';

describe('version comparison', () => {
  let dossier;
  // A corpus folder holding the shop's script, with change applied to its text.
  const corpus = (nom, change) => {
    const d = path.join(dossier, nom);
    fs.mkdirSync(d);
    const texte = fs.readFileSync(path.join(SOURCE, 'tests/corpus', `${SHOP}.txt`), 'utf8')
      .replace(/^data \.\.\/\.\.\/demo$/m, `data ${path.join(SOURCE, 'demo')}`);
    fs.writeFileSync(path.join(d, `${SHOP}.txt`), change(texte));
    return d;
  };
  before(() => { dossier = fs.mkdtempSync(path.join(os.tmpdir(), 'tarvio-comparaison-')); });
  after(() => fs.rmSync(dossier, { recursive: true, force: true }));

  it('reports a sheet price one cent higher, and nothing when nothing changed', async () => {
    const avant = corpus('avant', (t) => t);
    const apres = corpus('apres', (t) => t.replace(/^prix=0\.65$/m, 'prix=0.66'));
    const lancer = (a, b) => comparer({ avant: { runner: SCENARIO, corpus: a }, apres: { runner: SCENARIO, corpus: b },
      travail: path.join(dossier, `travail-${path.basename(b)}`) });
    assert.deepEqual(await lancer(avant, avant), ['no difference']);
    const vu = await lancer(avant, apres);
    assert.equal(vu[0], `== ${SHOP}`);
    assert.ok(vu.some((l) => /carte infusions-plantes-0\.htm finf09inf09, prix affichés: 0,65\s+\|\s+0,66$/.test(l)), vu.join('\n'));
    for (const moyen of ['over http', 'from disc']) {
      assert.ok(vu.includes(`  commande 2 (chromium, ${moyen}), total: 0,72  |  0,73`), vu.join('\n'));
    }
    assert.ok(vu.some((l) => /^ {2}fichiers de ftp\/ qui diffèrent: .*infusions-plantes-0\.htm/.test(l)), vu.join('\n'));
  });
});
