'use strict';
// Builds a shop with the real program: the scenario runner plays a script (one of shops/) on a
// temporary data folder and leaves the built site in its ftp/.

const { execFileSync } = require('node:child_process');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');

const SOURCE = process.env.TARVIO_SOURCE_DIR || path.resolve(__dirname, '../../..');
const SCENARIO = process.env.TARVIO_SCENARIO || path.join(SOURCE, 'build/tests/scenario/scenario');

const folders = [];

// Returns the data folder built by shops/<name>.txt.
function buildShop(name) {
  const script = path.join(__dirname, '..', 'shops', `${name}.txt`);
  const data = fs.mkdtempSync(path.join(os.tmpdir(), `tarvio-browser-${name}-`));
  folders.push(data);
  try {
    execFileSync(SCENARIO, [script, '--data', data], { stdio: 'pipe' });
  } catch (error) {
    const output = `${error.stdout || ''}${error.stderr || ''}`.trim();
    throw new Error(`building ${name} failed: ${output || error.message}`);
  }
  return data;
}

function removeShops() {
  for (const folder of folders.splice(0)) fs.rmSync(folder, { recursive: true, force: true });
}

module.exports = { buildShop, removeShops };
