'use strict';
// Serves a built site folder on 127.0.0.1 as a plain Linux web server does: names by their exact
// case, no charset added to the pages' type, nothing outside the folder; PHP scripts run by
// php-cli (the type their header() names is not seen: text/html).

const fs = require('node:fs');
const http = require('node:http');
const path = require('node:path');
const { execFile } = require('node:child_process');

const PHP_FRONT = path.join(__dirname, 'php_front.php');

// A script's page and status, as the host's PHP would answer the request.
function runPhp(file, query, response) {
  const env = { ...process.env, QUERY_STRING: query };
  execFile('php', [PHP_FRONT, file], { env, encoding: 'buffer', maxBuffer: 1 << 24 },
    (error, stdout, stderr) => {
      const status = /status (\d+)\s*$/.exec(stderr.toString('latin1'));
      response.writeHead(status ? Number(status[1]) : 500,
        { 'Content-Type': 'text/html', 'Cache-Control': 'no-store' });
      response.end(stdout);
    });
}

const TYPES = {
  '.htm': 'text/html', '.html': 'text/html', '.css': 'text/css', '.js': 'application/javascript',
  '.gif': 'image/gif', '.jpg': 'image/jpeg', '.jpeg': 'image/jpeg', '.png': 'image/png',
  '.swf': 'application/x-shockwave-flash', '.txt': 'text/plain', '.xml': 'application/xml',
};

// The file of the folder a request path names, or null.
function fileOf(root, urlPath) {
  let name;
  try {
    name = decodeURIComponent(urlPath.replace(/[?#].*$/, ''));
  } catch {
    return null;
  }
  const file = path.resolve(root, '.' + name);
  if (file !== root && !file.startsWith(root + path.sep)) return null;
  const stat = fs.statSync(file, { throwIfNoEntry: false });
  if (stat?.isFile()) return file;
  if (stat?.isDirectory()) {
    for (const index of ['index.htm', 'index.html']) {
      const page = path.join(file, index);
      if (fs.existsSync(page)) return page;
    }
  }
  return null;
}

// Starts the server on a free port; resolves to {url(page), fileOf(url), relativeOf(url), close()}.
// The files are sent uncached unless cached is set: then they are sent, as most hosts send them,
// with no word on caching, and a browser may keep a page left in its back-forward cache.
async function serveFolder(folder, { cached = false } = {}) {
  const root = path.resolve(folder);
  const server = http.createServer((request, response) => {
    const file = request.method === 'GET' || request.method === 'HEAD'
      ? fileOf(root, new URL(request.url, 'http://127.0.0.1').pathname)
      : null;
    if (!file) {
      response.writeHead(404, { 'Content-Type': 'text/plain' });
      response.end('Not Found');
      return;
    }
    if (path.extname(file) === '.php') {
      runPhp(file, new URL(request.url, 'http://127.0.0.1').search.replace(/^\?/, ''), response);
      return;
    }
    const type = TYPES[path.extname(file).toLowerCase()] || 'application/octet-stream';
    response.writeHead(200, { 'Content-Type': type, ...(cached ? {} : { 'Cache-Control': 'no-store' }) });
    if (request.method === 'HEAD') response.end();
    else fs.createReadStream(file).pipe(response);
  });
  await new Promise((resolve, reject) => {
    server.once('error', reject);
    server.listen(0, '127.0.0.1', resolve);
  });
  const origin = `http://127.0.0.1:${server.address().port}`;
  const local = (url) => url.startsWith(origin + '/');
  return {
    root, origin,
    url: (page) => `${origin}/${page}`,
    isLocal: local,
    // The file a local URL names, relative to the folder, "/" separated (existing or not).
    relativeOf(url) {
      if (!local(url)) return null;
      const pathname = new URL(url).pathname;
      try {
        return decodeURIComponent(pathname).replace(/^\/+/, '');
      } catch {
        return pathname.replace(/^\/+/, '');
      }
    },
    fileOf: (url) => (local(url) ? fileOf(root, new URL(url).pathname) : null),
    close: () => new Promise((resolve) => {
      server.closeAllConnections?.();
      server.close(resolve);
    }),
  };
}

module.exports = { serveFolder, fileOf };
