'use strict';
// Local links of generated pages, checked as a Linux web server sees them: a name resolves only
// by its exact case. Shared by the browser harness and tools/check-site.

const fs = require('node:fs');
const path = require('node:path');

// Attributes that name another file of the site.
const ATTRIBUTE = /\s(href|src|background)\s*=\s*(?:"([^"]*)"|'([^']*)'|([^\s>]+))/gi;
const TAG = /<[a-z][^>]*>/gi;
const COMMENT = /<!--[\s\S]*?-->/g;
const SCRIPT = /<script\b[\s\S]*?<\/script>/gi;

function decodeEntities(text) {
  return text
    .replace(/&#(\d+);/g, (_, n) => String.fromCharCode(Number(n)))
    .replace(/&quot;/gi, '"')
    .replace(/&lt;/gi, '<')
    .replace(/&gt;/gi, '>')
    .replace(/&amp;/gi, '&');
}

// The link as a path of the site, or null when it leaves the site (another host, a script, a
// mail address, an anchor of the same page).
function localTarget(link) {
  const value = decodeEntities(link.trim());
  if (value === '' || value.startsWith('#') || value.startsWith('//')) return null;
  if (/^[a-z][a-z0-9+.-]*:/i.test(value)) return null;
  let target = value.replace(/[?#].*$/, '');
  if (target === '') return null;
  try {
    target = decodeURIComponent(target);
  } catch {
    // A lone "%" names the file as written.
  }
  return target;
}

// Every local target named by the tags of an HTML text (latin-1 string), in order.
function localLinks(html) {
  const links = [];
  const markup = html.replace(COMMENT, '').replace(SCRIPT, '');
  for (const tag of markup.match(TAG) || []) {
    for (const m of tag.matchAll(ATTRIBUTE)) {
      const raw = m[2] ?? m[3] ?? m[4];
      const target = localTarget(raw);
      if (target !== null) links.push(target);
    }
  }
  return links;
}

// The file a target of page names, relative to root ("/" separated), or null outside root.
function resolveTarget(root, page, target) {
  const base = target.startsWith('/') ? root : path.dirname(path.join(root, page));
  const file = path.resolve(base, target.startsWith('/') ? target.slice(1) : target);
  const relative = path.relative(root, file);
  if (relative.startsWith('..') || path.isAbsolute(relative)) return null;
  return relative.split(path.sep).join('/');
}

// Exact-case test: Linux file systems are case-sensitive, so a plain lookup is one.
function exists(root, relative) {
  return fs.existsSync(path.join(root, relative));
}

// The broken local links of one page (relative to root): [{page, link, file}].
function brokenLinksOfPage(root, page) {
  const html = fs.readFileSync(path.join(root, page), 'latin1');
  const broken = [];
  const seen = new Set();
  for (const link of localLinks(html)) {
    if (seen.has(link)) continue;
    seen.add(link);
    const file = resolveTarget(root, page, link);
    if (file === null || !exists(root, file)) broken.push({ page, link, file });
  }
  return broken;
}

function isPage(name) {
  return /\.html?$/i.test(name);
}

// Every page of the site below root, relative, in name order.
function pagesOf(root) {
  const pages = [];
  const walk = (folder) => {
    for (const entry of fs.readdirSync(path.join(root, folder), { withFileTypes: true })) {
      const relative = folder ? `${folder}/${entry.name}` : entry.name;
      if (entry.isDirectory()) walk(relative);
      else if (isPage(entry.name)) pages.push(relative);
    }
  };
  walk('');
  return pages.sort();
}

function brokenLinksOfSite(root) {
  return pagesOf(root).flatMap((page) => brokenLinksOfPage(root, page));
}

module.exports = {
  localLinks, localTarget, resolveTarget, brokenLinksOfPage, brokenLinksOfSite, pagesOf, isPage,
};
