'use strict';
// The top frame in both layouts: its links and images resolve, the tooltip and the drop-down
// list handler run without a script error.

const assert = require('node:assert/strict');
const path = require('node:path');
const { describe, it, before, after } = require('node:test');

const knownMissing = require('./known_missing.js');
const { openSite, visit } = require('./lib/harness.js');
const { buildShop } = require('./lib/shop.js');

const SHOPS = [
  { shop: 'demo_cadres', layout: 'cadres', page: 'index.htm', target: 'principal',
    links: ['accueil2.htm', 'cv.htm#delai', 'secur.php', 'commande.php', 'mailto:'] },
  { shop: 'top_page', layout: 'page', page: 'vaisselle-bols-0.htm', target: '_top',
    links: ['index.htm', 'cvf.htm#delai', 'securf.htm', 'commande.php', 'cvf.htm', 'mailto:',
      'emploif.htm'] },
];

for (const s of SHOPS) {
  describe(`top frame, ${s.shop}`, () => {
    let site;
    before(async () => {
      const forgiven = knownMissing.filter((e) => !e.layout || e.layout === s.layout);
      site = await openSite(path.join(buildShop(s.shop), 'ftp'), forgiven);
    });
    after(() => site.close());

    it('links, images, tooltip and search list', async () => {
      const v = await visit(site, s.page);
      try {
        const top = v.page.frames().find((f) => f.url().endsWith('/top2.htm'));
        const links = await top.$$eval('a', (as) => as.map((a) => [a.getAttribute('href'), a.target]));
        assert.deepEqual(links.map(([href], i) => href.includes(s.links[i])), s.links.map(() => true));
        assert.ok(links.every(([href, target]) => target === s.target || href.includes('commande')));
        const images = await top.$$eval('img', (imgs) => imgs.map((i) => [i.src, i.naturalWidth]));
        assert.deepEqual(images.filter(([, w]) => w === 0), [], 'every image shows');

        await top.hover('a[href*="delai"]');
        await top.evaluate(() => pop('sous 3 jours', 'lightyellow'));
        const bulle = await top.$eval('#topdeck', (d) => [d.innerText, getComputedStyle(d).visibility]);
        assert.deepEqual(bulle, ['sous 3 jours', 'visible']);

        const opened = v.page.waitForFrame((f) => f.url().endsWith('/themes_Articles.html'));
        await top.select('select[onchange*="selection"]', 'themes_Articles.html');
        await opened;
        assert.deepEqual(await v.problems(), []);
      } finally {
        await v.close();
      }
    });
  });
}
