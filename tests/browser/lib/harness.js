'use strict';
// Opens pages of a served site in one shared headless chromium (or Firefox ESR, driven through
// WebDriver BiDi) and collects what a visitor would hit: script errors, local files that do not
// load, links that name no file by its exact case, and pages whose bytes the browser does not
// read as Windows-1252.

const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const { after } = require('node:test');
const puppeteer = require('puppeteer-core');

const { brokenLinksOfPage, isPage } = require('./links.js');
const { fileOf, serveFolder } = require('./server.js');
const { removeShops } = require('./shop.js');

const CHROMIUM = process.env.TARVIO_CHROMIUM || '/usr/bin/chromium';
const FIREFOX = process.env.TARVIO_FIREFOX || '/usr/bin/firefox-esr';
const DEADLINE_MS = 20000;
// The line every generated page declares its encoding with (read as Windows-1252).
const CHARSET_LINE = '<meta http-equiv="Content-Type" content="text/html; charset=iso-8859-1">';

const browsers = new Map();  // kind -> promise of its one browser
const profils = [];  // chromium profiles made here, removed with the browsers

// A chromium profile that blocks every site's data (cookies and storage), as its settings do.
function profilSansDonnees() {
  const dossier = fs.mkdtempSync(path.join(os.tmpdir(), 'tarvio-chromium-'));
  profils.push(dossier);
  fs.mkdirSync(path.join(dossier, 'Default'));
  fs.writeFileSync(path.join(dossier, 'Default', 'Preferences'),
    JSON.stringify({ profile: { default_content_setting_values: { cookies: 2 } } }));
  return dossier;
}

// kind: 'chromium' or 'firefox', or either followed by ' refusing storage': Firefox with its
// storage disabled (dom.storage.enabled false, cookies kept), chromium blocking all site data.
function browser(kind = 'chromium') {
  if (!browsers.has(kind)) {
    const refus = kind.endsWith(' refusing storage');
    browsers.set(kind, kind.startsWith('firefox')
      ? puppeteer.launch({
        browser: 'firefox',
        executablePath: FIREFOX,
        headless: true,
        // A French visitor's browser, as chromium's below.
        extraPrefsFirefox: { 'intl.accept_languages': 'fr-FR', 'intl.locale.requested': 'fr-FR',
          ...(refus ? { 'dom.storage.enabled': false } : {}) },
      })
      : puppeteer.launch({
        executablePath: CHROMIUM,
        headless: true,
        // A French visitor's browser: its default charset is the one pages without a declared
        // one are read in.
        args: ['--no-sandbox', '--disable-gpu', '--disable-dev-shm-usage', '--lang=fr-FR'],
        ...(refus ? { userDataDir: profilSansDonnees() } : {}),
      }).then(retenirDehors));
  }
  return browsers.get(kind);
}

// Chromium holds every request of every page at the browser, from before any page exists, and
// lets through those of this machine only (127.0.0.1, files): the sites are checked alone. A
// page's own holding would start after a pop-up's first requests, and puppeteer never hands over
// one it saw go out before: that one would wait for ever, the pop-up never done loading.
async function retenirDehors(b) {
  const session = await b.target().createCDPSession();
  session.on('Fetch.requestPaused', ({ requestId, request: { url } }) => {
    const local = /^(file|data|blob):|^https?:\/\/(127\.0\.0\.1|localhost|\[::1\])[:/]/.test(url);
    session.send(local ? 'Fetch.continueRequest' : 'Fetch.failRequest',
      { requestId, ...(local ? {} : { errorReason: 'BlockedByClient' }) }).catch(() => {});
  });
  await session.send('Fetch.enable');
  return b;
}

async function closeBrowser() {
  const all = [...browsers.values()];
  browsers.clear();
  for (const b of all) await (await b).close();
  for (const dossier of profils.splice(0)) fs.rmSync(dossier, { recursive: true, force: true });
}

// Under node --test, whatever files of tests run in this process, the browsers close and the
// shops go at its end (a tool using the harness, such as tools/compare-versions, closes its own).
if (process.env.NODE_TEST_CONTEXT) {
  after(async () => {
    await closeBrowser();
    removeShops();
  });
}

// A served site. knownMissing: entries of known_missing.js that apply to it (files forgiven);
// options: those of serveFolder.
async function openSite(folder, knownMissing = [], options = {}) {
  const server = await serveFolder(folder, options);
  const forgiven = new Set(knownMissing.map((entry) => entry.file));
  return { ...server, forgiven: (file) => forgiven.has(file) };
}

// The same folder opened from disc (file://), as the offline catalogue's start script opens it.
function openDisc(folder, knownMissing = []) {
  const root = path.resolve(folder);
  const origin = `file://${root}`;
  const local = (url) => url.startsWith(origin + '/');
  const forgiven = new Set(knownMissing.map((entry) => entry.file));
  const relativeOf = (url) => {
    if (!local(url)) return null;
    const rest = url.slice(origin.length + 1).replace(/[?#].*$/, '');
    try {
      return decodeURIComponent(rest);
    } catch {
      return rest;
    }
  };
  return {
    root, origin,
    url: (page) => `${origin}/${page}`,
    isLocal: local,
    relativeOf,
    fileOf: (url) => (local(url) ? fileOf(root, '/' + relativeOf(url)) : null),
    forgiven: (file) => forgiven.has(file),
    close: async () => {},
  };
}

function hasHighBytes(bytes) {
  return bytes.some((b) => b >= 0x80);
}

// A visit of one page (and of the pop-ups it opens). problems() runs the checks that need the
// loaded documents and returns every problem found, as short texts.
class Visit {
  constructor(site, kind) {
    this.site = site;
    this.kind = kind;
    this.found = [];
    this.pages = [];
    this.popups = [];  // promises of the pop-ups opened, each resolved once watched
  }

  async watch(page) {
    const { site } = this;
    this.pages.push(page);
    // The site is checked alone: outside addresses are never fetched (chromium: retenirDehors).
    if (this.kind.startsWith('firefox')) {
      await page.setRequestInterception(true);
      page.on('request', (request) => {
        if (request.isInterceptResolutionHandled()) return;
        if (site.isLocal(request.url()) || request.url().startsWith('data:')) request.continue();
        else request.abort('blockedbyclient');
      });
    }
    page.on('pageerror', (error) => this.found.push(`page error in ${page.url()}: ${error.message}`));
    page.on('console', (message) => {
      // Failed loads are told by the request checks below, which know the forgiven files.
      if (message.type() === 'error' && !message.text().startsWith('Failed to load resource'))
        this.found.push(`console error in ${page.url()}: ${message.text()}`);
    });
    // The browser asks for favicon.ico by itself; a page that names it is checked by its links.
    const reported = (file) => file !== null && file !== 'favicon.ico' && !site.forgiven(file);
    page.on('response', (response) => {
      const file = site.relativeOf(response.url());
      if (response.status() >= 400 && reported(file))
        this.found.push(`missing file: ${file} (${response.status()})`);
    });
    page.on('requestfailed', (request) => {
      const file = site.relativeOf(request.url());
      const reason = request.failure()?.errorText || '';
      // A request cut by a navigation of its frame is no fault of the file.
      if (reason !== 'net::ERR_ABORTED' && reported(file))
        this.found.push(`failed request: ${file} (${reason})`);
    });
    page.on('popup', (popup) => {
      if (popup) this.popups.push(this.watch(popup).then(() => popup));
    });
  }

  async open(pageName) {
    const response = await retrying(async () => {
      if (this.page) {  // a try the browser failed: its page and what it saw go
        this.pages = this.pages.filter((p) => p !== this.page);
        this.found = [];
        await this.page.close().catch(() => {});
      }
      const page = await (await this.context()).newPage();
      await this.watch(page);
      this.page = page;
      return page.goto(this.site.url(pageName), { waitUntil: 'load', timeout: DEADLINE_MS });
    });
    const { page } = this;
    // Through BiDi, Firefox answers no response for a page from disc.
    if (!response && !(this.kind === 'firefox' && this.site.url(pageName).startsWith('file:')))
      this.found.push(`no response for ${pageName}`);
    await settle(page);
    return this;
  }

  // Runs action (which makes the page open a pop-up) and returns the loaded pop-up page.
  async popup(action) {
    const before = this.popups.length;
    const opened = new Promise((resolve, reject) => {
      const timer = setTimeout(() => reject(new Error('no pop-up opened')), DEADLINE_MS);
      // Registered after the handler of watch(), so that one has queued the pop-up.
      this.page.once('popup', () => {
        clearTimeout(timer);
        resolve(this.popups[before]);
      });
    });
    await action();
    const popup = await opened;
    await popup.waitForFunction(
      () => location.href !== 'about:blank' && document.readyState === 'complete',
      { timeout: DEADLINE_MS });
    await settle(popup);
    if (!this.site.fileOf(popup.url())) this.found.push(`pop-up names no file: ${popup.url()}`);
    return popup;
  }

  // Checks every document now shown (frames and pop-ups included) and returns all problems.
  async problems() {
    const { site } = this;
    const seen = new Set();
    for (const page of this.pages) {
      if (page.isClosed()) continue;
      for (const frame of await shownFrames(page)) {
        const url = frame.url;
        const file = site.fileOf(url);
        const name = site.relativeOf(url);
        if (!file || !isPage(file) || seen.has(name)) continue;
        seen.add(name);
        const charset = await retrying(() => frame.evaluate(() => document.characterSet)).catch((e) => e.message);
        if (charset.toLowerCase() !== 'windows-1252' && hasHighBytes(fs.readFileSync(file)))
          this.found.push(`${name} is read as ${charset}, not as Windows-1252`);
        if (!fs.readFileSync(file, 'latin1').includes(CHARSET_LINE))
          this.found.push(`${name} does not declare its charset`);
        for (const broken of brokenLinksOfPage(site.root, name)) {
          if (broken.file === null || !site.forgiven(broken.file))
            this.found.push(`broken link in ${name}: ${broken.link}`);
        }
      }
    }
    return [...new Set(this.found)];
  }

  // Each visit is a shopper of its own: a context of the browser whose storage and cookies no
  // other visit sees (the shop's one cart would otherwise go from test to test). A browser made
  // to refuse storage keeps its own settings in its default context.
  async context() {
    if (!this.contexte) {
      const b = await browser(this.kind);
      this.contexte = this.kind.endsWith(' refusing storage') ? b.defaultBrowserContext() : await b.createBrowserContext();
    }
    return this.contexte;
  }

  async close() {
    for (const page of this.pages) if (!page.isClosed()) await page.close();
    if (this.contexte && !this.kind.endsWith(' refusing storage'))
      await this.contexte.close().catch(() => {});
  }
}

// Waits until the page has made no request for a short while (frames and scripts that load
// more after the load event), within the deadline.
// Only a wait: the browser may lose the end of a request cut by its frame's navigation and never
// call the network idle; the tests then wait, each with its deadline, for what they read.
async function settle(page) {
  await page.waitForNetworkIdle({ idleTime: 150, timeout: DEADLINE_MS }).catch((error) => {
    if (error.name !== 'TimeoutError') throw error;
  });
}

// The frames the browser shows now, read from its own frame tree, with puppeteer's frame of the
// same id where it has one: puppeteer's list goes stale when a page comes back from the
// back-forward cache (chromium's restored frames are missing from it, Firefox's keep their old
// addresses). Each: { id, url, frame, evaluate(fn, ...args) }, evaluate running fn in that
// frame's document (values go through JSON).
async function shownFrames(page) {
  const expression = (fn, args) => `Promise.resolve(${typeof fn === 'string' ? fn : `(${fn})(...${JSON.stringify(args)})`})`
    + '.then((v) => JSON.stringify(v ?? null))';
  const known = new Map(page.frames().map((f) => [f._id, f]));
  const shown = [];
  const main = page.mainFrame();
  if (main.browsingContext) {  // Firefox, through WebDriver BiDi
    const session = main.browsingContext.userContext.browser.session;
    const { result } = await session.send('browsingContext.getTree', { root: main._id });
    const walk = (contexts) => contexts.forEach((c) => { shown.push({ id: c.context, url: c.url }); walk(c.children || []); });
    walk(result.contexts);
    for (const f of shown) {
      f.evaluate = async (fn, ...args) => {
        const { result: r } = await session.send('script.evaluate', { target: { context: f.id },
          expression: expression(fn, args),
          awaitPromise: true, resultOwnership: 'none' });
        if (r.type === 'exception') throw new Error(`in ${f.url}: ${r.exceptionDetails.text}`);
        return JSON.parse(r.result.value);
      };
    }
  } else {  // chromium, through its protocol
    const client = page._client();
    const { frameTree } = await client.send('Page.getFrameTree');
    const walk = (t) => { shown.push({ id: t.frame.id, url: t.frame.url + (t.frame.urlFragment || '') }); (t.childFrames || []).forEach(walk); };
    walk(frameTree);
    for (const f of shown) {
      f.evaluate = async (fn, ...args) => {
        const { executionContextId } = await client.send('Page.createIsolatedWorld', { frameId: f.id, worldName: 'lecteur' });
        const { result, exceptionDetails } = await client.send('Runtime.evaluate', { contextId: executionContextId,
          expression: expression(fn, args), awaitPromise: true, returnByValue: true });
        if (exceptionDetails) throw new Error(`in ${f.url}: ${exceptionDetails.text}`);
        return JSON.parse(result.value);
      };
    }
  }
  for (const f of shown) f.frame = known.get(f.id) || null;
  return shown;
}

// kind: the browser, 'chromium' or 'firefox'.
// The frame of page whose window is named name (through BiDi a frame does not tell its name), as
// the browser shows it, once its document is loaded: puppeteer's frame of that id (whose url() may
// be the one it had before a Back), or where puppeteer lost it, one that can only evaluate (in a
// world of its own: the page's variables are not seen). Waits within the deadline; an error when
// no such frame comes.
async function frameNamed(page, name, timeout = DEADLINE_MS) {
  let seen = [];
  for (const end = Date.now() + timeout; Date.now() < end; await delay(100)) {
    seen = [];
    const frames = await shownFrames(page).catch(() => []);
    for (const f of frames) {
      const state = await f.evaluate(() => [window.name, document.readyState, location.href]).catch(() => null);
      if (!state) continue;
      seen.push(`${state[0]} (${state[2]})`);
      if (state[0] === name && state[1] === 'complete') return f.frame || { url: () => state[2], evaluate: f.evaluate };
    }
  }
  throw new Error(`no loaded frame named ${name} in ${page.url()}; shown: ${seen.join(', ')}`);
}

// The browser's own protocol errors that a busy machine brings (a frame or context replaced
// while a command was on its way, a command answered late): step is tried again, within the
// deadline. Any other error is the test's.
const TRANSIENT = /Protocol error|context was destroyed|detached|No frame for given id|Cannot find context|Target closed|timed out/i;

async function retrying(step) {
  for (const end = Date.now() + DEADLINE_MS; ;) {
    try {
      return await step();
    } catch (error) {
      if (Date.now() > end || !TRANSIENT.test(error.message)) throw error;
      await delay(200);
    }
  }
}

function delay(ms) {
  return new Promise((resolve) => { setTimeout(resolve, ms); });
}

async function visit(site, pageName, kind = 'chromium') {
  return new Visit(site, kind).open(pageName);
}

// steps(v) on a visit of site's page, then the visit and the site closed, whatever the steps did.
async function visiting(site, pageName, kind, steps) {
  const v = await visit(site, pageName, kind);
  try {
    await steps(v);
  } finally {
    await v.close();
    await site.close();
  }
}

module.exports = { openSite, openDisc, visit, visiting, settle, closeBrowser, browser, frameNamed, shownFrames, retrying };
