'use strict';
// The offline order form: cards and queries fill the cart of the frameset, the form's scripts
// compute line totals, packaging, shipping by weight tiers and VAT, with no script error.

const assert = require('node:assert/strict');
const path = require('node:path');
const { describe, it, before, after } = require('node:test');

const { openDisc, openSite, visit } = require('./lib/harness.js');
const { buildShop } = require('./lib/shop.js');

// The cart table's rows with at least two cells, as the shopper reads them.
function lignes(frame) {
  return frame.$$eval('table[cellspacing="0"] tr', (rows) => rows
    .map((r) => [...r.cells].map((c) => (c.querySelector('input') ? c.querySelector('input').value
      : c.innerText).replace(/\s+/g, ' ').trim()).filter((t) => t !== ''))
    .filter((cells) => cells.length >= 2));
}

// The form opened for one product, as a card's order button opens it.
function commande(ref, description, pu) {
  return `boncommande.htm?ref=${ref}&description=${description}&pu=${pu}`;
}

const principal = (v) => v.page.frames().find((f) => f.name() === 'principal');

describe('offline order form', () => {
  let site;
  let cadres;  // the frameset site's folder
  let unique;  // the single-page site's folder
  before(async () => {
    cadres = path.join(buildShop('hors_ligne'), 'ftp');
    unique = path.join(buildShop('hors_ligne_page'), 'ftp');
    site = await openSite(cadres);
  });
  after(() => site.close());

  it('adds, recomputes and totals the cart', async () => {
    const v = await visit(site, 'index.htm');
    try {
      const principal = () => v.page.frames().find((f) => f.name() === 'principal');
      const ouvrir = (page) => Promise.all([principal().waitForNavigation(), principal().goto(site.url(page))]);
      await principal().goto(site.url('vaisselle-bols-0.htm'));
      await Promise.all([principal().waitForNavigation(), principal().evaluate(() => {
        const form = [...document.forms].find((f) => f.getAttribute('action') === 'boncommande.htm');
        [...document.querySelectorAll('input[type=image]')].find((i) => i.form === form).click();
      })]);
      await principal().goto(site.url('boncommande.htm?ref=THE1&description=Th%E9+vert+(w:300)&pu=10'));
      await principal().goto(site.url('boncommande.htm?ref=THE1&description=Th%E9+vert+(w:300)&pu=10'));
      assert.deepEqual(await lignes(principal()), [
        ['Produits', 'Q', 'P.U.H.T.', 'Total H.T.'],
        ['BOL01 Bol en grès émaillé bleu', '1', '18,50 EUR', '18,50 EUR'],
        ['THE1 Thé vert (w:300)', '1', '10,00 EUR', '10,00 EUR'],
        ['Emballage', '1', '1,50 EUR', '1,50 EUR'],
        ['Total H.T.', '30,00 EUR'], ['TVA 20%', '6,00 EUR'], ['Total TTC', '36,00 EUR'],
        ['Colissimo 300g', '4,50 EUR'], ['Total à payer', '40,50 EUR'],
      ]);

      const calculer = async (quantites) => {
        await principal().evaluate((q) => { for (const [n, val] of Object.entries(q)) document.form[n].value = val; }, quantites);
        await Promise.all([principal().waitForNavigation(), principal().click('input[value=Calculer]')]);
      };
      await calculer({ qte1: '3' });
      assert.deepEqual((await lignes(principal())).slice(-5).map((r) => r.at(-1)),
        ['50,00 EUR', '10,00 EUR', '60,00 EUR', '6,00 EUR', '66,00 EUR']);
      await calculer({ qte0: '0' });
      assert.deepEqual((await lignes(principal())).map((r) => r[0]),
        ['Produits', 'THE1 Thé vert (w:300)', 'Total H.T.', 'TVA 20%', 'Total TTC', 'Colissimo 900g', 'Total à payer']);
      await ouvrir('boncommande.htm?ref=BIG&description=Caisse+(w:1200)&pu=2');
      assert.equal((await lignes(principal())).at(-2).at(-1), '10 001,00 EUR');

      assert.deepEqual(await principal().evaluate(() => [format(1234.5), format(123), format(12.345),
        format(0.29 * 3), verif('12,5 EUR'), verif(''), verif('abc')]),
      ['1 234,50', '123,00', '12,34', '0,87', 12.5, 0, 0]);
      assert.deepEqual(await v.problems(), []);
    } finally {
      await v.close();
    }
  });
  it('keeps the first supplement when the other thresholds are empty', async () => {
    const v = await visit(site, 'index.htm');
    try {
      await principal(v).goto(site.url(commande('S1', 'Service+(w:800)', '150')));
      assert.deepEqual((await lignes(principal(v))).slice(-2),
        [['Colissimo 800g Suiv.', '11,00 EUR'], ['Total à payer', '191,00 EUR']]);
      assert.deepEqual(await v.problems(), []);
    } finally {
      await v.close();
    }
  });

  // A supplement from above its threshold, a weight tier up to and with its bound; an emptied
  // cart keeps no shipping line.
  it('reaches thresholds and tiers at their bounds, and an emptied cart pays no shipping', async () => {
    const v = await visit(site, 'index.htm');
    try {
      await principal(v).goto(site.url(commande('P5', 'Poids+(w:500)', '2')));
      assert.deepEqual(await principal(v).evaluate(() => [supplement(100), supplement(100.01)]), [0, 5]);
      assert.deepEqual((await lignes(principal(v))).slice(-2),
        [['Colissimo 500g', '4,50 EUR'], ['Total à payer', '6,90 EUR']]);
      await principal(v).goto(site.url(commande('P6', 'Poids+(w:1)', '3')));
      assert.deepEqual((await lignes(principal(v))).slice(-2),
        [['Colissimo 501g', '6,00 EUR'], ['Total à payer', '12,00 EUR']]);
      await principal(v).evaluate(() => {
        panier.mon_transport = '7';  // a shipping amount already set
        document.form.qte0.value = '0';
        document.form.qte1.value = '0';
      });
      await Promise.all([principal(v).waitForNavigation(), principal(v).click('input[value=Calculer]')]);
      assert.deepEqual(await lignes(principal(v)), [['Produits', 'Q', 'P.U.H.T.', 'Total H.T.'],
        ['Total H.T.', '0,00 EUR'], ['TVA 20%', '0,00 EUR'], ['Total TTC', '0,00 EUR']]);
      assert.deepEqual(await v.problems(), []);
    } finally {
      await v.close();
    }
  });

  it('holds more distinct products than the shop has sheets', async () => {
    const v = await visit(site, 'index.htm');
    try {
      const fin = await v.page.evaluate(() => fin);
      const refs = Array.from({ length: fin + 2 }, (_, i) => `P${i}`);
      for (const ref of refs) await principal(v).goto(site.url(commande(ref, 'Article', '1')));
      assert.deepEqual((await lignes(principal(v))).slice(1, refs.length + 2).map((r) => r[0]),
        [...refs.map((ref) => `${ref} Article`), 'Emballage']);
      assert.deepEqual(await v.problems(), []);
    } finally {
      await v.close();
    }
  });

  it('keeps every line from page to page in the single-page layout', async () => {
    const seul = await openSite(unique);
    const v = await visit(seul, 'vaisselle-bols-0.htm');
    try {
      await Promise.all([v.page.waitForNavigation(), v.page.evaluate(() => {
        const form = [...document.forms].find((f) => f.getAttribute('action') === 'boncommande.htm');
        [...document.querySelectorAll('input[type=image]')].find((i) => i.form === form).click();
      })]);
      await v.page.evaluate(() => { document.form.qte0.value = '2'; });
      await Promise.all([v.page.waitForNavigation(), v.page.click('input[value=Calculer]')]);
      await v.page.goto(seul.url('index.htm'));
      await v.page.goto(seul.url(commande('THE1', 'Th%E9+vert+(w:300)', '10')));
      assert.deepEqual((await lignes(v.page)).slice(1, 3), [
        ['BOL01 Bol en grès émaillé bleu', '2', '18,50 EUR', '37,00 EUR'],
        ['THE1 Thé vert (w:300)', '1', '10,00 EUR', '10,00 EUR'],
      ]);
      assert.deepEqual(await v.problems(), []);
    } finally {
      await v.close();
      await seul.close();
    }
  });

  // As the disc's start script opens it: frames of a site on disc may not read each other.
  for (const [layout, folder, cadre] of [['frameset', () => cadres, principal],
    ['single-page layout', () => unique, (v) => v.page]]) {
    it(`keeps the cart of the ${layout} opened from disc`, async () => {
      const disque = openDisc(folder());
      const v = await visit(disque, 'index.htm');
      try {
        // Each order comes from the page shown, as a card's order button sends it, a shopper's
        // moment after the last: a frame of a site on disc left within milliseconds of its load
        // may not have handed its session storage to the browser yet (a browser race).
        for (const [ref, pu] of [['A1', '2'], ['A2', '3']]) {
          await Promise.all([cadre(v).waitForNavigation(),
            cadre(v).evaluate((adresse) => { location.href = adresse; }, disque.url(commande(ref, 'Article', pu)))]);
          await v.page.waitForNetworkIdle({ idleTime: 1000 });
        }
        assert.deepEqual((await lignes(cadre(v))).slice(1, 3).map((r) => r[0]),
          ['A1 Article', 'A2 Article']);
        assert.deepEqual(await v.problems(), []);
      } finally {
        await v.close();
      }
    });
  }
});
