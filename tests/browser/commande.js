'use strict';
// A demo card's order form posted to a recording cart script: exactly its fields, in Windows-1252.

const assert = require('node:assert/strict');
const http = require('node:http');
const path = require('node:path');
const { describe, it, before, after } = require('node:test');

const { openSite, browser } = require('./lib/harness.js');
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

describe('order form of a card', () => {
  let site, cart;
  before(async () => {
    site = await openSite(path.join(buildShop('demo_page'), 'ftp'));
    cart = await recordingCart();
  });
  after(async () => {
    cart.server.close();
    cart.server.closeAllConnections();  // the browser keeps its connection open
    await site.close();
  });

  it('posts exactly the card fields to the cart script', async () => {
    const page = await (await browser()).newPage();
    try {
      await page.goto(site.url('vaisselle-bols-0.htm'), { waitUntil: 'load' });
      // The form opens inside the table: its controls belong to it all the same.
      const button = await page.evaluateHandle((action) => {
        const form = document.forms.fbol01bol01;
        form.action = action;
        form.elements.refsupp3.value = 'Gravure du prénom=4';
        return [...document.querySelectorAll('input[type=image]')].find((i) => i.form === form);
      }, cart.url);
      await button.click();
      const [method, type, body] = await cart.order;
      assert.deepEqual([method, type], ['POST', 'application/x-www-form-urlencoded']);
      assert.match(body, new RegExp('^session_client=undefined&login=demo&ext=&session=oui' +
        '&ref=BOL01&description=Bol\\+en\\+gr%E8s\\+%E9maill%E9\\+bleu&pu=18\\.50' +
        '&refsupp3=Gravure\\+du\\+pr%E9nom%3D4&x=\\d+&y=\\d+$'));
    } finally {
      await page.close();
    }
  });
});
