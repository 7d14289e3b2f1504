'use strict';
// The reference pages of a shop with ref.ini: ref.html on a plain web server, and a product page
// run by PHP, which shows that one product's card from its list page.

const assert = require('node:assert/strict');
const path = require('node:path');
const { describe, it, before, after } = require('node:test');

const knownMissing = require('./known_missing.js');
const { openSite, visit } = require('./lib/harness.js');
const { servePhp } = require('./lib/server.js');
const { buildShop } = require('./lib/shop.js');

const forgiven = knownMissing.filter((entry) => !entry.layout || entry.layout === 'page');

describe('reference pages', () => {
  let site;
  let php;
  before(async () => {
    const ftp = path.join(buildShop('references'), 'ftp');
    site = await openSite(ftp, forgiven);
    php = await openSite(ftp, forgiven, servePhp);
  });
  after(async () => {
    await site.close();
    await php.close();
  });

  it('ref.html links every product page', async () => {
    const v = await visit(site, 'ref.html');
    try {
      const links = await v.page.$$eval('td a', (as) => as.map((a) => a.getAttribute('href')));
      assert.deepEqual(links, ['_BOL01.php', '_BOL02.php', '_INF01.php', '_INF02.php',
        '_LIV01.php', '_TAS01.php']);
      assert.equal(await v.page.$$eval('tr', (rows) => rows.length), 2);
      assert.deepEqual(await v.problems(), []);
    } finally {
      await v.close();
    }
  });

  it('a product page shows its own card only, in Windows-1252', async () => {
    const v = await visit(php, '_BOL02.php');
    try {
      assert.match(await v.page.title(), /^Bol à thé raku\s+Vaisselle Bols$/);
      assert.equal(await v.page.evaluate(() => document.characterSet), 'windows-1252');
      const text = await v.page.$eval('body', (body) => body.innerText);
      assert.ok(text.includes('Bol à thé raku'));
      assert.ok(!text.includes('Bol en grès émaillé bleu'), 'the other card of the page is left out');
      assert.deepEqual(await v.problems(), []);
    } finally {
      await v.close();
    }
  });
});
