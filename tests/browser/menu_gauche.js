'use strict';
// The left menu in the frameset's menu frame: the demo shop's text links, and a shop whose menu
// has a rounded logo box, the home entry, drop-down lists per family and the selection form.

const assert = require('node:assert/strict');
const path = require('node:path');
const { describe, it, before, after } = require('node:test');

const knownMissing = require('./known_missing.js');
const { frameNamed, openSite, visit } = require('./lib/harness.js');
const { buildShop } = require('./lib/shop.js');

const forgiven = knownMissing.filter((entry) => !entry.layout || entry.layout === 'cadres');

// Waits until the content frame shows the page.
async function waitForPrincipal(v, page) {
  await v.page.waitForFunction(
    (file) => {
      const f = window.frames.principal;
      return f && f.location.pathname.endsWith(`/${file}`) && f.document.readyState === 'complete';
    },
    { timeout: 20000 }, page);
}

describe('left menu in the frameset', () => {
  let demo;
  let complet;
  before(async () => {
    demo = await openSite(path.join(buildShop('demo_cadres'), 'ftp'), forgiven);
    complet = await openSite(path.join(buildShop('menu_gauche'), 'ftp'), forgiven);
  });
  after(async () => {
    await demo.close();
    await complet.close();
  });

  it('text links open their category in the content frame', async () => {
    const v = await visit(demo, 'index.htm');
    try {
      const menu = await frameNamed(v.page, 'menu');
      assert.match(menu.url(), /\/menu2\.htm$/);
      const links = await menu.$$eval('a#X_style', (as) => as.map((a) => a.getAttribute('href')));
      assert.deepEqual(links, ['vaisselle-bols-0.htm', 'infusions-plantes-0.htm',
        'livres-cuisine-0.htm']);
      await menu.click('a[href="livres-cuisine-0.htm"]');
      await waitForPrincipal(v, 'livres-cuisine-0.htm');
      assert.deepEqual(await v.problems(), []);
    } finally {
      await v.close();
    }
  });

  it('logo box, home entry, drop-down lists and selection form', async () => {
    const v = await visit(complet, 'index.htm');
    try {
      const menu = await frameNamed(v.page, 'menu');
      const corners = await menu.$$eval('img[src^="logo_"], img[src^="menu_"]',
        (imgs) => imgs.map((img) => [img.getAttribute('src'), img.naturalWidth]));
      assert.deepEqual(corners.map(([src]) => src).sort(), ['logo_bd.gif', 'logo_bg.gif',
        'logo_hd.gif', 'logo_hg.gif', 'menu_bd.gif', 'menu_bg.gif', 'menu_hd.gif', 'menu_hg.gif']);
      assert.ok(corners.every(([, width]) => width === 6), 'every corner image shows');
      const text = await menu.$eval('body', (body) => body.innerText);
      assert.ok(text.includes('Chez Léa'), 'the logo text shows');
      assert.equal(await menu.$eval('a[href="accueil2.htm"]', (a) => a.target), 'principal');

      // A family's list opens the chosen category in the content frame and goes back to its
      // first option.
      const options = await menu.$$eval('form[name="liste0"] option', (os) => os.map((o) => o.value));
      assert.deepEqual(options, ['x', 'vaisselle-bols-0.htm', 'infusions-plantes-0.htm', 'x']);
      await menu.select('form[name="liste0"] select', 'infusions-plantes-0.htm');
      await waitForPrincipal(v, 'infusions-plantes-0.htm');
      assert.equal(await menu.$eval('form[name="liste0"] select', (s) => s.selectedIndex), 0);

      // The selection form offers the themes page first, then the letter indexes.
      const selection = await menu.$$eval('select.rech option', (os) => os.map((o) => o.value));
      assert.deepEqual(selection, ['x', 'themes_Articles.html', 'ArticlesA.html', 'AuteursA.html']);
      assert.deepEqual(await v.problems(), []);
    } finally {
      await v.close();
    }
  });
});
