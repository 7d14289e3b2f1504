'use strict';
// The offline order form: cards and queries fill the cart of the frameset, the form's scripts
// compute line totals, packaging, shipping by weight tiers and VAT, with no script error.

const assert = require('node:assert/strict');
const path = require('node:path');
const { describe, it, before, after } = require('node:test');

const { frameNamed, openDisc, openSite, settle, visit, visiting } = require('./lib/harness.js');
const { commanderCarte } = require('./lib/carte.js');
const { buildShop } = require('./lib/shop.js');
const { lignes, commande, principal, calculer, aller, changerPanier, MANIERES, cadreDe, ouvrir,
  deuxBoutiques, references } = require('./lib/formulaire.js');


describe('offline order form', () => {
  let site;
  let seul;    // the single-page site, served
  let cadres;  // the frameset site's folder
  let unique;  // the single-page site's folder
  before(async () => {
    cadres = path.join(buildShop('hors_ligne'), 'ftp');
    unique = path.join(buildShop('hors_ligne_page'), 'ftp');
    site = await openSite(cadres);
    seul = await openSite(unique);
  });
  after(async () => {
    await site.close();
    await seul.close();
  });

  it('adds, recomputes and totals the cart', async () => {
    const v = await visit(site, 'index.htm');
    try {
      const principal = () => v.page.frames().find((f) => f.name() === 'principal');
      const ouvrir = (page) => Promise.all([principal().waitForNavigation(), principal().goto(site.url(page))]);
      await principal().goto(site.url('vaisselle-bols-0.htm'));
      await Promise.all([principal().waitForNavigation(), principal().evaluate(() => {
        const form = [...document.forms].find((f) => f.getAttribute('action') === 'boncommande.htm');
        form.elements.refsupp3.value = 'Gravure du pr\u00e9nom=4';
        [...document.querySelectorAll('input[type=image]')].find((i) => i.form === form).click();
      })]);
      await principal().goto(site.url('boncommande.htm?ref=THE1&description=Th%E9+vert+(w:300)&pu=10'));
      await principal().goto(site.url('boncommande.htm?ref=THE1&description=Th%E9+vert+(w:300)&pu=10'));
      assert.deepEqual(await lignes(principal()), [
        ['Produits', 'Q', 'P.U.H.T.', 'Total H.T.'],
        // The card's supplement chosen.
        ['BOL01 Gravure du prénom Bol en grès émaillé bleu', '1', '22,50 EUR', '22,50 EUR'],
        ['THE1 Thé vert (w:300)', '1', '10,00 EUR', '10,00 EUR'],
        ['Emballage', '1', '1,50 EUR', '1,50 EUR'],
        ['Total H.T.', '34,00 EUR'], ['TVA 20%', '6,80 EUR'], ['Total TTC', '40,80 EUR'],
        ['Colissimo 300g', '4,50 EUR'], ['Total à payer', '45,30 EUR'],
      ]);

      await calculer(principal(), { qte1: '3' });
      assert.deepEqual((await lignes(principal())).slice(-5).map((r) => r.at(-1)),
        ['54,00 EUR', '10,80 EUR', '64,80 EUR', '6,00 EUR', '70,80 EUR']);
      await calculer(principal(), { qte0: '0' });
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
      assert.deepEqual(await principal(v).evaluate(() => [supplement(10000), supplement(10001)]), [0, 500]);
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
    await visiting(seul, 'vaisselle-bols-0.htm', 'chromium', async (v) => {
      await Promise.all([v.page.waitForNavigation(), v.page.evaluate(() => {
        const form = [...document.forms].find((f) => f.getAttribute('action') === 'boncommande.htm');
        form.elements.refsupp3.value = 'Gravure du pr\u00e9nom=4';
        [...document.querySelectorAll('input[type=image]')].find((i) => i.form === form).click();
      })]);
      await calculer(v.page, { qte0: '2' });
      await v.page.goto(seul.url('index.htm'));
      await v.page.goto(seul.url(commande('THE1', 'Th%E9+vert+(w:300)', '10')));
      assert.deepEqual((await lignes(v.page)).slice(1, 3), [
        ['BOL01 Gravure du prénom Bol en grès émaillé bleu', '2', '22,50 EUR', '45,00 EUR'],
        ['THE1 Thé vert (w:300)', '1', '10,00 EUR', '10,00 EUR'],
      ]);
      assert.deepEqual(await v.problems(), []);
    });
  });

  // The entry page replaced by the form alone (the top bar's link opens it in the whole window),
  // or reloaded, holds an empty cart: the lines ordered before are still there.
  for (const [cas, quitter] of [
    ['the top bar\'s "Votre Panier"', async (v) => {
      const haut = v.page.frames().find((f) => f.name() === 'top');
      await Promise.all([v.page.waitForNavigation(), haut.evaluate(() => {
        document.querySelector('a[href="boncommande.htm"]').click();
      })]);
      return v.page.mainFrame();
    }],
    ['a reload of the frameset', async (v) => {
      await v.page.reload();
      await principal(v).goto(site.url('vaisselle-bols-0.htm'));
      await commanderCarte(principal(v), 'fbol01bol01', { refsupp3: 'Coffret cadeau=6' });
      return principal(v);
    }],
  ]) {
    it(`keeps the frameset's cart after ${cas}`, async () => {
      const v = await visit(site, 'index.htm');
      try {
        for (const ref of ['A1', 'A2']) await principal(v).goto(site.url(commande(ref, 'Article', '2')));
        const cadre = await quitter(v);
        assert.deepEqual((await references(cadre, 2)), ['A1 Article', 'A2 Article']);
        assert.deepEqual(await v.problems(), []);
      } finally {
        await v.close();
      }
    });
  }

  // A shopper's round: a card with a supplement, another list page, the top bar's "Votre
  // Panier", a reload, "Ajouter d'autres articles" back to the shop, a second card; in both
  // browsers (through WebDriver BiDi a frame is found by its window's name).
  for (const [layout, ouvert, trouver, navigateur] of [
    ['frameset', () => site, (v) => frameNamed(v.page, 'principal')],
    ['single-page layout', () => seul, (v) => v.page.mainFrame()],
  ].flatMap((c) => ['chromium', 'firefox'].map((n) => [...c, n]))) {
    it(`keeps the cart through the shopper's round in the ${layout}, ${navigateur}`, async () => {
      const boutique = ouvert();
      const v = await visit(boutique, 'index.htm', navigateur);
      const dans = async (faire) => faire(await trouver(v));
      const accueil = async () => {
        await v.page.waitForFunction(() => location.pathname.endsWith('/index.htm'));
        await settle(v.page);
      };
      try {
        await accueil();
        await dans((f) => f.goto(boutique.url('vaisselle-bols-0.htm')));
        await dans((f) => commanderCarte(f, 'fbol01bol01', { refsupp3: 'Coffret cadeau=6' }));
        await dans((f) => f.goto(boutique.url('livres-cuisine-0.htm')));
        const haut = v.page.frames().find((f) => f.url().endsWith('/top2.htm'));
        await Promise.all([v.page.waitForNavigation(), haut.evaluate(() => {
          document.querySelector('a[href="boncommande.htm"]').click();
        })]);
        await v.page.reload();
        await Promise.all([v.page.waitForNavigation(), v.page.evaluate(() => {
          [...document.links].find((a) => a.innerText.includes('autres articles')).click();
        })]);
        await accueil();
        await dans((f) => f.goto(boutique.url('infusions-plantes-0.htm')));
        await dans((f) => commanderCarte(f, 'finf01t50inf01', {}));
        assert.deepEqual(await dans((f) => references(f, 2)), [
          'BOL01 Coffret cadeau Bol en grès émaillé bleu', 'INF01-50 Plantes (w:50)Sachet de 50 g']);
        assert.deepEqual(await v.problems(), []);
      } finally {
        await v.close();
      }
    });
  }

  // What a card sends reaches the cart with its price: a supplement of the card's list, a
  // size, a model at its own price, one without an amount at the product's, a description in
  // the shop's charset and one holding markup.
  for (const [layout, ouvert, cadre] of [['frameset', () => site, principal],
    ['single-page layout', () => seul, (v) => v.page]]) {
    it(`takes a card's choices and texts into the cart in the ${layout}`, async () => {
      const boutique = ouvert();
      const v = await visit(boutique, 'index.htm');
      try {
        await cadre(v).goto(boutique.url('vaisselle-bols-0.htm'));
        await commanderCarte(cadre(v), 'fbol01bol01', { refsupp3: 'Coffret cadeau=6' });
        const envoye = new URL(cadre(v).url()).searchParams;
        for (const requete of ['ref=TAS01+L&refdiff=Grand%3D25&description=Tasse&pu=9',
          'ref=TAS02&refdiff=Petit%3D&description=Tasse&pu=9',
          'ref=D1&description=Bol+d%92%E9t%E9+%96+%9Cuvre+%E0+9+%80%85&pu=1',
          'ref=LT&description=%3Cb%3Egras%3C%2Fb%3E+%26amp%3B&pu=1']) {
          await cadre(v).goto(boutique.url(`boncommande.htm?${requete}`));
        }
        assert.deepEqual((await lignes(cadre(v))).slice(1, 6), [
          ['BOL01 Coffret cadeau Bol en grès émaillé bleu', '1', '24,50 EUR', '24,50 EUR'],
          ['TAS01 L Grand Tasse', '1', '25,00 EUR', '25,00 EUR'],
          ['TAS02 Petit= Tasse', '1', '9,00 EUR', '9,00 EUR'],
          ['D1 Bol d\u2019été \u2013 \u0153uvre à 9 \u20ac\u2026', '1', '1,00 EUR', '1,00 EUR'],
          ['LT <b>gras</b> &amp;', '1', '1,00 EUR', '1,00 EUR'],
        ]);
        // A value the shop's cart script did not set is sent empty.
        assert.equal(envoye.get('session_client'), '');
        assert.deepEqual(await v.problems(), []);
      } finally {
        await v.close();
      }
    });
  }

  // A line priced below 0 in the form's address, alone or with a supplement, costs nothing; no
  // line takes a total below 0.
  for (const [layout, ouvert, cadre] of [['frameset', () => site, principal],
    ['single-page layout', () => seul, (v) => v.page]]) {
    it(`charges nothing for a line priced below 0 in the ${layout}`, async () => {
      const boutique = ouvert();
      const v = await visit(boutique, 'index.htm');
      try {
        await cadre(v).goto(boutique.url(commande('NEG', 'Remise', '-50')));
        await cadre(v).goto(boutique.url('boncommande.htm?ref=NEG2&refsupp3=Gravure%3D4&description=Remise&pu=-50'));
        const attendu = [
          ['NEG Remise', '1', '0,00 EUR', '0,00 EUR'], ['NEG2 Gravure Remise', '1', '0,00 EUR', '0,00 EUR'],
          ['Emballage', '1', '1,50 EUR', '1,50 EUR'],
          ['Total H.T.', '1,50 EUR'], ['TVA 20%', '0,30 EUR'], ['Total TTC', '1,80 EUR']];
        assert.deepEqual((await lignes(cadre(v))).slice(1), attendu);
        // A quantity typed below 0 is refused with a word: its line keeps its own.
        const alertes = [];
        v.page.on('dialog', (d) => { alertes.push(d.message()); d.accept(); });
        await cadre(v).goto(boutique.url(commande('POS', 'Article', '10')));
        await calculer(cadre(v), { qte2: '-2' });
        assert.deepEqual(alertes, ['La quantité « -2 » de POS ne peut pas être négative.']);
        assert.deepEqual((await lignes(cadre(v)))[3], ['POS Article', '1', '10,00 EUR', '10,00 EUR']);
        assert.deepEqual(await v.problems(), []);
      } finally {
        await v.close();
      }
    });
  }

  // VAT to the nearest cent; shipping free above the threshold, paid at it however the lines
  // add up.
  it('rounds the VAT to the cent and frees shipping above the threshold only', async () => {
    const v = await visit(site, 'index.htm');
    try {
      await principal(v).goto(site.url(commande('V', 'Article+(w:100)', '10.03')));
      assert.deepEqual((await lignes(principal(v))).slice(2), [['Total H.T.', '10,03 EUR'],
        ['TVA 20%', '2,01 EUR'], ['Total TTC', '12,04 EUR'], ['Colissimo 100g', '4,50 EUR'], ['Total à payer', '16,54 EUR']]);
      for (const [ref, pu] of [['T1', '999.86'], ['T2', '0.07'], ['T3', '0.07']])
        await principal(v).goto(site.url(commande(ref, 'Article+(w:100)', pu)));
      await calculer(principal(v), { qte0: '0' });
      assert.deepEqual((await lignes(principal(v))).slice(-2),
        [['Colissimo 300g Suiv.', '9,50 EUR'], ['Total à payer', '1 209,50 EUR']]);
      await calculer(principal(v), { qte2: '2' });
      assert.deepEqual((await lignes(principal(v))).slice(-1), [['Total TTC', '1 200,08 EUR']]);
    } finally {
      await v.close();
    }
  });

  // A quantity is a whole number of items from 0: anything else typed is refused with a word and
  // its line keeps its quantity; 10 and 0 work as ever. A line of a copy whose price or quantity is
  // none is not counted, but stays shown with its quantity box.
  for (const [layout, enCadres, moyen] of MANIERES) {
    it(`takes whole quantities only, ${layout}, ${moyen}`, async () => {
      const boutique = await ouvrir(enCadres ? cadres : unique, moyen);
      await visiting(boutique, 'index.htm', 'chromium', async (v) => {
        const cadre = cadreDe(enCadres);
        const alertes = [];
        v.page.on('dialog', (d) => { alertes.push(d.message()); d.accept(); });
        await aller(cadre(v), boutique.url(commande('A', 'Article', '12.99')));
        await changerPanier(v, cadre, boutique, () => {
          for (const [r, p, q] of [...'BCDEFG'].map((r) => [r, '2', ''])
            .concat([['X1', '12.999', ''], ['X2', '12abc00', ''], ['X3', '2', '0,5']])) {
            ref = r; description = 'Article'; pu = p; ajouter_ligne();
            panier.ma_quantite[panier.ma_ref.indexOf(r)] = q;
          }
          garder_panier();
        }, () => !!document.form.qte6);
        const refuses = ['0,5', '1e2', '2a5', 'abc', ''];
        await calculer(cadre(v), Object.fromEntries([['qte0', '10'], ['qte1', '0'],
          ...refuses.map((q, k) => [`qte${k + 2}`, q])]));
        assert.deepEqual(alertes, refuses.concat(['0,5']).map((q, k) =>
          `La quantité « ${q} » de ${['C', 'D', 'E', 'F', 'G', 'X3'][k]} n'est pas un nombre entier d'articles.`));
        assert.deepEqual((await lignes(cadre(v))).slice(1), [['A Article', '10', '12,99 EUR', '129,90 EUR'],
          ...[...'CDEFG'].map((r) => [`${r} Article`, '1', '2,00 EUR', '2,00 EUR']),
          ...[['X1', '1'], ['X2', '1'], ['X3', '0,5']].map(([r, q]) => [`${r} Article`, q, '0,00 EUR', '0,00 EUR']),
          ['Emballage', '2', '1,50 EUR', '3,00 EUR'],
          ['Total H.T.', '142,90 EUR'], ['TVA 20%', '28,58 EUR'], ['Total TTC', '171,48 EUR']]);
        await calculer(cadre(v), { qte0: '-3' });
        assert.ok(alertes.includes('La quantité « -3 » de A ne peut pas être négative.'), alertes.join());
        assert.deepEqual((await lignes(cadre(v)))[1], ['A Article', '10', '12,99 EUR', '129,90 EUR']);
        assert.deepEqual(await v.problems(), []);
      });
    });
  }

  // The shopper types the shipping: an amount with more than two decimals or in another
  // currency is refused with a word and the amount counted before stays, an emptied box is 0;
  // the box shows the amount charged, whose VAT the amount to
  // pay holds; a stored amount below 0 is charged and shown 0; shipping priced by weight is
  // shown as it is charged, with no box.
  describe('with the shipping typed by the shopper', () => {
    const libres = deuxBoutiques('hors_ligne_libre');
    const frais = (montant, tva, total) => [['Participation frais d\'envoi', montant],
      ['TVA transport 20%', `${tva} EUR`], ['Total à payer', `${total} EUR`]];
    for (const [layout, enCadres, moyen] of MANIERES) {
      it(`charges the shipping shown, ${layout}, ${moyen}`, async () => {
        const boutique = await ouvrir(enCadres ? libres.cadres : libres.page, moyen);
        await visiting(boutique, 'index.htm', 'chromium', async (v) => {
          const cadre = cadreDe(enCadres);
          const port = async () => (await lignes(cadre(v))).slice(-3);
          const alertes = [];
          v.page.on('dialog', (d) => { alertes.push(d.message()); d.accept(); });
          // An emptied box: no amount to read among the rows, nothing charged.
          const vide = [['Total TTC', '13,80 EUR'], ...frais('0', '0,00', '13,80').slice(1)];
          await aller(cadre(v), boutique.url(commande('U', 'Article', '10')));
          assert.deepEqual(await port(), frais('6,50', '1,30', '21,60'));
          for (const [saisi, attendu] of [['7', frais('7', '1,40', '22,20')],
            ['6,505', frais('7', '1,40', '22,20')], ['FF6', frais('7', '1,40', '22,20')],
            ['', vide], ['abc', vide],
            ['7', frais('7', '1,40', '22,20')]]) {
            await calculer(cadre(v), { transport: saisi });
            assert.deepEqual(await port(), attendu, saisi);
          }
          assert.deepEqual(alertes, ['6,505', 'FF6', 'abc'].map((s) =>
            `Les frais de port « ${s} » ne sont pas un montant.`));
          await changerPanier(v, cadre, boutique, () => { panier.mon_transport = '-5'; garder_panier(); },
            () => document.form.transport.value !== '7');
          assert.deepEqual(await port(), frais('0', '0,00', '13,80'));
          await aller(cadre(v), boutique.url(commande('W', 'Poids+(w:300)', '5')));
          assert.deepEqual(await port(), [['Colissimo 300g', '4,50 EUR'], ['TVA transport 20%', '0,90 EUR'],
            ['Total à payer', '25,20 EUR']]);
          assert.deepEqual(await v.problems(), []);
        });
      });
    }
  });

  it('charges a cart weighing exactly the tariff\'s maximum at that tier', async () => {
    const v = await visit(site, 'index.htm');
    try {
      await principal(v).goto(site.url(commande('P7', 'Poids+(w:1000)', '2')));
      assert.deepEqual((await lignes(principal(v))).slice(-2),
        [['Colissimo 1000g', '6,00 EUR'], ['Total à payer', '8,40 EUR']]);
    } finally {
      await v.close();
    }
  });

  // As the disc's start script opens it: frames of a site on disc may not read each other.
  for (const [layout, folder, cadre] of [['frameset', () => cadres, principal],
    ['single-page layout', () => unique, (v) => v.page]]) {
    it(`keeps the cart of the ${layout} opened from disc`, async () => {
      const disque = openDisc(folder());
      const v = await visit(disque, 'index.htm');
      try {
        const ouvrir = (adresse) => Promise.all([cadre(v).waitForNavigation(),
          cadre(v).evaluate((a) => { location.href = a; }, disque.url(adresse))]);
        // A list page's cards read the top window's values without a script error.
        await ouvrir('vaisselle-bols-0.htm');
        // Each order comes from the page shown, as a card's order button sends it. A frame of a
        // site on disc left within milliseconds of its load may not have handed its session
        // storage to the browser yet (a browser race): the next order waits until the form
        // opened afresh shows the line, as a shopper would see it.
        await ouvrir(commande('A1', 'Article', '2'));
        const limite = Date.now() + 20000;
        do await ouvrir('boncommande.htm');
        while (!(await references(cadre(v), 1)).includes('A1 Article') && Date.now() < limite);
        await ouvrir(commande('A2', 'Article', '3'));
        assert.deepEqual(await references(cadre(v), 2), ['A1 Article', 'A2 Article']);
        assert.deepEqual(await v.problems(), []);
      } finally {
        await v.close();
      }
    });
  }
});

describe('the offline order form at its edges', () => {
  let cadres;
  before(() => { cadres = path.join(buildShop('hors_ligne'), 'ftp'); });

  // A line taken out by a quantity of 0 comes back at the usual quantity when the same product
  // is ordered again in the session.
  it('orders a product again after its quantity was set to 0', async () => {
    const site = await openSite(cadres);
    await visiting(site, 'index.htm', 'chromium', async (v) => {
      await aller(principal(v), site.url(commande('POS', 'Article', '10')));
      await calculer(principal(v), { qte0: '0' });
      assert.deepEqual(await lignes(principal(v)), [['Produits', 'Q', 'P.U.H.T.', 'Total H.T.'],
        ['Total H.T.', '0,00 EUR'], ['TVA 20%', '0,00 EUR'], ['Total TTC', '0,00 EUR']]);
      await aller(principal(v), site.url(commande('POS', 'Article', '10')));
      assert.deepEqual((await lignes(principal(v))).slice(1, 2),
        [['POS Article', '1', '10,00 EUR', '10,00 EUR']]);
      assert.deepEqual(await v.problems(), []);
    });
  });

  // The disc's entry page shows in its main frame only a page of its own folder, other than an
  // entry page, that its address names; anything else leaves the home page there.
  for (const [nomme, montre] of [['livres-cuisine-0.htm', 'livres-cuisine-0.htm'],
    ['Index.htm', 'accueil2.htm'], ['index3.htm', 'accueil2.htm'],
    ['..%2Fftp%2Flivres-cuisine-0.htm', 'accueil2.htm'],
    ['https%3A%2F%2Fexemple.test%2Fpage.htm', 'accueil2.htm'],
    ['javascript%3Aparent.location%3D%22x.htm%22', 'accueil2.htm']]) {
    it(`shows ${montre} in the disc's entry page opened at #url_principal=${nomme}`, async () => {
      const disque = openDisc(cadres);
      const v = await visit(disque, `index.htm#url_principal=${nomme}`);
      try {
        let vu;
        for (const fin = Date.now() + 10000; Date.now() < fin;) {
          vu = principal(v)?.url().replace(/^.*\//, '');
          if (vu === montre) break;
          await new Promise((r) => { setTimeout(r, 150); });
        }
        assert.equal(vu, montre);
        assert.equal(v.page.url().replace(/#.*$/, ''), disque.url('index.htm'));
        assert.deepEqual(await v.problems(), []);
      } finally {
        await v.close();
      }
    });
  }
});
