'use strict';
// A new shop started in an empty data folder: the program brings the support files it ships, so
// that the site built at once names no missing file.

const assert = require('node:assert/strict');
const path = require('node:path');
const { describe, it } = require('node:test');

const { brokenLinksOfSite } = require('./lib/links.js');
const { buildShop } = require('./lib/shop.js');

describe('a new shop in an empty data folder', () => {
  it('builds a site with no broken local link', () => {
    const data = buildShop('boutique_neuve');
    const broken = brokenLinksOfSite(path.join(data, 'ftp')).map((b) => `${b.page}: ${b.link}`);
    assert.deepEqual(broken, []);
  });
});
