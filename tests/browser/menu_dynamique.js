'use strict';
// The drop-down left menu of the single-page layout: the page draws it with menu_dyn.js, the same
// markup as the menu page's HTML form; pointing at a category opens exactly its pop-up.

const assert = require('node:assert/strict');
const fs = require('node:fs');
const path = require('node:path');
const { describe, it, before, after } = require('node:test');

const knownMissing = require('./known_missing.js');
const { openSite, visit } = require('./lib/harness.js');
const { buildShop } = require('./lib/shop.js');

// The menu's elements in document order, each as its tag, attributes and own text.
function menuTree() {
  const roots = document.querySelectorAll('.styleTITRE0, .styleTITRE, .styleDL');
  const out = [];
  for (const root of roots) {
    for (const e of [root, ...root.querySelectorAll('*')]) {
      const attrs = [...e.attributes].map((a) => `${a.name}=${a.value}`).sort().join(' ');
      const text = [...e.childNodes].filter((n) => n.nodeType === 3)
        .map((n) => n.textContent.trim()).join('');
      out.push(`${e.tagName}|${attrs}|${text}`);
    }
  }
  return out;
}

const shown = () => [...document.querySelectorAll('.styleDD')]
  .filter((d) => getComputedStyle(d).display !== 'none').map((d) => d.id);

describe('drop-down left menu', () => {
  let site;
  let ftp;
  before(async () => {
    ftp = path.join(buildShop('menu_dynamique'), 'ftp');
    site = await openSite(ftp, knownMissing.filter((e) => !e.layout || e.layout === 'page'));
  });
  after(() => site.close());

  it('draws the menu page markup and opens the pop-up pointed at', async () => {
    const m = await visit(site, 'menu2.htm');
    let html;
    try {
      html = await m.page.evaluate(menuTree);
      assert.deepEqual(await m.problems(), []);
    } finally {
      await m.close();
    }
    const v = await visit(site, 'index.htm');
    try {
      const page = v.page;
      const drawn = await page.evaluate(menuTree);
      assert.ok(drawn.length > 20);
      assert.deepEqual(drawn, html);

      const titles = await page.$$eval('.styleTITRE0, .styleTITRE', (t) => t.map((e) => e.innerText.trim()));
      assert.deepEqual(titles, ['Produits', 'Livres']);
      assert.deepEqual(await page.evaluate(shown), []);
      await page.hover('a[href="infusions-plantes-0.htm"]#X_styleDT');
      assert.deepEqual(await page.evaluate(shown), ['smenu2']);
      const entries = await page.$$eval('#smenu2 a', (as) => as.map((a) => a.innerText));
      assert.deepEqual(entries, ['Plantes', 'Fruits']);
      await page.hover('#smenu2 a[href="infusions-fruits-0.htm"]');
      assert.deepEqual(await page.evaluate(shown), ['smenu2']);
      await page.hover('a[href="livres-cuisine-0.htm"]#X_styleDT');
      assert.deepEqual(await page.evaluate(shown), []);

      const links = await page.$$eval('.styleDL a', (as) => as.map((a) => a.getAttribute('href')));
      assert.deepEqual(links.filter((l) => !fs.existsSync(path.join(ftp, l))), []);
      const images = await page.$$eval('.styleDL img', (is) => is.map((i) => [i.src, i.naturalWidth]));
      assert.deepEqual(images.filter(([, w]) => w === 0), []);
      assert.deepEqual(await v.problems(), []);
    } finally {
      await v.close();
    }
  });
});
