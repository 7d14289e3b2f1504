'use strict';
// The drop-down left menu of the single-page layout: the page draws it with menu_dyn.js, the same
// markup as the menu page's HTML form; pointing at a category opens exactly its pop-up.

const assert = require('node:assert/strict');
const fs = require('node:fs');
const path = require('node:path');
const { describe, it } = require('node:test');

const knownMissing = require('./known_missing.js');
const { openSite, visit } = require('./lib/harness.js');
const { buildShop } = require('./lib/shop.js');

// The menu's elements in document order (tag, attributes, own text), its links and the pop-ups shown.
const menu = () => [...document.querySelectorAll('.styleTITRE0, .styleTITRE, .styleDL')]
  .flatMap((r) => [r, ...r.querySelectorAll('*')]).map((e) => [e.tagName,
    [...e.attributes].map((a) => `${a.name}=${a.value}`).sort().join(' '),
    [...e.childNodes].filter((n) => n.nodeType === 3).map((n) => n.textContent.trim()).join('')]);
const links = () => [...document.querySelectorAll('.styleDL a')].map((a) => a.getAttribute('href'));
const shown = () => [...document.querySelectorAll('.styleDD')]
  .filter((d) => getComputedStyle(d).display !== 'none').map((d) => d.id);

describe('drop-down left menu', () => {
  it('draws the menu page markup and opens the pop-up pointed at', async () => {
    const ftp = path.join(buildShop('menu_dynamique'), 'ftp');
    const site = await openSite(ftp, knownMissing.filter((e) => !e.layout || e.layout === 'page'));
    const m = await visit(site, 'menu2.htm');
    const html = await m.page.evaluate(menu);
    assert.deepEqual(await m.problems(), []);
    await m.close();
    const v = await visit(site, 'index.htm');
    try {
      assert.deepEqual(await v.page.evaluate(menu), html);
      assert.deepEqual((await v.page.evaluate(links)).filter((l) => !fs.existsSync(path.join(ftp, l))), []);
      assert.deepEqual(await v.page.evaluate(shown), []);
      await v.page.hover('a[href="infusions-plantes-0.htm"]#X_styleDT');
      assert.deepEqual(await v.page.evaluate(shown), ['smenu2']);
      await v.page.hover('a[href="livres-cuisine-0.htm"]#X_styleDT');
      assert.deepEqual(await v.page.evaluate(shown), []);
      assert.deepEqual(await v.problems(), []);
    } finally {
      await v.close();
      await site.close();
    }
  });
});
