'use strict';
// A card's lists and what the offline order form makes of them, in both layouts: a supplement
// the shopper leaves alone costs nothing, a choice list reads as the supplements do, the lines
// chosen add to the price before it is floored at 0 (whatever the order of the card's lists), a
// label is shown as typed and cut where it is charged, a line whose amount is none is a label, a
// price past the cent is charged as shown, a promoted product's models follow its rate, the
// shopper's shipping field stays, and a long product name leaves the quantity box and "Calculer"
// inside the window.

const assert = require('node:assert/strict');
const fs = require('node:fs');
const path = require('node:path');
const { describe, it, before, after } = require('node:test');

const { openDisc, openSite, visit } = require('./lib/harness.js');
const { commanderCarte } = require('./lib/carte.js');
const { buildShop } = require('./lib/shop.js');

// The cart's lines as the shopper reads them: the product cell and the unit price.
function panier(cadre) {
  return cadre.$$eval('table[cellspacing="0"] tr', (rows) => rows
    .filter((r) => r.querySelector('input[name^=qte]'))
    .map((r) => [...r.cells].map((c) => c.innerText.replace(/\s+/g, ' ').trim())
      .filter((t) => t !== ''))
    .map((cells) => [cells[0], cells[1]]));
}

// The list page holding a card's form.
function pageDe(dossier, form) {
  return fs.readdirSync(dossier).filter((n) => /-\d+\.htm$/.test(n))
    .find((n) => fs.readFileSync(path.join(dossier, n), 'latin1').includes(`NAME="${form}"`));
}

for (const [layout, shop, cadre] of [
  ['frameset', 'carte_listes', (v) => v.page.frames().find((f) => f.name() === 'principal')],
  ['single-page layout', 'carte_listes_page', (v) => v.page.mainFrame()],
]) {
  describe(`card lists and the order form, ${layout}`, () => {
    let site, dossier;
    before(async () => {
      dossier = path.join(buildShop(shop), 'ftp');
      site = await openSite(dossier);
    });
    after(() => site.close());

    it('charges what the shopper chose, and nothing for what was left alone', async () => {
      const v = await visit(site, 'index.htm');
      try {
        for (const [page, form, choix] of [
          ['vaisselle-bols-0.htm', 'fbol01bol01', {}],
          ['vaisselle-bols-0.htm', 'fbol01bol01', { refsupp3: 'Coffret cadeau=6' }],
          ['infusions-fruits-0.htm', 'finf03inf03', {}],
          ['infusions-fruits-0.htm', 'finf03inf03', { refsupp: 'Boîte métal=4', refsupp3: 'Sachet cadeau=2' }],
          ['livres-cuisine-0.htm', 'fliv02liv02', { refsupp: 'Relié cuir=15' }],
          ['livres-cuisine-0.htm', 'fliv03liv03', {}],
          ['livres-cuisine-0.htm', 'fliv03liv03', { refsupp3: 'Sans boîte=-3', refsupp: 'Gravure <b>or</b>=4' }],
          ['infusions-fruits-0.htm', 'finf04inf04', { refsupp: 'Sans boîte=-3', refsupp3: 'Gravure=4' }],
          ['infusions-fruits-0.htm', 'finf04inf04', { refdiff: 'Taille=L=5', refsupp: 'Sans boîte=-3' }],
        ]) {
          await cadre(v).goto(site.url(page));
          await commanderCarte(cadre(v), form, choix);
        }
        assert.deepEqual(await panier(cadre(v)), [
          ['BOL01 Bol en grès émaillé bleu', '18,50 EUR'],
          ['BOL01 Coffret cadeau Bol en grès émaillé bleu', '24,50 EUR'],
          ['INF03 Vrac Tisane fraise-rhubarbe', '8,00 EUR'],
          ['INF03 Boîte métal Sachet cadeau Tisane fraise-rhubarbe', '14,00 EUR'],
          ['LIV02 Relié cuir Le pain au levain', '35,00 EUR'],
          ['LIV03 Broché Carnet de recettes', '1,00 EUR'],
          ['LIV03 Sans boîte Gravure <b>or</b> Carnet de recettes', '2,00 EUR'],
          ['INF04 Standard Sans boîte Gravure Tisane pomme', '2,00 EUR'],
          ['INF04 Taille=L Sans boîte Tisane pomme', '2,00 EUR'],
        ]);
        assert.deepEqual(await v.problems(), []);
      } finally {
        await v.close();
      }
    });

    it('shows every list of a card as label and amount, the supplements first declined', async () => {
      const v = await visit(site, 'index.htm');
      try {
        const listes = {};
        for (const [page, form] of [['vaisselle-bols-0.htm', 'fbol01bol01'],
          ['infusions-fruits-0.htm', 'finf03inf03'], ['livres-cuisine-0.htm', 'fliv02liv02'],
          ['livres-cuisine-0.htm', 'fliv03liv03'], ['infusions-fruits-0.htm', 'finf04inf04'],
          [pageDe(dossier, 'fliv04liv04'), 'fliv04liv04'], [pageDe(dossier, 'finf05inf05'), 'finf05inf05']]) {
          await cadre(v).goto(site.url(page));
          // The form opens inside the table: its lists belong to it without lying inside it.
          listes[form] = await cadre(v).evaluate((n) => Object.fromEntries(
            [...document.forms[n].elements].filter((e) => e.tagName === 'SELECT')
              .map((s) => [s.name, [s.value, ...[...s.options].map((o) => o.text)]])), form);
        }
        assert.deepEqual(listes, {
          fbol01bol01: { refsupp3: ['', 'Sans supplément', 'Gravure du prénom + 4 EUR', 'Coffret cadeau + 6 EUR'] },
          finf03inf03: { refsupp: ['Vrac=0', 'Vrac + 0 EUR', 'Boîte métal + 4 EUR'],
            refsupp3: ['', 'Sans supplément', 'Sachet cadeau + 2 EUR'] },
          fliv02liv02: { refsupp: ['Broché=0', 'Broché + 0 EUR', 'Relié cuir + 15 EUR'] },
          fliv03liv03: { refsupp3: ['', 'Sans supplément', 'Sans boîte - 3 EUR', '<script>fuite()</script> + 2 EUR'],
            refsupp: ['Broché=0', 'Broché + 0 EUR', 'Gravure <b>or</b> + 4 EUR'] },
          finf04inf04: { refsupp: ['Avec boîte=0', 'Avec boîte + 0 EUR', 'Sans boîte - 3 EUR'],
            refdiff: ['Standard=1', 'Standard 1 EUR', 'Taille=L 5 EUR'],
            refsupp3: ['', 'Sans supplément', 'Gravure + 4 EUR'] },
          fliv04liv04: { refsupp3: ['', 'Sans supplément', 'Couleur=rouge'],
            refsupp: ['Tome 1=0', 'Tome 1 + 0 EUR', 'Tome 2 = 1950-1960'],
            refdiff: ['Sur mesure=sur devis', 'Sur mesure=sur devis', 'Grand 15 EUR'] },
          finf05inf05: { refdiff: ['250 g=7.88', '250 g 7,88 EUR', '1 kg 26,91 EUR'] },
        });
        assert.deepEqual(await v.problems(), []);
      } finally {
        await v.close();
      }
    });

    // Each order on a page of its own: a frame on disc may not hand its cart on at once.
    for (const moyen of ['over http', 'from disc']) {
      it(`charges what the card shows, labels sent whole and charged nothing, ${moyen}`, async () => {
        const lieu = moyen === 'over http' ? site : openDisc(dossier);
        const vus = [];
        for (const [form, choix] of [
          ['fliv04liv04', {}],
          ['fliv04liv04', { refdiff: 'Grand=15', refsupp3: 'Couleur=rouge', refsupp: 'Tome 2 = 1950-1960' }],
          ['finf05inf05', {}],
          ['finf05inf05', { refdiff: '1 kg=26.91' }],
          ['finf06inf06', {}],
        ]) {
          const v = await visit(lieu, 'index.htm');
          try {
            await Promise.all([cadre(v).waitForNavigation(),
              cadre(v).evaluate((a) => { location.href = a; }, lieu.url(pageDe(dossier, form)))]);
            await commanderCarte(cadre(v), form, choix);
            vus.push(...await panier(cadre(v)));
            assert.deepEqual(await v.problems(), []);
          } finally {
            await v.close();
          }
        }
        assert.deepEqual(vus, [
          ['LIV04 Sur mesure=sur devis Tome 1 Chroniques', '13,00 EUR'],
          ['LIV04 Grand Couleur=rouge Tome 2 = 1950-1960 Chroniques', '15,00 EUR'],
          ['INF05 250 g Thé vert', '7,88 EUR'],
          ['INF05 1 kg Thé vert', '26,91 EUR'],
          ['INF06 Thé noir', '9,00 EUR'],
        ]);
      });
    }

    // The shop's shipping is 4; the shopper types another amount and presses "Calculer".
    it('keeps the shopper\'s shipping field, an amount below 0 or unreadable refused with a word', async () => {
      const v = await visit(site, 'index.htm');
      const alertes = [];
      v.page.on('dialog', (d) => { alertes.push(d.message()); d.accept(); });
      try {
        await cadre(v).goto(site.url('vaisselle-bols-0.htm'));
        await commanderCarte(cadre(v), 'fbol01bol01', {});
        const port = () => cadre(v).evaluate(() => {
          const total = [...document.querySelectorAll('tr')].filter((r) => r.innerText.includes('Total à payer')).at(-1);
          return [document.form.transport?.value, total?.cells[total.cells.length - 1].innerText.replace(/\s+/g, ' ').trim()];
        });
        const vus = [await port()];
        for (const saisi of ['-5', '0', 'abc', '6,50']) {
          await cadre(v).evaluate((t) => { document.form.transport.value = t; }, saisi);
          await Promise.all([cadre(v).waitForNavigation(), cadre(v).click('input[value=Calculer]')]);
          vus.push(await port());
        }
        assert.deepEqual(vus, [['4', '22,50 EUR'], ['4', '22,50 EUR'], ['0', '18,50 EUR'],
          ['0', '18,50 EUR'], ['6,50', '25,00 EUR']]);
        assert.deepEqual(alertes, ['-5', 'abc'].map((s) => `Les frais de port « ${s} » ne sont pas un montant.`));
        assert.deepEqual(await v.problems(), []);
      } finally {
        await v.close();
      }
    });

    it('keeps the quantity box and "Calculer" in the window with a long product name', async () => {
      const v = await visit(site, 'index.htm');
      try {
        await cadre(v).goto(site.url('vaisselle-tasses-0.htm'));
        await commanderCarte(cadre(v), 'ftas02tas02', {});
        const dehors = {};
        for (const width of [1024, 1280]) {
          await v.page.setViewport({ width, height: 768 });
          dehors[width] = await cadre(v).evaluate(() => {
            const largeur = document.documentElement.clientWidth;
            return [document.form.qte0, document.querySelector('input[value=Calculer]')]
              .filter((e) => { const r = e.getBoundingClientRect(); return r.left < 0 || r.right > largeur; })
              .map((e) => e.name || e.value);
          });
        }
        assert.deepEqual(dehors, { 1024: [], 1280: [] });
        assert.deepEqual(await v.problems(), []);
      } finally {
        await v.close();
      }
    });
  });
}
