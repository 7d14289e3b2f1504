'use strict';
// A card's order form of the built demo shop, submitted to a cart script that records what it
// receives: the browser must post exactly the card's fields, in the page's own charset.

const assert = require('node:assert/strict');
const http = require('node:http');
const path = require('node:path');
const { describe, it, before, after } = require('node:test');

const { openSite, browser } = require('./lib/harness.js');
const { buildShop } = require('./lib/shop.js');

const DEADLINE_MS = 20000;

// A cart script on 127.0.0.1 that keeps the requests it gets.
async function recordingCart() {
  const received = [];
  const waiting = [];
  const server = http.createServer((request, response) => {
    const chunks = [];
    request.on('data', (chunk) => chunks.push(chunk));
    request.on('end', () => {
      received.push({ method: request.method, type: request.headers['content-type'],
        body: Buffer.concat(chunks) });
      response.end('ok');
      waiting.splice(0).forEach((resolve) => resolve());
    });
  });
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  return {
    url: `http://127.0.0.1:${server.address().port}/panier.php`,
    next: () => new Promise((resolve, reject) => {
      if (received.length) return resolve(received.shift());
      const timer = setTimeout(() => reject(new Error('no order received')), DEADLINE_MS);
      waiting.push(() => { clearTimeout(timer); resolve(received.shift()); });
    }),
    close: () => new Promise((resolve) => {
      server.close(resolve);
      server.closeAllConnections();  // the browser keeps its connection open
    }),
  };
}

// The fields of a url-encoded body, in order, their bytes read as Windows-1252.
function fields(body) {
  const decoder = new TextDecoder('windows-1252');
  const bytes = (text) => Buffer.from(text.replace(/\+/g, ' ').replace(/%([0-9A-F]{2})/gi,
    (_, hex) => String.fromCharCode(parseInt(hex, 16))), 'latin1');
  return body.toString('latin1').split('&').map((pair) => {
    const at = pair.indexOf('=');
    return [decoder.decode(bytes(pair.slice(0, at))), decoder.decode(bytes(pair.slice(at + 1)))];
  });
}

describe('order form of a card', () => {
  let site;
  let cart;
  before(async () => {
    site = await openSite(path.join(buildShop('demo_page'), 'ftp'));
    cart = await recordingCart();
  });
  after(async () => {
    await site.close();
    await cart.close();
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
      const order = await cart.next();
      assert.equal(order.method, 'POST');
      assert.equal(order.type, 'application/x-www-form-urlencoded');
      const posted = fields(order.body);
      assert.deepEqual(posted.filter(([name]) => name !== 'x' && name !== 'y'), [
        ['session_client', 'undefined'], ['login', 'demo'], ['ext', ''], ['session', 'oui'],
        ['ref', 'BOL01'], ['description', 'Bol en grès émaillé bleu'], ['pu', '18.50'],
        ['refsupp3', 'Gravure du prénom=4']]);
      assert.deepEqual(posted.slice(-2).map(([name]) => name), ['x', 'y']);
    } finally {
      await page.close();
    }
  });
});
