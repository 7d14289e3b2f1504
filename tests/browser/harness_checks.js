'use strict';
// The harness's own checks, on tiny hand-written pages: each fault is reported, a sound page
// passes.

const assert = require('node:assert/strict');
const path = require('node:path');
const { describe, it, before, after } = require('node:test');

const { frameNamed, openSite, visit } = require('./lib/harness.js');
const { localLinks } = require('./lib/links.js');

describe('local links of a page', () => {
  const cases = [
    ['<a href="page.htm?x=1#bas">', ['page.htm']],
    ["<IMG SRC='a%20b.gif'>", ['a b.gif']],
    ['<td background=fond.gif width=3>', ['fond.gif']],
    ['<a href="a&amp;b.htm">', ['a&b.htm']],
    ['<FRAME SRC="menu2.htm" NAME="menu">', ['menu2.htm']],
    ['<a href="#haut_page"><a href="JavaScript:void(0);"><a href="mailto:a@b.example">', []],
    ['<a href="https://www.example.com/x.htm"><img src="//cdn.example/x.gif">', []],
    ['<!-- <img src="ancien.gif"> --><script>var s = "<img src=\'x.gif\'>";</script>', []],
    ['<a data-src="x.gif" onClick="window.open(\'y.htm\')">', []],
  ];
  for (const [html, expected] of cases) {
    it(html, () => assert.deepEqual(localLinks(html), expected));
  }
});

describe('harness checks', () => {
  let site;
  before(async () => {
    site = await openSite(path.join(__dirname, 'pages'));
  });
  after(() => site.close());

  const cases = [
    { page: 'propre.htm', expected: [] },
    { page: 'erreur_script.htm', expected: [/^page error in .*erreur_script\.htm: .*fonctionAbsente/] },
    { page: 'image_absente.htm', expected: [/^missing file: absente\.gif \(404\)$/,
      /^broken link in image_absente\.htm: absente\.gif$/] },
    { page: 'casse.htm', expected: [/^missing file: Pix\.gif \(404\)$/,
      /^broken link in casse\.htm: Pix\.gif$/, /^broken link in casse\.htm: Autre\.htm$/] },
    { page: 'jeu_utf8.htm', expected: [/^jeu_utf8\.htm is read as UTF-8, not as Windows-1252$/,
      /^jeu_utf8\.htm does not declare its charset$/] },
    { page: 'sans_jeu.htm', expected: [/^sans_jeu\.htm does not declare its charset$/] },
  ];
  for (const { page, expected } of cases) {
    it(`${page} gives ${expected.length} problem(s)`, async () => {
      const v = await visit(site, page);
      try {
        const problems = await v.problems();
        assert.equal(problems.length, expected.length, problems.join('\n'));
        expected.forEach((pattern, i) => assert.match(problems[i], pattern));
      } finally {
        await v.close();
      }
    });
  }

  // A frameset left and brought back by Back (kept in the back-forward cache): its frames are
  // found and checked as the browser shows them; a frame that is not there is an error.
  for (const kind of ['chromium', 'firefox']) {
    it(`reads the frames shown after a Back, ${kind}`, async () => {
      const cached = await openSite(path.join(__dirname, 'pages'), [], { cached: true });
      const v = await visit(cached, 'cadres.htm', kind);
      try {
        await v.page.evaluate((a) => { location.href = a; }, cached.url('propre.htm'));
        await v.page.waitForFunction(() => location.pathname === '/propre.htm' && document.readyState === 'complete');
        await v.page.evaluate(() => history.back());
        const cadre = await frameNamed(v.page, 'principal');
        assert.equal(await cadre.evaluate(() => location.pathname), '/sans_jeu.htm');
        await assert.rejects(frameNamed(v.page, 'absent', 500), /no loaded frame named absent/);
        assert.deepEqual(await v.problems(), ['sans_jeu.htm does not declare its charset']);
      } finally {
        await v.close();
        await cached.close();
      }
    });
  }

  it('a forgiven file is not reported', async () => {
    const lenient = await openSite(path.join(__dirname, 'pages'), [{ file: 'absente.gif' }]);
    const v = await visit(lenient, 'image_absente.htm');
    try {
      assert.deepEqual(await v.problems(), []);
    } finally {
      await v.close();
      await lenient.close();
    }
  });
});
