'use strict';
// The order form in chromium and in Firefox: Back and reload on every path, and the shop's one
// cart shared by every tab and window.

const assert = require('node:assert/strict');
const path = require('node:path');
const { describe, it, after } = require('node:test');

const { frameNamed, openDisc, openSite, settle, visit, visiting } = require('./lib/harness.js');
const { commanderCarte } = require('./lib/carte.js');
const { lignes, tout, commande, formeDe, attendre, aller, calculer, uneFoisDePlus,
  siDeuxStockages } = require('./lib/panier.js');
const { buildShop } = require('./lib/shop.js');

// ---------------------------------------------------------------------------------------------
// Back and reload in chromium and in Firefox: whenever the form is shown its boxes show what it
// counts, and it counts the newest cart. The sites are served as most hosts serve them, with no
// word on caching: a browser may keep a page left in its back-forward cache.

// n pages back in the history of the form's frame (or page); its pages may come back from the
// cache and reload themselves.
async function revenir(v, cadres, n) {
  await (await formeDe(v, cadres)).evaluate((k) => history.go(-k), n);
  await new Promise((r) => { setTimeout(r, 500); });
  await settle(v.page);
}

// Each path: its name, what the shopper does in the form (the shop has the shopper's own
// shipping box), and what the form shows at the end; each run in both browsers, both layouts,
// over http and from disc.
const CHEMINS = [
  ['"Calculer" 3 and 5, then 7 and 9, Back twice', async (v, site, cadres) => {
    await aller(await formeDe(v, cadres), site.url(commande('A1', '2')));
    await calculer(await formeDe(v, cadres), { qte0: '3', transport: '5' });
    await calculer(await formeDe(v, cadres), { qte0: '7', transport: '9' });
    await revenir(v, cadres, 2);
  }, [['A1 Article', '7', '2,00 EUR', '14,00 EUR'], ['Total', '14,00 EUR'],
    ['Participation frais d\'envoi', '9'], ['Total à payer', '23,00 EUR']]],
  ['three lines, the second set to 0 and the third to 7, Back', async (v, site, cadres) => {
    for (const [ref, pu] of [['A1', '2'], ['A2', '3'], ['A3', '4']])
      await aller(await formeDe(v, cadres), site.url(commande(ref, pu)));
    await calculer(await formeDe(v, cadres), { qte1: '0', qte2: '7' });
    await revenir(v, cadres, 1);
  }, [['A1 Article', '1', '2,00 EUR', '2,00 EUR'], ['A3 Article', '7', '4,00 EUR', '28,00 EUR'],
    ['Total', '30,00 EUR'], ['Participation frais d\'envoi', '4'], ['Total à payer', '34,00 EUR']]],
  ['a quantity typed without "Calculer", then a reload', async (v, site, cadres) => {
    await aller(await formeDe(v, cadres), site.url(commande('A1', '2')));
    const f = await formeDe(v, cadres);
    await f.evaluate(() => { document.form.qte0.value = '5'; });
    await Promise.all([f.waitForNavigation(), f.evaluate(() => location.reload())]);
    await settle(v.page);
  }, [['A1 Article', '1', '2,00 EUR', '2,00 EUR'], ['Total', '2,00 EUR'],
    ['Participation frais d\'envoi', '4'], ['Total à payer', '6,00 EUR']]],
  ['"Calculer" 3, then 5, Back twice', async (v, site, cadres) => {
    await aller(await formeDe(v, cadres), site.url(commande('A1', '2')));
    await calculer(await formeDe(v, cadres), { qte0: '3' });
    await calculer(await formeDe(v, cadres), { qte0: '5' });
    await revenir(v, cadres, 2);
  }, [['A1 Article', '5', '2,00 EUR', '10,00 EUR'], ['Total', '10,00 EUR'],
    ['Participation frais d\'envoi', '4'], ['Total à payer', '14,00 EUR']]],
];

// The sites of the shops with the shopper's shipping box, each built once.
const dossiers = {};
const construit = (boutique) => (dossiers[boutique] ??= path.join(buildShop(boutique), 'ftp'));
const dossierDe = (layout) => construit(layout === 'cadres' ? 'carte_listes' : 'carte_listes_page');
const ouvrir = (layout, moyen) => (moyen === 'http'
  ? openSite(dossierDe(layout), [], { cached: true }) : openDisc(dossierDe(layout)));
const TOUS = ['chromium', 'firefox'].flatMap((n) => ['cadres', 'page'].flatMap((l) =>
  ['http', 'disc'].map((m) => [n, l, m])));

describe('the order form after Back and reload', () => {
  for (const [nom, chemin, attendu] of CHEMINS) {
    for (const [navigateur, layout, moyen] of TOUS) {
      it(`shows what it counts after ${nom}, ${navigateur}, ${layout}, ${moyen}`, async () => {
        const site = await ouvrir(layout, moyen);
        await visiting(site, 'index.htm', navigateur, async (v) => {
          await chemin(v, site, layout === 'cadres');
          await attendre(v, layout === 'cadres', attendu, tout);
          assert.deepEqual(await v.problems(), []);
        });
      });
    }
  }

  // A card ordered in the frameset, the form alone ("Votre Panier") set to 3, Back twice to the
  // frameset, another card: the form alone shows both, as last set.
  for (const moyen of ['http', 'disc']) {
    it(`keeps the form alone's quantity through Back to the frameset, firefox, ${moyen}`, async () => {
      const site = await ouvrir('cadres', moyen);
      await visiting(site, 'index.htm', 'firefox', async (v) => {
        await aller(await formeDe(v, true), site.url('vaisselle-bols-0.htm'));
        await commanderCarte(await formeDe(v, true), 'fbol01bol01', {});
        await Promise.all([v.page.waitForNavigation(), (await frameNamed(v.page, 'top')).evaluate(() => {
          document.querySelector('a[href="boncommande.htm"]').click();
        })]);
        await calculer(v.page.mainFrame(), { qte0: '3' });
        await revenir(v, false, 2);
        await aller(await formeDe(v, true), site.url('infusions-plantes-0.htm'));
        await commanderCarte(await formeDe(v, true), 'finf01t50inf01', {});
        await aller(v.page.mainFrame(), site.url('boncommande.htm'));
        await attendre(v, false, [['BOL01 Bol en grès émaillé bleu', '3', '18,50 EUR'],
          ['INF01-50 Plantes (w:50)Sachet de 50 g', '1', '6,90 EUR']]);
        assert.deepEqual(await v.problems(), []);
      });
    });
  }

  // Two cards ordered in the frameset, the form alone ("Votre Panier") changed, then left by
  // "Ajouter d'autres articles" for the frameset and another card ordered: the change holds.
  const bol = (q, t) => ['BOL01 Coffret cadeau Bol en grès émaillé bleu', q, '24,50 EUR', t];
  const inf03 = ['INF03 Boîte métal Sachet cadeau Tisane fraise-rhubarbe', '1', '14,00 EUR', '14,00 EUR'];
  const inf04 = ['INF04 Standard Avec boîte Tisane pomme', '1', '1,00 EUR', '1,00 EUR'];
  const totaux = (total, port, somme) => [['Total', total], ['Participation frais d\'envoi', port], ['Total à payer', somme]];
  for (const [changement, saisie, attendu] of [
    ['a quantity set to 3', { qte0: '3' }, [bol('3', '73,50 EUR'), inf03, inf04, ...totaux('88,50 EUR', '4', '92,50 EUR')]],
    ['a line set to 0', { qte1: '0' }, [bol('1', '24,50 EUR'), inf04, ...totaux('25,50 EUR', '4', '29,50 EUR')]],
    ['a shipping of 9', { transport: '9' }, [bol('1', '24,50 EUR'), inf03, inf04, ...totaux('39,50 EUR', '9', '48,50 EUR')]],
  ]) {
    for (const [navigateur, moyen] of ['chromium', 'firefox'].flatMap((n) => ['http', 'disc'].map((m) => [n, m]))) {
      it(`keeps ${changement} in the form alone through another order, ${navigateur}, ${moyen}`, async () => {
        const site = await ouvrir('cadres', moyen);
        await visiting(site, 'index.htm', navigateur, async (v) => {
          for (const [liste, carte, choix] of [['vaisselle-bols-0.htm', 'fbol01bol01', { refsupp3: 'Coffret cadeau=6' }],
            ['infusions-fruits-0.htm', 'finf03inf03', { refsupp: 'Boîte métal=4', refsupp3: 'Sachet cadeau=2' }]]) {
            await aller(await formeDe(v, true), site.url(liste));
            await commanderCarte(await formeDe(v, true), carte, choix);
          }
          await Promise.all([v.page.waitForNavigation(), (await frameNamed(v.page, 'top')).evaluate(() => {
            document.querySelector('a[href="boncommande.htm"]').click();
          })]);
          await calculer(v.page.mainFrame(), saisie);
          // Left once it shows what was typed (a line set to 0 has no box).
          await attendre(v, false, true, (f) => f.evaluate((q) => document.readyState === 'complete'
            && Object.entries(q).every(([n, val]) => (document.form[n] ? document.form[n].value === val : val === '0')), saisie));
          await v.page.evaluate(() => [...document.links].find((a) => a.textContent === 'Ajouter d\'autres articles').click());
          await v.page.waitForFunction(() => location.pathname.endsWith('/index.htm') && document.readyState === 'complete');
          await aller(await formeDe(v, true), site.url('infusions-fruits-0.htm'));
          await commanderCarte(await formeDe(v, true), 'finf04inf04', {});
          await attendre(v, true, attendu, tout);
          assert.deepEqual(await v.problems(), []);
        });
      });
    }
  }

  // From disc no server runs choix_liste.php: the quick choice shows the list of the word chosen,
  // in the main frame or the whole window, each product linked to its list page.
  for (const [navigateur, layout] of ['chromium', 'firefox'].flatMap((n) => ['cadres', 'page'].map((l) => [n, l]))) {
    it(`opens the quick choice's list from disc, ${navigateur}, ${layout}`, async () => {
      const site = openDisc(dossierDe(layout));
      const v = await visit(site, 'index.htm', navigateur);
      try {
        const haut = v.page.frames().find((f) => f.url().endsWith('/top2.htm'));
        await haut.select('form[name=choix_liste] select', await haut.$eval('form[name=choix_liste] option:nth-child(2)', (o) => o.value));
        await attendre(v, layout === 'cadres', [['vaisselle-bols-0.htm', 'BOL02'], ['vaisselle-bols-0.htm', 'BOL01']],
          (f) => f.evaluate(() => (location.pathname.endsWith('/choix_liste.htm') && document.readyState === 'complete'
            ? [...document.links].filter((a) => a.offsetParent !== null).map((a) => [a.getAttribute('href'), a.innerText])
            : null)));
        assert.deepEqual(await v.problems(), []);
      } finally {
        await v.close();
      }
    });
  }

  // From disc a list page opened alone goes back into the frameset through the disc's entry page.
  for (const navigateur of ['chromium', 'firefox']) {
    it(`puts a list page opened alone from disc back into the frameset, ${navigateur}`, async () => {
      const site = openDisc(dossierDe('cadres'));
      const v = await visit(site, 'livres-cuisine-0.htm', navigateur);
      try {
        await v.page.waitForFunction(() => location.pathname.endsWith('/index.htm'));
        await attendre(v, true, 'livres-cuisine-0.htm', async (f) => f.url().replace(/^.*\//, ''));
        assert.deepEqual(await v.problems(), []);
      } finally {
        await v.close();
      }
    });
  }
});

// ---------------------------------------------------------------------------------------------
// One cart per shop, shared by every tab and window of the browser, as a cookie would be.

describe('one cart per shop in every tab and window', () => {
  // The tab duplicated (window.open of the page copies its session, as "Duplicate" does): A2
  // taken out in the copy, then A1 set to 2 and a shipping of 5 in the first tab, which still
  // shows A2, then A3 ordered in the copy. Both show the one cart, the first at its next "Calculer".
  // Or the copy, which still shows A1 at 1, first presses "Calculer" without touching that box:
  // its old quantity is not written over the first tab's change.
  const AVANT_A3 = [['', async () => {}], [', "Calculer" untouched in the copy', (f) => calculer(f, {})]];
  for (const [[navigateur, layout, moyen], [avant, avantA3]] of TOUS.flatMap((t) => AVANT_A3.map((a) => [t, a]))) {
    it(`applies each tab's change to the shop's one cart${avant}, ${navigateur}, ${layout}, ${moyen}`, async () => {
      const cadres = layout === 'cadres';
      await uneFoisDePlus(`${navigateur}, ${layout}, ${moyen}${avant}`, async () => {
        const site = await ouvrir(layout, moyen);
        await visiting(site, 'index.htm', navigateur, async (v) => {
          for (const [ref, pu] of [['A1', '2'], ['A2', '3']]) await aller(await formeDe(v, cadres), site.url(commande(ref, pu)));
          const double = { page: await v.popup(() => v.page.evaluate((a) => { window.open(a); },
            site.url(cadres ? 'index.htm' : 'boncommande.htm'))) };
          if (cadres) await aller(await formeDe(double, true), site.url('boncommande.htm'));
          // The browser hands the shared storage to the other tab's process a moment later: each
          // tab acts once it holds the other's change, as a shopper going from one to the other.
          const stockeVu = (u, texte) => attendre(u, cadres, true, (f) => f.evaluate((t) => Object.keys(localStorage)
            .some((k) => (localStorage.getItem(k) || '').includes(t)), texte));
          const attendu = [['A1 Article', '2', '2,00 EUR', '4,00 EUR'], ['A3 Article', '1', '4,00 EUR', '4,00 EUR'],
            ['Total', '8,00 EUR'], ['Participation frais d\'envoi', '5'], ['Total à payer', '13,00 EUR']];
          try {
            await calculer(await formeDe(double, cadres), { qte1: '0' });
            await stockeVu(v, '"ma_commande":["oui",""]');
            await calculer(await formeDe(v, cadres), { qte0: '2', transport: '5' });
            await stockeVu(double, '"mon_transport":"5"');
            await avantA3(await formeDe(double, cadres));
            await aller(await formeDe(double, cadres), site.url(commande('A3', '4')));
            await attendre(double, cadres, attendu, tout);
            await stockeVu(v, '"A3"');
            await calculer(await formeDe(v, cadres), {});
            await attendre(v, cadres, attendu, tout);
          } catch (e) {
            await siDeuxStockages(e, [v, cadres], [double, cadres]);
          }
          assert.deepEqual(await v.problems(), []);
        });
      });
    });
  }

  // "Votre Panier" opens the form in a window of its own (the shop's target "_blank"), with no
  // tie to the shop's tab: it shows the cart, each product once ("Unique", a quantity "ex."),
  // kept six days untouched and dropped at eight.
  for (const [navigateur, moyen] of ['chromium', 'firefox'].flatMap((n) => ['http', 'disc'].map((m) => [n, m]))) {
    const nom = `${navigateur}, ${moyen}`;
    it(`shows the cart in the window "Votre Panier" opens, ${nom}`, () => uneFoisDePlus(nom, async () => {
      const fenetre = construit('panier_fenetre');
      const site = moyen === 'http' ? await openSite(fenetre) : openDisc(fenetre);
      await visiting(site, 'index.htm', navigateur, async (v) => {
        await aller(await formeDe(v, true), site.url(commande('A1', '2')));
        await calculer(await formeDe(v, true), { qte0: '3' });
        // The window opened has no tie to the shop's tab: found among the browser's pages. It may
        // draw its form again (focus, a newer copy arriving): read once it shows what is awaited.
        const votrePanier = async (attendu) => {
          const b = v.page.browser();
          const avant = new Set(await b.pages());
          await (await frameNamed(v.page, 'top')).evaluate(() => document.querySelector('a[href="boncommande.htm"]').click());
          for (const fin = Date.now() + 20000; Date.now() < fin; await new Promise((r) => { setTimeout(r, 100); })) {
            for (const p of await b.pages()) {
              if (avant.has(p) || !p.url().includes('boncommande.htm')) continue;
              if (await p.evaluate(() => document.readyState === 'complete').catch(() => false)) {
                v.pages.push(p);
                const ouverte = { page: p };
                await attendre(ouverte, false, attendu).catch((e) => siDeuxStockages(e, [v, true], [ouverte, false]));
                return;
              }
            }
          }
          throw new Error('no window opened');
        };
        const a1 = [['A1 Article', '1', '2,00 EUR']];
        await votrePanier(a1);
        for (const [jours, attendu] of [[6, a1], [8, []]]) {
          await (await formeDe(v, true)).evaluate((j) => {
            for (const cle of Object.keys(localStorage)) {
              const copie = JSON.parse(localStorage.getItem(cle));
              copie.quand = Date.now() - j * 86400000;
              localStorage.setItem(cle, JSON.stringify(copie));
            }
          }, jours);
          await votrePanier(attendu);
        }
        assert.deepEqual(await v.problems(), []);
      });
    }));
  }

  // A browser refusing storage: Firefox keeps the cart in a cookie (two orders of the single
  // page, "Votre Panier" leaving the frameset); chromium, refusing all site data, keeps nothing
  // beyond the page and says so on the form.
  for (const [navigateur, layout, garde] of [['firefox', 'page', true], ['firefox', 'cadres', true],
    ['chromium', 'page', false], ['chromium', 'cadres', false]]) {
    it(`keeps the cart or says it cannot where storage is refused, ${navigateur}, ${layout}`, async () => {
      const cadres = layout === 'cadres';
      const site = await ouvrir(layout, 'http');
      await visiting(site, 'index.htm', `${navigateur} refusing storage`, async (v) => {
        for (const [ref, pu] of [['A1', '2'], ['A2', '3']]) await aller(await formeDe(v, cadres), site.url(commande(ref, pu)));
        const mot = () => v.page.evaluate(() => [window, ...Array.from({ length: frames.length }, (_, i) => frames[i])]
          .some((w) => w.document.body && w.document.body.innerText.includes('Votre navigateur refuse les cookies de ce site')));
        assert.equal(await mot(), !garde);
        if (cadres) {
          await Promise.all([v.page.waitForNavigation(), (await frameNamed(v.page, 'top')).evaluate(() => {
            document.querySelector('a[href="boncommande.htm"]').click();
          })]);
        }
        const a1a2 = [['A1 Article', '1', '2,00 EUR'], ['A2 Article', '1', '3,00 EUR']];
        assert.deepEqual(await lignes(v.page.mainFrame()), garde ? a1a2 : a1a2.slice(cadres ? 2 : 1));
        assert.equal(await mot(), !garde);
        assert.deepEqual(await v.problems(), []);
      });
    });
  }

  // A cart larger than a cookie holds is told on the page that grew it.
  it('says when the cart outgrows the cookie, firefox, page', async () => {
    const site = await ouvrir('page', 'http');
    await visiting(site, 'index.htm', 'firefox refusing storage', async (v) => {
      const mot = () => v.page.evaluate(() => document.body.innerText.includes('Votre panier est trop grand pour le cookie'));
      await aller(v.page.mainFrame(), site.url(commande('R0', '2')));
      assert.equal(await mot(), false);
      for (let k = 1; k < 60; ++k) await aller(v.page.mainFrame(), site.url(`boncommande.htm?ref=R${k}&description=Bol+en+gr%E8s+%E9maill%E9+bleu&pu=2`));
      assert.equal(await mot(), true);
    });
  });
});