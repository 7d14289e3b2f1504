'use strict';
// The offline order form counting in cents, in both layouts, over http and from disc.

const assert = require('node:assert/strict');
const path = require('node:path');
const { describe, it, before } = require('node:test');

const { visiting } = require('./lib/harness.js');
const { lignes, principal, aller, changerPanier, MANIERES, cadreDe, ouvrir, deuxBoutiques } = require('./lib/formulaire.js');
const { buildShop } = require('./lib/shop.js');

// Baskets counted in cents: a tariff written with decimal commas and a tier at 0, a supplement
// above 100 and not at it whatever the order of the lines, VAT at 10 % and the second currency
// each rounded once as the card rounds, and no packaging line in a shop without packaging
// settings. Each basket's rows after its products' lines.
describe('counting in cents', () => {
  const dossiers = deuxBoutiques('centimes');
  const seuil = [['Total H.T.', '100,00 EUR', '655,96'], ['TVA 10%', '10,00 EUR', '65,60'],
    ['Total TTC', '110,00 EUR', '721,55'], ['Colissimo 300g', '4,50 EUR', '29,52'],
    ['Total à payer', '114,50 EUR', '751,07']];
  const PANIERS = [
    ['a tier priced with a decimal comma', [['P4', 'Colis (w:400)', '10', 1]],
      [['Total H.T.', '10,00 EUR', '65,60'], ['TVA 10%', '1,00 EUR', '6,56'], ['Total TTC', '11,00 EUR', '72,16'],
        ['Colissimo 400g', '4,50 EUR', '29,52'], ['Total à payer', '15,50 EUR', '101,67']]],
    ['a tier priced 0', [['L1', 'Lettre (w:120)', '3', 1]],
      [['Total H.T.', '3,00 EUR', '19,68'], ['TVA 10%', '0,30 EUR', '1,97'], ['Total TTC', '3,30 EUR', '21,65']]],
    ['lines adding up to the threshold', [['T1', 'Article (w:100)', '47.28', 1],
      ['T2', 'Article (w:100)', '42.52', 1], ['T3', 'Article (w:100)', '10.20', 1]], seuil],
    ['the same lines in another order', [['S3', 'Article (w:100)', '10.20', 1],
      ['S2', 'Article (w:100)', '42.52', 1], ['S1', 'Article (w:100)', '47.28', 1]], seuil],
    ['unweighed lines adding up to 0,65', [['INF07', 'Sachet', '0.29', 2], ['INF08', 'Sachet', '0.07', 1]],
      [['Total H.T.', '0,65 EUR', '4,26'], ['TVA 10%', '0,07 EUR', '0,46'], ['Total TTC', '0,72 EUR', '4,72']]],
    ['an amount whose second currency ends in a half cent or more', [['D7', 'Sachet', '7.50', 1]],
      [['Total H.T.', '7,50 EUR', '49,20'], ['TVA 10%', '0,75 EUR', '4,92'], ['Total TTC', '8,25 EUR', '54,12']]],
  ];
  // In the form: the earlier lines taken out, these ordered with their quantities.
  const remplir = (commandes) => `(${(l) => {
    for (let i = 0; i < panier.fin; i++) panier.ma_commande[i] = '';
    for (const [r, d, p, q] of l) {
      ref = r; description = d; pu = p; ajouter_ligne();
      panier.ma_quantite[panier.ma_ref.indexOf(r)] = String(q);
    }
    garder_panier();
  }})(${JSON.stringify(commandes)})`;
  const montre = (commandes) => `document.body.innerText.includes(${JSON.stringify(`${commandes.at(-1)[0]} `)})`;
  // Each basket's rows from its first product line (premiere) in the form of cadre(v).
  const verifier = async (v, cadre, boutique, paniers, premiere) => {
    await aller(cadre(v), boutique.url('boncommande.htm'));
    for (const [cas, commandes, attendu] of paniers) {
      await changerPanier(v, cadre, boutique, remplir(commandes), montre(commandes));
      assert.deepEqual((await lignes(cadre(v))).slice(premiere(commandes)), attendu, cas);
    }
    assert.deepEqual(await v.problems(), []);
  };
  for (const [layout, enCadres, moyen] of MANIERES) {
    it(`charges each basket the same, ${layout}, ${moyen}`, async () => {
      const boutique = await ouvrir(enCadres ? dossiers.cadres : dossiers.page, moyen);
      await visiting(boutique, 'index.htm', 'chromium', async (v) => {
        await verifier(v, cadreDe(enCadres), boutique, PANIERS, (commandes) => 1 + commandes.length);
      });
    });
  }

  // Settings amounts with no exact binary form, each bound and its neighbour (shops/
  // centimes_reglages.txt): supplements of 4,35 above 100 and 1,15 from 300, tiers at 0 (under
  // the shop's own shipping of 6,50), 1,15 and 8,05, VAT at 10 % on shipping, packaging of 0,35
  // for 2 items with no label, a flat rate of 5, and the second currency at 0,8, where exact
  // halves of a cent round up. Each basket's rows from its product lines.
  let reglages;
  before(() => { reglages = path.join(buildShop('centimes_reglages'), 'ftp'); });
  const port = (libelle, montant, usd, tva, tvaUsd, total, totalUsd) => [[libelle, `${montant} EUR`, usd],
    ['TVA transport 10%', `${tva} EUR`, tvaUsd], ['Total à payer', `${total} EUR`, totalUsd]];
  // One parcel of poids at prix (typed as saisi on the card, usd in the second currency), the
  // goods' total, then the shipping's rows (port's values, none where nothing is charged).
  const colis = (cas, r, poids, saisi, prix, usd, ...frais) => [cas, [[r, `Colis (w:${poids})`, saisi, 1]],
    [[`${r} Colis (w:${poids})`, '1', `${prix} EUR`, `${prix} EUR`, usd], ['Total', `${prix} EUR`, usd],
      ...(frais.length ? port(...frais) : [])]];
  const REGLAGES = [
    colis('a tier priced 0 under the shop\'s own shipping', 'R1', 250, '10', '10,00', '12,50'),
    colis('a tier of 1,15 and its VAT', 'R2', 251, '10', '10,00', '12,50',
      'Colissimo 251g', '1,15', '1,44', '0,12', '0,15', '11,27', '14,09'),
    colis('a mark of four decimals a hair past a tier', 'R10', '250,0005', '10', '10,00', '12,50',
      'Colissimo 250.001g', '1,15', '1,44', '0,12', '0,15', '11,27', '14,09'),
    colis('goods at the first threshold', 'R3', 1000, '100', '100,00', '125,00',
      'Colissimo 1000g', '1,15', '1,44', '0,12', '0,15', '101,27', '126,59'),
    colis('a cent above it', 'R4', 1000, '100.01', '100,01', '125,01',
      'Colissimo 1000g Suiv.', '5,50', '6,88', '0,55', '0,69', '106,06', '132,58'),
    colis('a cent under the third threshold, a gram above a tier', 'R5', 1001, '299.99', '299,99', '374,99',
      'Colissimo 1001g Suiv.', '12,40', '15,50', '1,24', '1,55', '313,63', '392,04'),
    colis('goods at the third threshold', 'R6', 400, '300', '300,00', '375,00',
      'Colissimo 400g Suiv.', '2,30', '2,88', '0,23', '0,29', '302,53', '378,16'),
    colis('a flat rate above its tier at 0', 'R7', '5f', '10', '10,00', '12,50',
      'Transport', '5,00', '6,25', '0,50', '0,63', '15,50', '19,38'),
    ['unweighed goods packed with no label', [['R8', 'Sachet', '0.18', 1], ['R9', 'Sachet', '0.18', 2]],
      [['R8 Sachet', '1', '0,18 EUR', '0,18 EUR', '0,23'], ['R9 Sachet', '2', '0,18 EUR', '0,36 EUR', '0,45'],
        ['2', '0,35 EUR', '0,70 EUR', '0,88'],
        ['Total', '1,24 EUR', '1,55'],
        ...port('Participation frais d\'envoi', '6,50', '8,13', '0,65', '0,81', '8,39', '10,49')]],
  ];
  for (const moyen of ['over http', 'from disc']) {
    it(`charges the settings' amounts to the cent, frameset, ${moyen}`, async () => {
      const boutique = await ouvrir(reglages, moyen);
      await visiting(boutique, 'index.htm', 'chromium', async (v) => {
        await verifier(v, principal, boutique, REGLAGES, () => 1);
      });
    });
  }
});
