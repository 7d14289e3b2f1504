'use strict';
// The order form's cart and its copies: the form's own scripts run on a page stand-in over a
// table of page loads, then the same paths in chromium: two shops in one tab, the frameset
// brought back by the history, Back to an order address, a supplement that takes off
// (Back and reload in both browsers, and tabs, are in panier_onglets.js).

const assert = require('node:assert/strict');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const vm = require('node:vm');
const { describe, it, before, after } = require('node:test');

const { browser, frameNamed, openDisc, openSite, settle, visit, visiting } = require('./lib/harness.js');
const { lignes, tout, commande, principal, cadreDe, ensemble, attendre, aller, calculer, uneFoisDePlus,
  siDeuxStockages } = require('./lib/panier.js');
const { commanderCarte } = require('./lib/carte.js');
const { buildShop } = require('./lib/shop.js');

// ---------------------------------------------------------------------------------------------
// The form's scripts on a stand-in page. A tab keeps its session storage and its top window's
// name from page to page; a frameset's top window is a plain object holding the cart.

function scriptsDe(page) {
  return [...fs.readFileSync(page, 'latin1').matchAll(/<script[^>]*>([\s\S]*?)<\/script>/gi)]
    .map((m) => m[1]);
}

function cadreNeuf(fin) {
  return { fin, ma_ref: [], ma_description: [], ma_pu: [], ma_commande: [], ma_quantite: [],
    mon_transport: '0' };
}

// One load of a page (the form) at adresse in the tab; cadre: the frameset's top window it shows
// in; navigation: how it came; qte: quantities typed before "Calculer". Gives the page, whose
// listeners are kept by event in ecoutes.
function charger(scripts, onglet, { adresse, cadre = null, navigation = 'navigate', qte = null }) {
  const url = new URL(adresse);
  const page = {
    location: { href: adresse, search: url.search, hash: url.hash, protocol: url.protocol, reload() {} },
    sessionStorage: {
      getItem: (cle) => (onglet.session.has(cle) ? onglet.session.get(cle) : null),
      setItem: (cle, valeur) => onglet.session.set(cle, String(valeur)),
    },
    localStorage: onglet.local && {
      get length() { return onglet.local.size; },
      key: (i) => [...onglet.local.keys()][i] ?? null,
      getItem: (cle) => onglet.local.get(cle) ?? null,
      setItem: (cle, valeur) => onglet.local.set(cle, String(valeur)),
      removeItem: (cle) => onglet.local.delete(cle),
    },
    performance: { getEntriesByType: () => [{ type: navigation }] },
    history: { replaceState() {} },
    MessageChannel: class { constructor() { this.port1 = {}; page.canal = this; } },
    document: { write() {}, form: {}, addEventListener() {} },
    origin: url.origin,  // "null" from disc, as in chromium
    ecoutes: {},
    addEventListener: (type, f) => (page.ecoutes[type] ??= []).push(f),
  };
  page.window = page;
  page.top = cadre || page;
  if (!cadre) page.name = onglet.nom;
  vm.createContext(page);
  for (const s of scripts) vm.runInContext(s, page);
  if (qte) {
    for (const [champ, valeur] of Object.entries(qte)) page.document.form[champ] = { value: valeur };
    vm.runInContext('calcul()', page);
  }
  if (!cadre) onglet.nom = page.name;
  return page;
}

// The lines ordered: reference, price, quantity.
function commandees(panier) {
  const l = [];
  for (let i = 0; i < panier.fin; i++)
    if (panier.ma_commande[i] === 'oui') l.push([panier.ma_ref[i], panier.ma_pu[i], panier.ma_quantite[i]]);
  return l;
}

const DISQUE = 'file:///media/cd/ftp/boncommande.htm';
const CHARSET = '<meta http-equiv="Content-Type" content="text/html; charset=iso-8859-1">';
const WEB = 'http://boutique.example/ftp/boncommande.htm';
const avec = (base, requete) => `${base}?${requete}`;

// Each case: its page loads in one tab (oublier: the session storage loses what the load wrote,
// as a page left at once may), the lines its last load shows, and what the session held first.
const CAS = [
  ['a newer copy beats the older cart of a frameset restored from the history', (c) => [
    { adresse: avec(WEB, 'ref=A&description=a&pu=2'), cadre: c },
    { adresse: WEB, qte: { qte0: '3' } },
    { adresse: avec(WEB, 'ref=B&description=b&pu=1'), cadre: c },
  ], [['A', '2', '3'], ['B', '1', '1']]],
  ['the frameset\'s own cart, newer than the copy, stays', (c) => [
    { adresse: avec(WEB, 'ref=A&description=a&pu=2'), cadre: c },
    { adresse: WEB, cadre: c, qte: { qte0: '4' }, oublier: true },
    { adresse: avec(WEB, 'ref=B&description=b&pu=1'), cadre: c },
  ], [['A', '2', '4'], ['B', '1', '1']]],
  ['from disc the window\'s name, newer than the session\'s copy, wins', () => [
    { adresse: avec(DISQUE, 'ref=A&description=a&pu=2') },
    { adresse: avec(DISQUE, 'ref=B&description=b&pu=1'), oublier: true },
    { adresse: DISQUE },
  ], [['A', '2', '1'], ['B', '1', '1']]],
  ['from disc the session\'s copy, newer than the window\'s name, wins', () => [
    { adresse: avec(DISQUE, 'ref=A&description=a&pu=2') },
    { adresse: avec(DISQUE, 'ref=B&description=b&pu=1'), cadre: cadreNeuf(0) },
    { adresse: DISQUE },
  ], [['A', '2', '1'], ['B', '1', '1']]],
  ['the session that forgot the last change is outdone by the local copy', () => [
    { adresse: avec(WEB, 'ref=A&description=a&pu=2') },
    { adresse: WEB, qte: { qte0: '3' }, oublier: true },
    { adresse: avec(WEB, 'ref=B&description=b&pu=1') },
  ], [['A', '2', '3'], ['B', '1', '1']]],
  ['a supplement adds to the price', () => [
    { adresse: avec(WEB, 'ref=BOL01&refsupp3=Coffret+cadeau%3D6&description=Bol&pu=18%2C50') },
  ], [['BOL01 Coffret cadeau', '24.5', '1']]],
  ['a supplement that takes off', () => [
    { adresse: avec(WEB, 'ref=BOL01&refsupp3=Sans+coffret%3D-2&description=Bol&pu=18%2C50') },
  ], [['BOL01 Sans coffret', '16.5', '1']]],
  ['a model at its own price, and one below nothing costs nothing', () => [
    { adresse: avec(WEB, 'ref=TAS01&refdiff=Grand%3D25&description=Tasse&pu=9') },
    { adresse: avec(WEB, 'ref=TAS01&refdiff=Mod%E8le+sold%E9%3D-5&description=Tasse&pu=9') },
  ], [['TAS01 Grand', '25', '1'], ['TAS01 Mod\u00e8le sold\u00e9', '0', '1']]],
  ['a query in the shop\'s charset', () => [
    { adresse: avec(WEB, 'ref=D%E9j%E0+%80&description=x&pu=1') },
  ], [['D\u00e9j\u00e0 \u20ac', '1', '1']]],
  ['a copy an older version named by its folder is still read', () => [
    { adresse: avec(WEB, 'ref=B&description=b&pu=1') },
  ], [['A', '2', '1'], ['B', '1', '1']], { 'tarvio_panier http://boutique.example/ftp/': JSON.stringify({
    fin: 1, ma_ref: ['A'], ma_description: ['a'], ma_pu: ['2'], ma_commande: ['oui'], ma_quantite: [''],
    mon_transport: '0', garde_n: 1, boutique: 'http://boutique.example/ftp/' }) }],
];

// ---------------------------------------------------------------------------------------------
// In chromium.

describe('the cart and its copies', () => {
  it('keeps the newest cart of its own shop through every page load', () => {
    const scripts = scriptsDe(path.join(buildShop('hors_ligne'), 'ftp', 'boncommande.htm'));
    for (const [nom, etapes, attendu, session = {}] of CAS) {
      const onglet = { session: new Map(Object.entries(session)), nom: '', local: new Map() };
      let panier;
      const liste = etapes(cadreNeuf(12));
      for (const etape of liste) {
        const avant = new Map(onglet.session);
        panier = charger(scripts, onglet, etape).panier;
        if (etape.oublier) onglet.session = avant;
      }
      assert.deepEqual(commandees(panier), attendu, nom);
      // Over http no other site may read the cart from the tab's name, nor a local path from disc.
      if (liste.every((e) => e.adresse.startsWith('http')))
        assert.ok(!onglet.nom.includes('tarvio'), `${nom}: the tab's name holds the cart`);
      assert.ok(!onglet.nom.includes('/media/'), `${nom}: the tab's name holds the folder`);
    }
  });

  let cadres;  // the frameset and single-page sites' folders
  let page;
  before(() => {
    cadres = path.join(buildShop('hors_ligne'), 'ftp');
    page = path.join(buildShop('hors_ligne_page'), 'ftp');
  });

  // The frameset from disc (its own scripts on a stand-in window) is sent a form's real copy and
  // question by the sender of each case: it keeps the copy and answers only its own frames' pages.
  it('keeps and hands copies from disc to pages of its own frames only', () => {
    const envois = [];
    const haut = { postMessage: (message) => envois.push(message) };
    charger(scriptsDe(path.join(cadres, 'boncommande.htm')), { session: new Map(), nom: '' },
      { adresse: avec(DISQUE, 'ref=A&description=a&pu=2'), cadre: haut });
    const copie = envois[0].slice('tarvio_panier='.length);
    const question = `tarvio_panier?${JSON.parse(copie).boutique}`;
    const onglet = { session: new Map(), nom: '' };
    const gardien = charger(scriptsDe(path.join(cadres, 'index.htm')), onglet,
      { adresse: DISQUE.replace('boncommande', 'index') });
    const cadre = { parent: vm.runInContext('window', gardien) };  // the window as its scripts see it
    for (const [nom, source, origine, entendu] of [
      ['a page from disc in its frame', cadre, 'null', true],
      ['a page of another origin in its frame', cadre, 'http://127.0.0.1:8080', false],
      ['a page from disc in another window', { parent: {} }, 'null', false],
      ['a page from disc in a frame of its frame', { parent: cadre }, 'null', false],
    ]) {
      onglet.session.clear();
      gardien.name = '';
      const recus = [];
      source.postMessage = (m) => recus.push(`to its frame: ${m}`);  // which may show another page by then
      const port = { postMessage: (m) => recus.push(m) };
      for (const [data, ports] of [[envois[0], []], [question, [port]], ['tarvio_panier?', []]])
        gardien.ecoutes.message.forEach((f) => f({ source, origin: origine, data, ports }));
      assert.deepEqual(recus, entendu ? [envois[0]] : [], `${nom}: answered`);
      assert.deepEqual([...onglet.session.values()], entendu ? [copie] : [], `${nom}: kept`);
      assert.ok(!gardien.name.includes('/media/'), `${nom}: the tab's name holds the folder`);
    }
  });

  // From disc a form in a frame asks the frameset for its copy: one older than the form's own
  // (a frameset brought back by the history) is not taken.
  it('takes from the frameset a copy no older than its own', () => {
    const copie = (n, q) => JSON.stringify({ fin: 1, ma_ref: ['A'], ma_description: ['a'], ma_pu: ['2'],
      ma_commande: ['oui'], ma_quantite: [q], mon_transport: '0', garde_n: n, boutique: 'file:///media/cd/ftp/' });
    for (const [n, attendu] of [[4, '3'], [5, '1'], [6, '1']]) {
      const onglet = { session: new Map([['tarvio_panier file:///media/cd/ftp/', copie(5, '3')]]), nom: '' };
      const form = charger(scriptsDe(path.join(cadres, 'boncommande.htm')), onglet,
        { adresse: DISQUE, cadre: { postMessage() {} } });
      form.ecoutes.load.forEach((f) => f());
      form.canal.port1.onmessage({ data: `tarvio_panier=${copie(n, '1')}` });
      assert.equal(form.panier.ma_quantite[0], attendu, `the frameset's copy numbered ${n}`);
    }
  });

  // Shop A's form, then shop B's: B's cart holds B's line only.
  for (const [moyen, layout] of [['over http', 'page'], ['from disc', 'page'], ['from disc', 'cadres']]) {
    it(`keeps two shops' carts apart in one tab, ${moyen}, ${layout}`, () => uneFoisDePlus(`${moyen}, ${layout}`, async () => {
      const dossier = layout === 'cadres' ? cadres : page;
      let a;
      let b;
      if (moyen === 'over http') {
        a = await openSite(dossier);
        b = await openSite(dossier);
      } else {
        const copie = fs.mkdtempSync(path.join(os.tmpdir(), 'tarvio-browser-autre-'));
        fs.cpSync(dossier, copie, { recursive: true });
        a = openDisc(dossier);
        b = openDisc(copie);
      }
      const v = await visit(ensemble(a, b), 'index.htm');
      try {
        const cadre = cadreDe(layout === 'cadres');
        await aller(cadre(v), a.url(commande('A1', '7')));
        await v.page.goto(b.url('index.htm'));
        await settle(v.page);
        await aller(cadre(v), b.url(commande('B1', '3')));
        assert.deepEqual(await lignes(cadre(v)), [['B1 Article', '1', '3,00 EUR']]);
        if (moyen === 'over http') assert.ok(!(await v.page.evaluate(() => window.name)).includes('A1'));
        // Shop A's cart is still its own, seen from a window of its own.
        const seule = await v.page.browserContext().newPage();
        try {
          await seule.goto(a.url('boncommande.htm'));
          // From disc both shops are of one origin: the tab shows B, and holds A's cart too.
          await attendre({ page: seule }, false, [['A1 Article', '1', '7,00 EUR']]).catch((e) => (moyen === 'from disc'
            ? siDeuxStockages(e, [v, layout === 'cadres'], [{ page: seule }, false]) : Promise.reject(e)));
        } finally {
          await seule.close();
        }
        assert.deepEqual(await v.problems(), []);
      } finally {
        await v.close();
        await a.close();
        await b.close();
        if (moyen !== 'over http') fs.rmSync(b.root, { recursive: true, force: true });
      }
    }));
  }
  // The frameset left for the form alone, the quantity changed there, then Back twice: the
  // frameset comes back from the history with the cart it held before (the form, which keeps
  // itself out of the back-forward cache, keeps the frameset out of it too).
  for (const quantite of ['3', '0']) {
    it(`keeps a quantity set to ${quantite} when the frameset comes back from the history`, async () => {
      const site = await openSite(cadres);
      await visiting(site, 'index.htm', 'chromium', async (v) => {
        await aller(principal(v), site.url(commande('A1', '2')));
        const haut = v.page.frames().find((f) => f.name() === 'top');
        await Promise.all([v.page.waitForNavigation(), haut.evaluate(() => {
          document.querySelector('a[href="boncommande.htm"]').click();
        })]);
        await calculer(v.page.mainFrame(), { qte0: quantite });
        // The frames of a page the cache restores are reached through the page itself.
        await v.page.evaluate(() => history.go(-2));
        await v.page.waitForFunction(() => location.pathname === '/index.htm' && document.readyState === 'complete');
        await v.page.evaluate((a) => { frames.principal.location.href = a; }, site.url(commande('A2', '3')));
        await attendre(v, true, [...(quantite === '0' ? [] : [['A1 Article', quantite, '2,00 EUR']]),
          ['A2 Article', '1', '3,00 EUR']]);
        assert.deepEqual(await v.problems(), []);
      });
    });
  }

  // From disc a form may be given a session of its own, which the frameset and the next pages
  // do not see: here each form in a frame gets one, or each form alone. The shopper's round
  // (an order, another list, "Votre Panier", reload, Back, another order) keeps the cart still.
  for (const [qui, seul] of [['each form in a frame', false], ['each form alone', true]]) {
    it(`keeps the cart through the round from disc when ${qui} has a session of its own`, async () => {
      const site = openDisc(cadres);
      const v = await visit(site, 'index.htm');
      try {
        await v.page.evaluateOnNewDocument((haut) => {
          if ((window === top) !== haut || !location.pathname.endsWith('/boncommande.htm')) return;
          const ile = new Map();
          Object.defineProperty(window, 'sessionStorage', { get: () => ({ getItem: (c) => ile.get(c) ?? null,
            setItem: (c, t) => ile.set(c, String(t)) }) });
        }, seul);
        await aller(principal(v), site.url(commande('A1', '2')));
        await aller(principal(v), site.url('livres-cuisine-0.htm'));
        const haut = v.page.frames().find((f) => f.name() === 'top');
        await Promise.all([v.page.waitForNavigation(), haut.evaluate(() => {
          document.querySelector('a[href="boncommande.htm"]').click();
        })]);
        const a1 = ['A1 Article', '1', '2,00 EUR'];
        assert.deepEqual(await lignes(v.page.mainFrame()), [a1]);
        await v.page.reload();
        await Promise.all([v.page.waitForNavigation(), v.page.goBack()]);
        await settle(v.page);
        await aller(principal(v), site.url(commande('A2', '3')));
        // A form drawn from its own session is drawn anew from the frameset's copy.
        await attendre(v, true, [a1, ['A2 Article', '1', '3,00 EUR']]);
        assert.deepEqual(await v.problems(), []);
      } finally {
        await v.close();
      }
    });
  }

  // From disc, an outside page shown in the frameset's top frame sends a cart at 0,01 and asks
  // for the cart, old and new ways. The frameset answers each of its messages with "fin" after
  // the keeper's answer, on the same way, so that the page knows it has been given all.
  it('hands the cart from disc to no page of another origin in its frames', async () => {
    const espion = fs.mkdtempSync(path.join(os.tmpdir(), 'tarvio-browser-espion-'));
    fs.writeFileSync(path.join(espion, 'espion.htm'), `<html><head>${CHARSET}</head><body><script>
      var recus = [], fins = 0, ordre = JSON.parse(decodeURIComponent(location.hash.substring(1)));
      function noter(e) { if (e.data === 'fin') fins++; else recus.push(String(e.data)); }
      addEventListener('message', noter);
      var canal = new MessageChannel();
      canal.port1.onmessage = noter;
      parent.postMessage(ordre.copie, '*');
      parent.postMessage('tarvio_panier?', '*');
      parent.postMessage('tarvio_panier?' + ordre.boutique, '*', [canal.port2]);
      parent.postMessage('fin', '*');
    </script></body></html>`);
    const disque = openDisc(cadres);
    const dehors = await openSite(espion);
    const v = await visit(ensemble(disque, dehors), 'index.htm');
    try {
      await aller(principal(v), disque.url(commande('A1', '7')));
      const copie = JSON.parse(await principal(v).evaluate(() => JSON.stringify(garde)));
      const fausse = { ...copie, ma_pu: copie.ma_pu.map(() => '0.01'), mon_transport: '0',
        garde_n: copie.garde_n + 100 };
      await v.page.evaluate(() => addEventListener('message', (e) => {
        if (e.data === 'fin') e.source.postMessage('fin', '*');
        for (const port of e.ports) port.postMessage('fin');
      }));
      const ordre = JSON.stringify({ copie: `tarvio_panier=${JSON.stringify(fausse)}`,
        boutique: copie.boutique });
      await v.page.evaluate((a) => { document.getElementsByName('top')[0].contentWindow.location.href = a; },
        dehors.url(`espion.htm#${encodeURIComponent(ordre)}`));
      const cadreEspion = await v.page.waitForFrame((f) => f.url().startsWith(dehors.origin));
      await cadreEspion.waitForFunction(() => typeof fins !== 'undefined' && fins === 2);
      assert.deepEqual(await cadreEspion.evaluate(() => recus), []);
      await aller(principal(v), disque.url('boncommande.htm'));
      assert.deepEqual(await lignes(principal(v)), [['A1 Article', '1', '7,00 EUR']]);
    } finally {
      await v.close();
      await dehors.close();
      fs.rmSync(espion, { recursive: true, force: true });
    }
  });

  // Two lines, one set to 0, then Back to the address that ordered it.
  for (const [moyen, layout] of [['over http', 'cadres'], ['over http', 'page'],
    ['from disc', 'cadres'], ['from disc', 'page']]) {
    it(`does not take a removed line back from the history, ${moyen}, ${layout}`, async () => {
      const dossier = layout === 'cadres' ? cadres : page;
      const site = moyen === 'over http' ? await openSite(dossier) : openDisc(dossier);
      await visiting(site, 'index.htm', 'chromium', async (v) => {
        const cadre = cadreDe(layout === 'cadres');
        await aller(cadre(v), site.url(commande('A1', '2')));
        await aller(cadre(v), site.url(commande('A2', '3')));
        await calculer(cadre(v), { qte1: '0' });
        await Promise.all([cadre(v).waitForNavigation(), cadre(v).evaluate(() => history.back())]);
        await settle(v.page);
        // The form may be drawn again (restored from the cache, or from the newest copy).
        await attendre(v, layout === 'cadres', [['A1 Article', '1', '2,00 EUR']]);
        assert.deepEqual(await v.problems(), []);
      });
    });
  }

  // A card's supplement that takes off, shown as such and charged so; a model below nothing
  // costs nothing; a quantity of 0 takes the line out.
  for (const layout of ['cadres', 'page']) {
    it(`charges a supplement that takes off at its sign, ${layout}`, async () => {
      const site = await openSite(path.join(buildShop(layout === 'cadres' ? 'remises' : 'remises_page'), 'ftp'));
      await visiting(site, 'index.htm', 'chromium', async (v) => {
        const cadre = cadreDe(layout === 'cadres');
        await aller(cadre(v), site.url('vaisselle-bols-0.htm'));
        const options = await cadre(v).evaluate(() =>
          [...document.forms.fbol01bol01.elements.refsupp3.options].map((o) => o.textContent));
        assert.deepEqual(options.slice(-2), ['Coffret cadeau + 6 EUR', 'Sans coffret - 2 EUR']);
        await Promise.all([cadre(v).waitForNavigation(), cadre(v).evaluate(() => {
          const form = document.forms.fbol01bol01;
          form.elements.refsupp3.value = 'Sans coffret=-2';
          [...document.querySelectorAll('input[type=image]')].find((i) => i.form === form).click();
        })]);
        await aller(cadre(v), site.url('boncommande.htm?ref=TAS01&refdiff=Mod%E8le+sold%E9%3D-5&description=Tasse&pu=9'));
        assert.deepEqual(await lignes(cadre(v)), [
          ['BOL01 Sans coffret Bol en grès émaillé bleu', '1', '16,50 EUR'],
          ['TAS01 Modèle soldé Tasse', '1', '0,00 EUR']]);
        await calculer(cadre(v), { qte1: '0' });
        assert.deepEqual(await lignes(cadre(v)), [['BOL01 Sans coffret Bol en grès émaillé bleu', '1', '16,50 EUR']]);
        assert.deepEqual(await v.problems(), []);
      });
    });
  }
});
