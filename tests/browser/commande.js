'use strict';
// A demo card's order form posted to a recording cart script: exactly its fields, in Windows-1252.

const assert = require('node:assert/strict');
const http = require('node:http');
const path = require('node:path');
const { describe, it, before, after } = require('node:test');

const { openSite, visit, browser } = require('./lib/harness.js');
const { buildShop } = require('./lib/shop.js');

// The first request the cart script gets: method, content type and body.
async function recordingCart() {
  let server;
  const order = new Promise((resolve) => {
    server = http.createServer(async (request, response) => {
      const chunks = [];
      for await (const chunk of request) chunks.push(chunk);
      response.end('ok');
      resolve([request.method, request.headers['content-type'],
        Buffer.concat(chunks).toString('latin1')]);
    });
  });
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  const deadline = new Promise((_, no) => setTimeout(() => no(Error('no order')), 20000).unref());
  return { server, url: `http://127.0.0.1:${server.address().port}/panier.php`,
    order: Promise.race([order, deadline]) };
}

// Posts the form of a card of a page to a recording cart script, after prepare(form) ran in the
// page; gives the cart's [method, content type, body].
async function postOrder(site, pageName, formName, prepare = '') {
  const cart = await recordingCart();
  const page = await (await browser()).newPage();
  try {
    await page.goto(site.url(pageName), { waitUntil: 'load' });
    // The form opens inside the table: its controls belong to it all the same.
    const button = await page.evaluateHandle((name, action, code) => {
      const form = document.forms[name];
      form.action = action;
      new Function('form', code)(form);
      return [...document.querySelectorAll('input[type=image]')].find((i) => i.form === form);
    }, formName, cart.url, prepare);
    await button.click();
    return await cart.order;
  } finally {
    await page.close();
    cart.server.close();
    cart.server.closeAllConnections();  // the browser keeps its connection open
  }
}

describe('order form of a card', () => {
  let site;
  before(async () => {
    site = await openSite(path.join(buildShop('demo_page'), 'ftp'));
  });
  after(async () => {
    await site.close();
  });

  it('posts exactly the card fields to the cart script', async () => {
    const [method, type, body] = await postOrder(site, 'vaisselle-bols-0.htm', 'fbol01bol01',
      "form.elements.refsupp3.value = 'Gravure du pr\u00e9nom=4';");
    assert.deepEqual([method, type], ['POST', 'application/x-www-form-urlencoded']);
    assert.match(body, new RegExp('^session_client=&login=demo&ext=&session=oui' +
      '&ref=BOL01&description=Bol\\+en\\+gr%E8s\\+%E9maill%E9\\+bleu&pu=18\\.50' +
      '&refsupp3=Gravure\\+du\\+pr%E9nom%3D4&x=\\d+&y=\\d+$'));
  });

  it('makes one table of a table-layout page, whose row form posts', async () => {
    const v = await visit(site, 'infusions-fruits-0.htm');
    try {
      const tables = await v.pages[0].evaluate(() => [...document.querySelectorAll('table')]
        .filter((t) => [...t.rows].some((r) =>
          r.textContent.replace(/\s+/g, '') === 'DescriptionPrixCommande')).length);
      assert.equal(tables, 1);
      assert.deepEqual(await v.problems(), []);
    } finally {
      await v.close();
    }
    const [method, , body] = await postOrder(site, 'infusions-fruits-0.htm', 'finf02inf02');
    assert.equal(method, 'POST');
    assert.match(body, /&ref=INF02&description=Tisane\+pomme-cannelle%2C\+80\+g&pu=7\.50&/);
  });
});
