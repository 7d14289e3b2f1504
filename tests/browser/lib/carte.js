'use strict';
// What a shopper does on a card of a list page.

// Orders from the card form named nom of the page shown in cadre (a frame or a page), after
// setting its lists; resolves once the order form is opened.
async function commanderCarte(cadre, nom, choix) {
  await Promise.all([cadre.waitForNavigation(), cadre.evaluate((n, c) => {
    const form = document.forms[n];
    for (const [liste, valeur] of Object.entries(c)) form.elements[liste].value = valeur;
    [...document.querySelectorAll('input[type=image]')].find((i) => i.form === form).click();
  }, nom, choix)]);
}

module.exports = { commanderCarte };
