'use strict';
// What the order form's browser tests share: the cart's rows as the shopper reads them, the
// form's addresses and steps, the ways of opening a catalogue and the shops built in both layouts.

const { before } = require('node:test');
const path = require('node:path');

const { openDisc, openSite } = require('./harness.js');
const { buildShop } = require('./shop.js');

// The cart table's rows with at least two cells, as the shopper reads them.
function lignes(frame) {
  return frame.$$eval('table[cellspacing="0"] tr', (rows) => rows
    .map((r) => [...r.cells].map((c) => (c.querySelector('input') ? c.querySelector('input').value
      : c.innerText).replace(/\s+/g, ' ').trim()).filter((t) => t !== ''))
    .filter((cells) => cells.length >= 2));
}

// The form opened for one product, as a card's order button opens it.
function commande(ref, description, pu) {
  return `boncommande.htm?ref=${ref}&description=${description}&pu=${pu}`;
}

const principal = (v) => v.page.frames().find((f) => f.name() === 'principal');

// The quantities typed in the form shown in cadre, then "Calculer".
async function calculer(cadre, quantites) {
  await cadre.evaluate((q) => { for (const [n, val] of Object.entries(q)) document.form[n].value = val; }, quantites);
  await Promise.all([cadre.waitForNavigation(), cadre.click('input[value=Calculer]')]);
}

// The form's address opened in cadre, as a card's order button opens it.
async function aller(cadre, adresse) {
  await Promise.all([cadre.waitForNavigation(), cadre.evaluate((a) => { location.href = a; }, adresse)]);
}

// Changes the cart as a kept copy may hold it (changer runs in the form shown in cadre), then
// draws the form anew, until it shows the change (vu, run in the form). From disc the frameset
// may answer the form's load after the change and draw the form again from its older copy.
// That answer may also draw the form again while a step runs in it: the step is tried again.
async function changerPanier(v, cadre, boutique, changer, vu) {
  const limite = Date.now() + 20000;
  const essayer = async (pas) => {
    for (;;) {
      try {
        return await pas();
      } catch (erreur) {
        if (Date.now() > limite || !/context was destroyed|detached/i.test(erreur.message)) throw erreur;
        await new Promise((r) => setTimeout(r, 200));
      }
    }
  };
  do {
    await essayer(() => cadre(v).evaluate(changer));
    await essayer(() => aller(cadre(v), boutique.url('boncommande.htm')));
  } while (!(await essayer(async () => {
    // The frameset's answer to the form's load comes a moment later.
    await new Promise((r) => setTimeout(r, 300));
    return cadre(v).evaluate(vu);
  })) && Date.now() < limite);
}

// Each way of opening the catalogue: its frameset or its single page, served or from disc.
const MANIERES = [['frameset', true, 'over http'], ['frameset', true, 'from disc'],
  ['single-page layout', false, 'over http'], ['single-page layout', false, 'from disc']];
const cadreDe = (enCadres) => (enCadres ? principal : (v) => v.page.mainFrame());
const ouvrir = (dossier, moyen) => (moyen === 'over http' ? openSite(dossier) : openDisc(dossier));

// The built folders of a shop in both layouts (shops/<nom>.txt and <nom>_page.txt), in a suite.
function deuxBoutiques(nom) {
  const dossiers = {};
  before(() => {
    dossiers.cadres = path.join(buildShop(nom), 'ftp');
    dossiers.page = path.join(buildShop(`${nom}_page`), 'ftp');
  });
  return dossiers;
}

// The first cells of the cart's lines, the headings row left out.
async function references(cadre, nombre) {
  return (await lignes(cadre)).slice(1, nombre + 1).map((r) => r[0]);
}

module.exports = { lignes, commande, principal, calculer, aller, changerPanier, MANIERES, cadreDe, ouvrir,
  deuxBoutiques, references };
