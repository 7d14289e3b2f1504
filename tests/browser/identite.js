'use strict';
// The shop's name typed with a script and an entity: no page runs the script, the top frame and
// the home page's title show the name as typed, its entity as a letter.

const assert = require('node:assert/strict');
const path = require('node:path');
const { describe, it, before, after } = require('node:test');

const knownMissing = require('./known_missing.js');
const { openSite, visit, settle } = require('./lib/harness.js');
const { buildShop } = require('./lib/shop.js');

const NOM = 'Café Nord</TITLE><script>top.pris=(top.pris||[]).concat(location.pathname)</script>';

// Each visit: the page opened, then the page its main frame goes to, if any.
const SHOPS = [
  { shop: 'identite_cadres', layout: 'cadres', visits: [['index.htm'], ['index.htm', 'emploi.htm']] },
  { shop: 'identite_page', layout: 'page', visits: [['index.htm'], ['accueil2.htm'], ['emploif.htm']] },
];

const frameOf = (page, name) => page.frames().find((f) => f.url().endsWith(`/${name}`));

for (const s of SHOPS) {
  describe(`shop name with markup, ${s.shop}`, () => {
    let site;
    before(async () => {
      const forgiven = knownMissing.filter((e) => !e.layout || e.layout === s.layout);
      site = await openSite(path.join(buildShop(s.shop), 'ftp'), forgiven);
    });
    after(() => site.close());

    for (const [page, suivante] of s.visits) {
      it(`${page}${suivante ? ` then ${suivante}` : ''} runs no script of the name`, async () => {
        const v = await visit(site, page);
        try {
          if (suivante) {
            await frameOf(v.page, 'accueil2.htm').goto(site.url(suivante));
            await settle(v.page);
          }
          const ran = [];
          for (const f of v.page.frames()) ran.push(...((await f.evaluate(() => window.pris)) || []));
          assert.deepEqual(ran, []);
          const top = frameOf(v.page, 'top2.htm');
          assert.ok((await top.evaluate(() => document.body.innerText)).includes(NOM));
          const accueil = frameOf(v.page, 'accueil2.htm');
          if (accueil)
            assert.equal(await accueil.evaluate(() => document.title), `${NOM} page d'accueil`);
          assert.deepEqual(await v.problems(), []);
        } finally {
          await v.close();
        }
      });
    }
  });
}
