'use strict';
// The orders of the corpus of older shops (tests/corpus) on this version: each shop's script
// builds as it says, and each order costs, in chromium over http and from disc, the total the
// shopkeeper wrote beside it.

const assert = require('node:assert/strict');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const { describe, it } = require('node:test');

const { centimes, construire, euros, lireBoutique, lireCorpus, MOYENS } = require('./lib/corpus.js');

const SOURCE = process.env.TARVIO_SOURCE_DIR || path.resolve(__dirname, '../..');
const SCENARIO = process.env.TARVIO_SCENARIO || path.join(SOURCE, 'build/tests/scenario/scenario');
const montant = (t) => (centimes(t) === null ? t : euros(centimes(t)));

// TARVIO_CORPUS_PART "k/n": the k-th of n parts of the shops (CTest runs the parts side by side).
const [PART, PARTS] = (process.env.TARVIO_CORPUS_PART || '1/1').split('/').map(Number);

describe('corpus of older shops', { concurrency: 4 }, () => {
  const boutiques = lireCorpus(path.join(SOURCE, 'tests/corpus'));
  it('has shops in this part', () => assert.ok(boutiques.length >= PARTS, `${boutiques.length} shops`));
  for (const boutique of boutiques.filter((b, i) => i % PARTS === PART - 1)) {
    it(`${boutique.nom}: each order costs the total written beside it`, async () => {
      assert.ok(boutique.commandes.length > 0, 'no order');
      const data = fs.mkdtempSync(path.join(os.tmpdir(), `tarvio-corpus-${boutique.nom}-`));
      try {
        const { erreur } = await construire(SCENARIO, boutique.script, data, { apprendre: false });
        assert.equal(erreur, null);
        const { commandes } = await lireBoutique(path.join(data, 'ftp'), boutique.commandes, { cartes: false });
        assert.deepEqual(commandes.map((c) => `${c.numero} ${c.moyen}: ${montant(c.total)}`),
          boutique.commandes.flatMap((c) => MOYENS.map((m) => `${c.numero} ${m}: ${montant(c.total)}`)));
      } finally {
        fs.rmSync(data, { recursive: true, force: true });
      }
    });
  }
});
