'use strict';
// Every browser test runs in this one process with one chromium.

const { after } = require('node:test');

const { closeBrowser } = require('./lib/harness.js');
const { removeShops } = require('./lib/shop.js');

after(async () => {
  await closeBrowser();
  removeShops();
});

require('./harness_checks.js');
require('./demo_site.js');
require('./menu_gauche.js');
require('./commande.js');
require('./top.js');
require('./identite.js');
require('./menu_dynamique.js');
require('./bon_commande.js');
require('./carte_listes.js');
require('./panier_copies.js');
require('./promo.js');
require('./boutique_neuve.js');
require('./corpus.js');
require('./compare_versions.js');
