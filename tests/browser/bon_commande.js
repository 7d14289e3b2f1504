'use strict';
// The offline order form: cards and queries fill the cart of the frameset, the form's scripts
// compute line totals, packaging, shipping by weight tiers and VAT, with no script error.

const assert = require('node:assert/strict');
const path = require('node:path');
const { describe, it, before, after } = require('node:test');

const { openSite, visit } = require('./lib/harness.js');
const { buildShop } = require('./lib/shop.js');

// The cart table's rows with at least two cells, as the shopper reads them.
function lignes(frame) {
  return frame.$$eval('table[cellspacing="0"] tr', (rows) => rows
    .map((r) => [...r.cells].map((c) => (c.querySelector('input') ? c.querySelector('input').value
      : c.innerText).replace(/\s+/g, ' ').trim()).filter((t) => t !== ''))
    .filter((cells) => cells.length >= 2));
}

describe('offline order form', () => {
  let site;
  before(async () => { site = await openSite(path.join(buildShop('hors_ligne'), 'ftp')); });
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
});
