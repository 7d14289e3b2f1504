'use strict';
// The demo shop with a promotion shown: the card's promotion picture is in the site and shows at
// its own size, and every size attribute of the page's pictures is a number.

const assert = require('node:assert/strict');
const path = require('node:path');
const { describe, it, before, after } = require('node:test');

const { openSite, visit } = require('./lib/harness.js');
const { buildShop } = require('./lib/shop.js');

describe('demo shop with a promotion shown', () => {
  let site;
  before(async () => {
    site = await openSite(path.join(buildShop('demo_promo'), 'ftp'), []);
  });
  after(() => site.close());

  it('the card shows the promotion picture beside the new price', async () => {
    const v = await visit(site, 'vaisselle-bols-0.htm');
    try {
      const frame = v.page.mainFrame();
      const width = await frame.$eval('img[src="promo.gif"]', (img) => img.naturalWidth);
      assert.ok(width > 0, 'promo.gif shows');
      // "WIDTH= HEIGHT=" reads as a width of "HEIGHT=": every size present is a whole number.
      const badSizes = await frame.$$eval('img', (imgs) => imgs
        .filter((img) => ['width', 'height']
          .some((a) => img.hasAttribute(a) && !/^\d+$/.test(img.getAttribute(a))))
        .map((img) => img.outerHTML));
      assert.deepEqual(badSizes, []);
      assert.deepEqual(await v.problems(), []);
    } finally {
      await v.close();
    }
  });
});
