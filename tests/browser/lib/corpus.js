'use strict';
// The corpus of older shops (tests/corpus): each shop a scenario script whose comment lines of a
// fixed form hold its orders. One reader of those lines, one builder that learns what a version
// of the program says while it builds, one reader of a built shop: what each card shows and
// posts, what each order costs, in chromium over http and from disc.
//
// An order is the "# commande:" lines that follow each other up to its "# total:" line:
//   # commande: PAGE FORM [xN] [; FIELD=VALUE]...   a card ordered, its lists set, N in the form
//   # port: 4,50                                      the shipping the shopper types
//   # total: 30,50 why it differs from a previous version, when it does

const { execFile } = require('node:child_process');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');

const { browser } = require('./harness.js');
const { serveFolder } = require('./server.js');

// The orders of a script's text.
function lireCommandes(texte) {
  const commandes = [];
  let courante = null;
  for (const ligne of texte.split(/\r?\n/)) {
    const m = /^#\s*(commande|port|total):\s*(.*?)\s*$/.exec(ligne);
    if (!m) continue;
    if (!courante) courante = { cartes: [], port: null };
    if (m[1] === 'commande') {
      const [tete, ...champs] = m[2].split(/\s+;\s+/);
      const [page, form, fois] = tete.split(/\s+/);
      courante.cartes.push({
        page, form, quantite: fois ? Number(fois.replace(/^x/, '')) : null,
        choix: Object.fromEntries(champs.map((c) => [c.slice(0, c.indexOf('=')), c.slice(c.indexOf('=') + 1)])),
      });
    } else if (m[1] === 'port') {
      courante.port = m[2];
    } else {
      const [total, ...pourquoi] = m[2].split(/\s+/);
      commandes.push({ ...courante, numero: commandes.length + 1, total, pourquoi: pourquoi.join(' ') });
      courante = null;
    }
  }
  return commandes;
}

// The shops of a corpus folder: name, script path and orders.
function lireCorpus(dossier) {
  return fs.readdirSync(dossier).filter((n) => n.endsWith('.txt')).sort().map((n) => {
    const script = path.join(dossier, n);
    return { nom: n.slice(0, -4), script, commandes: lireCommandes(fs.readFileSync(script, 'utf8')) };
  });
}

function lancer(runner, script, data) {
  return new Promise((resolve) => {
    execFile(runner, [script, '--data', data], { maxBuffer: 1 << 24 }, (erreur, stdout, stderr) => {
      resolve({ ok: !erreur, sortie: `${stdout}${stderr}`.trim() });
    });
  });
}

const ATTENDU = /^\s*(expect-message|expect-no-message|expect-opened)\b/;

// Builds a shop's script with a version's scenario runner into data (emptied first). The script
// says what the version it was written for shows; when this one shows other messages or opens
// other pages, they are learnt from the runner's failure (it names the first one it did not
// expect) on a copy of the script that expects them at its end, where every message is still
// waiting. Gives the messages and pages opened, and the failure of a script that stops otherwise
// (or at once, when apprendre is false).
async function construire(runner, script, data, { apprendre = true } = {}) {
  const lignes = fs.readFileSync(script, 'utf8').split(/\r?\n/);
  const dits = lignes.filter((l) => ATTENDU.test(l) && !/expect-no-message/.test(l)).map((l) => l.trim());
  const recommencer = () => fs.rmSync(data, { recursive: true, force: true });
  recommencer();
  let r = await lancer(runner, script, data);
  if (r.ok || !apprendre) return { dits, erreur: r.ok ? null : r.sortie };
  const dossier = path.dirname(path.resolve(script));
  // The copy lives elsewhere: the folders it names are made absolute.
  const corps = lignes.filter((l) => !ATTENDU.test(l)).map((l) => l.replace(/^(\s*data\s+)(\S.*)$/,
    (_, d, f) => d + path.resolve(dossier, f)));
  const copie = path.join(fs.mkdtempSync(path.join(os.tmpdir(), 'tarvio-corpus-')), path.basename(script));
  const appris = [];
  try {
    for (let essai = 0; essai < 30; ++essai) {
      fs.writeFileSync(copie, [...corps, ...appris, ''].join('\n'));
      recommencer();
      r = await lancer(runner, copie, data);
      if (r.ok) return { dits: appris, erreur: null };
      const message = /: unexpected message "(.*)"$/m.exec(r.sortie);
      const ouvert = /: unexpected open of (.*)$/m.exec(r.sortie);
      if (message) appris.push(`expect-message ${message[1]}`);
      else if (ouvert) appris.push(`expect-opened ${ouvert[1].split(path.resolve(data)).join('{data}')}`);
      else break;
    }
    return { dits: appris, erreur: r.sortie.split(copie).join(path.basename(script)) };
  } finally {
    fs.rmSync(path.dirname(copie), { recursive: true, force: true });
  }
}

// --- reading a built shop ---

// The frame that shows the shop's pages: the frameset's main frame, or the page itself.
const cadreDe = (page) => page.frames().find((f) => f.name() === 'principal') || page.mainFrame();

// The form's rows once two readings a moment apart agree (a frame on disc may draw it again).
async function lignesStables(cadre) {
  let avant = await lignesBon(cadre());
  for (const limite = Date.now() + 10000; Date.now() < limite;) {
    await new Promise((r) => setTimeout(r, 200));
    const apres = await lignesBon(cadre());
    if (apres.join('\n') === avant.join('\n')) break;
    avant = apres;
  }
  return avant;
}

async function allerA(cadre, adresse) {
  await Promise.all([cadre.waitForNavigation(), cadre.evaluate((a) => { location.href = a; }, adresse)]);
}

// Every card of the list pages of a built site: page, form, text shown, amounts shown, fields
// posted as they stand and the items of its lists.
async function lireCartes(site, ftp) {
  const pages = fs.readdirSync(ftp).filter((n) => /-\d+\.htm$/.test(n)).sort();
  const contexte = await (await browser()).createBrowserContext();
  const cartes = [];
  try {
    const page = await contexte.newPage();
    // Through the entry page: a list page of the frameset opened alone goes back into it.
    await page.goto(site.url('index.htm'), { waitUntil: 'load' });
    for (const nom of pages) {
      await allerA(cadreDe(page), site.url(nom));
      cartes.push(...(await cadreDe(page).evaluate(() => {
        const boutons = [...document.querySelectorAll('input[type=image]')].filter((b) => b.form);
        const marques = [];
        const parcours = document.createTreeWalker(document.body, NodeFilter.SHOW_COMMENT);
        while (parcours.nextNode()) if (parcours.currentNode.data.startsWith('//DEBUT//')) marques.push(parcours.currentNode);
        return boutons.map((bouton) => {
          const form = bouton.form;
          // The card: the largest block around its button holding no other card's button nor
          // two cards' markers (a card that takes no order has no button).
          let bloc = bouton;
          const seul = (e) => !boutons.some((b) => b !== bouton && e.contains(b)) &&
            marques.filter((m) => e.contains(m)).length < 2;
          while (bloc.parentElement && bloc.parentElement !== document.body && seul(bloc.parentElement))
            bloc = bloc.parentElement;
          const vu = bloc.innerText.replace(/\s+/g, ' ').trim();
          const champs = [...new FormData(form).entries()].map(([n, v]) => `${n}=${v}`);
          const listes = [...form.elements].filter((e) => e.tagName === 'SELECT')
            .map((s) => `${s.name}: ${[...s.options].map((o) => `${o.value} (${o.text})`).join(' | ')}`);
          return { nom: form.getAttribute('name') || '', action: form.getAttribute('action') || '', vu,
            prix: (vu.match(/-?\d[\d\u00a0 .]*[.,]\d\d(?!\d)/g) || []).join(' / '),
            champs, listes };
        });
      })).map((c) => ({ page: nom, ...c })));
    }
  } finally {
    await contexte.close();
  }
  return cartes;
}

// An amount as a card posts it or the form shows it, in cents; null when it is none. A sign
// and a euro sign may come first ("+1,50", "€12").
function centimes(t) {
  const m = /^\s*([-+]?)(?:€\s*)?(\d[\d\u00a0 .]*?)(?:[.,](\d{1,2}))?(?:\s+[^\d\s].*)?\s*$/.exec(t ?? '');
  if (!m || (m[3] === undefined && /[.]/.test(m[2]))) return null;
  const entier = Number(m[2].replace(/[\u00a0 .]/g, ''));
  return (m[1] === '-' ? -1 : 1) * (entier * 100 + Number((m[3] || '0').padEnd(2, '0')));
}

const euros = (c) => {
  const a = Math.abs(c);
  return `${c < 0 ? '-' : ''}${Math.floor(a / 100)},${String(a % 100).padStart(2, '0')}`;
};

// The amount a posted list line "label=amount" adds, in cents (a label adds nothing).
function montantLigne(l) {
  const i = l.lastIndexOf('=');
  return i < 0 ? 0 : centimes(l.slice(i + 1)) ?? 0;
}

// What the fields an online card posts charge: the model's amount or the price, with the
// supplements chosen, floored at 0, times the quantity.
function totalChamps(champs, quantite) {
  const de = (n) => champs.filter(([k]) => k === n).map(([, v]) => v);
  const modele = de('refdiff').map((l) => (l.includes('=') ? centimes(l.slice(l.lastIndexOf('=') + 1)) : null))[0];
  const base = modele ?? centimes(de('pu')[0] ?? '') ?? 0;
  const supplements = champs.filter(([k]) => /^refsupp/.test(k)).reduce((s, [, v]) => s + montantLigne(v), 0);
  return Math.max(0, base + supplements) * (quantite || 1);
}

// The body of a form posted in Windows-1252, as [name, value] pairs.
function champsPostes(corps) {
  const decode = (t) => new TextDecoder('windows-1252').decode(Buffer.from(t.replace(/\+/g, ' ')
    .replace(/%([0-9A-Fa-f]{2})|[^%]/g, (c, h) => (h ? String.fromCharCode(parseInt(h, 16)) : c)), 'latin1'));
  return corps.split('&').filter((p) => p && !/^[xy]=/.test(p))
    .map((p) => p.split('=')).map(([n, ...v]) => [decode(n), decode(v.join('='))]);
}

// The rows of the offline order form's cart with at least two cells, as the shopper reads them.
function lignesBon(cadre) {
  return cadre.$$eval('table[cellspacing="0"] tr', (rows) => rows
    .map((r) => [...r.cells].map((c) => (c.querySelector('input') ? c.querySelector('input').value
      : c.innerText).replace(/\s+/g, ' ').trim()).filter((t) => t !== ''))
    .filter((cells) => cells.length >= 2).map((cells) => cells.join(' | ')));
}

// Resolves once condition() holds, or after 20 s.
async function attendre(condition) {
  for (const limite = Date.now() + 20000; !condition() && Date.now() < limite;) {
    await new Promise((r) => setTimeout(r, 50));
  }
}

// The list page holding a card's form: the page named, or another page of its list (a card
// moves to the next page when cards are added before it).
function pageDe(ftp, page, form, tient = (texte) => new RegExp(`name="${form}"`, 'i').test(texte)) {
  const lit = (n) => tient(fs.readFileSync(path.join(ftp, n), 'latin1'));
  if (fs.existsSync(path.join(ftp, page)) && lit(page)) return page;
  const liste = page.replace(/-\d+\.htm$/, '');
  return fs.readdirSync(ftp).filter((n) => n.startsWith(`${liste}-`) && /-\d+\.htm$/.test(n)).sort().find(lit) || null;
}

// The card of a form the pages do not hold is still shown (between its markers, the form's name
// ending with its reference) when it takes no order.
function carteSansForm(ftp, page, form) {
  return pageDe(ftp, page, form, (texte) => [...texte.matchAll(/<!--\/\/DEBUT\/\/([^*/]+)\*/g)]
    .some(([, ref]) => form.toLowerCase().endsWith(ref.toLowerCase()))) !== null;
}

// Plays one order on lieu (a served site or the folder from disc) in a browser context of its
// own: its lines and total as the offline form shows them, or the fields an online card posts
// and what they charge. A play that fails (from disc the frameset may draw the form again while
// a step runs in it; a loaded machine may not answer in time) is played again from the start;
// after three failures its total is "échec: why", never a total a version could show.
async function passerCommande(lieu, ftp, commande) {
  for (let essai = 1; ; ++essai) {
    const r = await essayerCommande(lieu, ftp, commande);
    if (!r.echec) return r;
    if (essai === 3) return { lignes: [], total: `échec: ${r.echec}`, echec: r.echec };
  }
}

async function essayerCommande(lieu, ftp, commande) {
  const contexte = await (await browser()).createBrowserContext();
  try {
    const page = await contexte.newPage();
    const postes = [];
    await page.setRequestInterception(true);
    page.on('request', (r) => {
      if (r.method() === 'POST' && !lieu.isLocal(r.url())) {
        postes.push(r.postData() || '');
        r.respond({ status: 200, contentType: 'text/html', body: 'ok' });
      } else if (/^https?:/.test(r.url()) && !lieu.isLocal(r.url())) r.abort();
      else r.continue();
    });
    await page.goto(lieu.url('index.htm'), { waitUntil: 'load' });
    const cadre = () => cadreDe(page);
    const enLigne = [];
    for (const carte of commande.cartes) {
      if (carte.form === '-') {  // the page is the address a card's order button opens
        await allerA(cadre(), lieu.url(carte.page));
        continue;
      }
      const ou = pageDe(ftp, carte.page, carte.form);
      if (!ou && carteSansForm(ftp, carte.page, carte.form))
        return { lignes: [`${carte.form}: ne prend pas de commande`], total: 'aucune' };
      if (!ou) return { lignes: [`${carte.form}: pas de carte`], total: 'pas de carte' };
      await allerA(cadre(), lieu.url(ou));
      const avant = postes.length;
      const bouton = await cadre().evaluateHandle((n, c) => {
        const form = document.forms[n];
        if (!form) return 'absent';
        // A list's line is named by its value or by its label (what the shopper reads).
        for (const [liste, valeur] of Object.entries(c)) {
          const e = form.elements[liste];
          const o = e.tagName === 'SELECT' && ([...e.options].find((x) => x.value === valeur) ||
            [...e.options].find((x) => x.value.split('=')[0].trim() === valeur || x.text.startsWith(valeur)));
          e.value = o ? o.value : valeur;
        }
        // Whether the form was sent: a button or a script of the card may keep it back.
        form.addEventListener('submit', (e) => { window.envoiCorpus = !e.defaultPrevented; });
        return [...document.querySelectorAll('input[type=image]')].find((i) => i.form === form) || null;
      }, carte.form, carte.choix);
      const aucune = { lignes: [`${carte.form}: ne prend pas de commande`], total: 'aucune' };
      const etat = await bouton.evaluate((b) => (b === 'absent' ? b : b !== null));
      if (etat === 'absent') return { echec: `${carte.form} absent de ${ou} une fois la page chargée` };
      if (!etat) return aucune;
      // An online card's form may post to another window: the post or the frame's new page.
      let parti = false;
      const navigation = cadre().waitForNavigation({ timeout: 20000 }).then(() => { parti = true; }, () => {});
      const envoye = await bouton.evaluate((b) => {
        window.envoiCorpus = false;
        b.click();
        return window.envoiCorpus;
      });
      await Promise.race([navigation, attendre(() => postes.length > avant)]);
      if (postes.length > avant) enLigne.push({ carte, champs: champsPostes(postes.at(-1)) });
      else if (parti) continue;
      else if (envoye) return { echec: `${carte.form} envoyé sans que rien n'arrive en 20 s` };
      else return aucune;
    }
    if (enLigne.length) {
      return {
        lignes: enLigne.map(({ carte, champs }) => `${carte.form}: ${champs.map((c) => c.join('=')).join(' & ')}`),
        total: euros(enLigne.reduce((s, { carte, champs }) => s + totalChamps(champs, carte.quantite), 0)),
      };
    }
    const saisies = Object.fromEntries(commande.cartes.map((c, i) => [`qte${i}`, c.quantite])
      .filter(([, q]) => q !== null));
    if (commande.port !== null) saisies.transport = commande.port;
    if (Object.keys(saisies).length) {
      const absentes = await cadre().evaluate((q) => Object.keys(q).filter((n) => !document.form?.[n]),
        saisies);
      if (absentes.length) {
        return { lignes: await lignesBon(cadre()), total: `pas de case ${absentes.join(', ')}` };
      }
      await cadre().evaluate((q) => {
        for (const [n, v] of Object.entries(q)) document.form[n].value = v;
      }, saisies);
      await Promise.all([cadre().waitForNavigation(), cadre().click('input[value=Calculer]')]);
    }
    const lignes = await lignesStables(cadre);
    // The total in the shop's currency: the last row's first amount (a second currency follows).
    const dernier = lignes.at(-1)?.split(' | ')[1] ?? '';
    const c = centimes(dernier);
    return { lignes, total: c === null ? dernier : euros(c) };
  } catch (erreur) {
    return { echec: erreur.message.split('\n')[0] };
  } finally {
    await contexte.close();
  }
}

// Runs the tasks, at most n at a time; gives their results in order.
async function parLots(taches, n) {
  const resultats = new Array(taches.length);
  let suivante = 0;
  await Promise.all(Array.from({ length: Math.min(n, taches.length) }, async () => {
    while (suivante < taches.length) {
      const i = suivante++;
      resultats[i] = await taches[i]();
    }
  }));
  return resultats;
}

// The folder from disc, as the offline catalogue's start script opens it.
function surDisque(ftp) {
  const origine = `file://${path.resolve(ftp)}`;
  return { url: (p) => `${origine}/${p}`, isLocal: (u) => u.startsWith(origine + '/'), close: async () => {} };
}

const MOYENS = ['over http', 'from disc'];

// What a built shop shows and charges: its cards (read over http; left out when cartes is false)
// and each order played in chromium over http and from disc.
async function lireBoutique(ftp, commandes, { cartes: avecCartes = true } = {}) {
  const site = await serveFolder(ftp);
  try {
    const cartes = avecCartes ? await lireCartes(site, ftp) : [];
    const resultats = await parLots(commandes.flatMap((commande) => MOYENS.map((moyen) => async () => {
      const lieu = moyen === 'over http' ? site : surDisque(ftp);
      return { numero: commande.numero, moyen, ...(await passerCommande(lieu, ftp, commande)) };
    })), 4);
    return { cartes, commandes: resultats };
  } finally {
    await site.close();
  }
}

module.exports = { lireCorpus, lireCommandes, construire, lireBoutique, centimes, euros, totalChamps, parLots, MOYENS };
