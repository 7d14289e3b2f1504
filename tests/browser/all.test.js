'use strict';
// Every browser test in this one process, by hand (CTest runs each file as a test of its own).

require('./harness_checks.js');
require('./demo_site.js');
require('./menu_gauche.js');
require('./commande.js');
require('./top.js');
require('./identite.js');
require('./menu_dynamique.js');
require('./bon_commande.js');
require('./bon_commande_centimes.js');
require('./carte_listes.js');
require('./panier_copies.js');
require('./panier_onglets.js');
require('./promo.js');
require('./boutique_neuve.js');
require('./corpus.js');
require('./compare_versions.js');
