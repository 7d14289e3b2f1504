'use strict';
// What the cart's browser tests share: the form's lines as the shopper reads them, the order
// addresses, the frame the form shows in, and the steps that move the form.

const assert = require('node:assert/strict');

const { frameNamed } = require('./harness.js');

// The cart's lines of the document d as the shopper reads them, packaging left out:
// [product, quantity, unit price]; with tout, every line and totals row whole, the boxes' values
// included. Run in the page.
function lireLignes(d, tout = false) {
  return [...d.querySelectorAll('table[cellspacing="0"] tr')]
    .map((r) => [...r.cells].map((c) => (c.querySelector('input') ? c.querySelector('input').value
      : c.innerText).replace(/\s+/g, ' ').trim()).filter((t) => t !== ''))
    .filter((cells) => cells.length >= (tout ? 2 : 4) && cells[1] !== 'Q' && (tout || cells[0] !== 'Emballage'))
    .map((cells) => (tout ? cells : cells.slice(0, 3)));
}
const lignes = (cadre) => cadre.evaluate(`(${lireLignes})(document)`);
const tout = (cadre) => cadre.evaluate(`(${lireLignes})(document, true)`);

const commande = (ref, pu) => `boncommande.htm?ref=${ref}&description=Article&pu=${pu}`;
const principal = (v) => v.page.frames().find((f) => f.name() === 'principal');
const cadreDe = (cadres) => (cadres ? principal : (v) => v.page.mainFrame());

// Two sites seen as one by the checks: a visit may go from one to the other.
function ensemble(a, b) {
  return { ...a, isLocal: (u) => a.isLocal(u) || b.isLocal(u),
    relativeOf: (u) => a.relativeOf(u) ?? b.relativeOf(u),
    fileOf: (u) => a.fileOf(u) ?? b.fileOf(u), forgiven: () => false };
}

// The form shown in the frameset's main frame, or the whole page; found again at each call.
async function formeDe(v, cadres) {
  return cadres ? frameNamed(v.page, 'principal') : v.page.mainFrame();
}

// Waits, within the deadline, for the form of v (its frame) to show attendu, read by lire: after
// a navigation the form may be drawn again (restored from the cache, or from a newer copy).
async function attendre(v, cadres, attendu, lire = lignes) {
  let vu;
  for (const fin = Date.now() + 20000; Date.now() < fin;) {
    vu = await formeDe(v, cadres).then((f) => f && lire(f)).catch(() => null);
    if (JSON.stringify(vu) === JSON.stringify(attendu)) break;
    await new Promise((r) => { setTimeout(r, 150); });
  }
  assert.deepEqual(vu, attendu);
}

// Chromium, loaded, may give a tab's next page a local storage of its own, empty at first (its own
// save gone too), which no other tab reaches: no script can see the other tab there. A case
// failing so is told, and played once more on a fresh shopper.
async function uneFoisDePlus(nom, unEssai) {
  for (let essai = 1; ; essai += 1) {
    try {
      return await unEssai();
    } catch (e) {
      if (essai > 1 || !e.stockagePerdu) throw e;
      console.log(`# ${nom}: ${e.message}; played again`);
    }
  }
}

// The error e of a read, or, where the two tabs [v, cadres] of one origin see two local storages
// long after the last change, the error that has the case played once more.
async function siDeuxStockages(e, [a, cadresA], [b, cadresB]) {
  const stocke = async (u, cadres) => (await formeDe(u, cadres)).evaluate(() => JSON.stringify(Object.keys(localStorage)
    .filter((k) => k.startsWith('tarvio_panier ')).sort().map((k) => localStorage.getItem(k))));
  if (await stocke(a, cadresA) !== await stocke(b, cadresB)) {
    throw Object.assign(new Error('les deux onglets voient deux stockages locaux'), { stockagePerdu: true });
  }
  throw e;
}

async function aller(cadre, adresse) {
  await Promise.all([cadre.waitForNavigation(), cadre.evaluate((a) => { location.href = a; }, adresse)]);
}

// Clicked in the page: a tab behind another gets no mouse.
async function calculer(cadre, quantites) {
  await Promise.all([cadre.waitForNavigation(), cadre.evaluate((q) => {
    for (const [n, val] of Object.entries(q)) document.form[n].value = val;
    document.querySelector('input[value=Calculer]').click();
  }, quantites)]);
}

module.exports = { lireLignes, lignes, tout, commande, principal, cadreDe, ensemble, formeDe, attendre, aller,
  calculer, uneFoisDePlus, siDeuxStockages };
