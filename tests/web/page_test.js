// Drives the page in headless chromium: the bad inputs first (each must leave
// the CLI's message, no download and a usable page), then every project of
// the plan, whose downloads are saved for page_test.sh to compare with the CLI.
//   node page_test.js SITE_DIR PLAN_JSON
'use strict';
const fs = require('fs');
const http = require('http');
const path = require('path');
const puppeteer = require('puppeteer-core');

const [site, planFile] = process.argv.slice(2);
const plan = JSON.parse(fs.readFileSync(planFile, 'utf8'));
const failures = [];
const check = (ok, what) => { if (!ok) { failures.push(what); console.error('FAIL: ' + what); } };

const types = { '.html': 'text/html', '.js': 'text/javascript', '.css': 'text/css', '.wasm': 'application/wasm',
  '.svg': 'image/svg+xml', '.webmanifest': 'application/manifest+json' };
const server = http.createServer((req, res) => {
  const file = path.join(site, path.normalize(decodeURIComponent(req.url.split('?')[0])).replace(/^(\.\.[/\\])+/, ''));
  const name = file.endsWith(path.sep) ? path.join(file, 'index.html') : file;
  fs.readFile(name, (err, data) => {
    if (err) { res.writeHead(404); res.end(); return; }
    res.writeHead(200, { 'Content-Type': types[path.extname(name)] || 'application/octet-stream' });
    res.end(data);
  });
});

// The rules in words, as the findings' tool tips must give them.
const ruleTexts = {
  freeboard: 'grade line closer to the top than the freeboard',
  'velocity-low': 'velocity below the minimum',
  'velocity-high': 'velocity above the maximum',
  cover: 'cover below the minimum',
  'size-min': 'pipe smaller than the minimum size',
  'size-decrease': 'a larger pipe flows into a smaller one',
  'adverse-slope': 'slope zero or against the flow',
  'invert-drop': 'the pipe leaving starts above the pipe arriving',
};
// The colours of the AutoCAD colour indices the drawings use, as CAD programs
// show them on a white sheet (7, white on black, is black here).
const aciColours = { 1: [255, 0, 0], 2: [190, 160, 0], 3: [0, 160, 0], 4: [0, 150, 170], 5: [0, 0, 255],
  6: [200, 0, 200], 7: [0, 0, 0], 8: [128, 128, 128], 9: [160, 160, 160],
  // 10 to 249: hue (index / 10 - 1) x 15 degrees; odd indices pale (saturation
  // 0.5), value 1, 0.8, 0.6, 0.5, 0.3 pair by pair: 15 is red, pale, at 0.6.
  15: [153, 76, 76] };
const errorColour = 'rgb(179, 38, 30)';

const downloadIds = {
  'dl-structures': 'structures.csv', 'dl-pipes': 'pipes.csv', 'dl-branches': 'branches.csv',
  'dl-all-profiles': 'all-profiles.dxf', 'dl-structure-schedule': 'structure-schedule.dxf',
  'dl-pipe-schedule': 'pipe-schedule.dxf', 'dl-workbook': 'schedules.xlsx', 'dl-checks': 'design-checks.csv',
};

// The browser and every process under it.
function processTree(root) {
  const rows = require('child_process').execFileSync('ps', ['-eo', 'pid=,ppid=']).toString().trim().split('\n')
    .map((l) => l.trim().split(/\s+/).map(Number));
  const inTree = new Set([root]);
  for (let grown = true; grown;) {
    grown = false;
    for (const [pid, ppid] of rows) if (inTree.has(ppid) && !inTree.has(pid)) { inTree.add(pid); grown = true; }
  }
  return inTree;
}
// Sums a number read from each process's /proc entry; a process gone meanwhile counts nothing.
function sumOverTree(root, read) {
  let sum = 0;
  for (const pid of processTree(root)) {
    try { sum += read(pid); } catch (e) { /* gone meanwhile */ }
  }
  return sum;
}
// The memory of the browser and every process under it, in MB: proportional
// set sizes, so that pages the processes share count once in all.
function treeRssMb(root) {
  const kb = sumOverTree(root, (pid) => {
    const m = /^Pss:\s+(\d+)/m.exec(fs.readFileSync(`/proc/${pid}/smaps_rollup`, 'utf8'));
    return m ? Number(m[1]) : 0;
  });
  return Math.round(kb / 1024);
}
// The processor time the browser's processes have used, in clock ticks.
function treeTicks(root) {
  return sumOverTree(root, (pid) => {
    // The fields after the command's closing parenthesis; utime and stime are the 12th and 13th.
    const fields = fs.readFileSync(`/proc/${pid}/stat`, 'utf8').split(') ')[1].split(' ');
    return Number(fields[11]) + Number(fields[12]);
  });
}
// A browser just started keeps working for seconds on its own pages (it
// preloads parts of its window). The benchmarks measure the page in a browser
// that has finished starting: this waits until the browser's processes have
// used under 2 % of a processor over a second, for at most 20 seconds, and
// returns how long it waited.
async function settle(root) {
  const start = Date.now();
  let before = treeTicks(root);
  while (Date.now() - start < 20000) {
    await new Promise((r) => setTimeout(r, 1000));
    const now = treeTicks(root);
    if (now - before < 2) break;  // 100 ticks a second
    before = now;
  }
  return Date.now() - start;
}

async function main() {
  await new Promise((r) => server.listen(0, '127.0.0.1', r));
  const origin = `http://127.0.0.1:${server.address().port}`;
  const browser = await puppeteer.launch({
    executablePath: plan.chromium, headless: true,
    args: ['--no-sandbox', '--disable-gpu', '--no-first-run', '--disable-dev-shm-usage'],
  });
  const page = await browser.newPage();
  await page.setViewport({ width: 1400, height: 900 });
  const problems = [];
  page.on('pageerror', (e) => problems.push('page error: ' + e.message));
  page.on('console', (m) => { if (m.type() === 'error') problems.push('console: ' + m.text()); });
  page.on('request', (r) => { if (!r.url().startsWith(origin) && !r.url().startsWith('blob:') && !r.url().startsWith('data:')) problems.push('request to ' + r.url()); });
  const cdp = await page.createCDPSession();
  await page.goto(origin + '/', { waitUntil: 'load' });
  await page.waitForFunction(() => document.getElementById('version').textContent !== '', { timeout: 60000 });
  check(await page.title() === 'Tarvello', 'page title');

  const text = (id) => page.$eval('#' + id, (e) => e.textContent);
  const disabled = (id) => page.$eval('#' + id, (e) => e.disabled);
  async function choose(pipe, inlet) {
    const before = await page.evaluate(() => document.body.dataset.opened || '');
    await (await page.$('#pipe-file')).uploadFile(pipe);
    await (await page.$('#inlet-file')).uploadFile(inlet);
    // Opened, or a message, whichever comes.
    await page.waitForFunction((b) => (document.body.dataset.opened || '') !== b ||
      (document.getElementById('status').textContent !== '' && document.getElementById('busy').hidden), { timeout: 600000 }, before);
    await page.waitForFunction(() => document.getElementById('busy').hidden, { timeout: 600000 });
  }
  async function create(outfall, tailWater, egl, criteria) {
    await page.evaluate((o, t, g) => {
      document.getElementById('outfall').value = o;
      document.getElementById('tail-water').value = t;
      document.getElementById('egl').checked = g;
    }, outfall, tailWater, egl);
    if (criteria) {
      await (await page.$('#criteria-file')).uploadFile(criteria);
    } else {
      // A criteria file chosen before is dropped, as the user would.
      await page.$eval('#criteria-file', (e) => { if (e.files.length) { e.value = ''; e.dispatchEvent(new Event('change')); } });
    }
    const before = await page.evaluate(() => document.body.dataset.ran || '');
    await page.$eval('#status', (e) => { e.textContent = ''; });
    // Enter in the outfall box runs it, as the button does.
    await page.focus('#outfall');
    await page.keyboard.press('Enter');
    await page.waitForFunction(() => document.getElementById('status').textContent !== '' && document.getElementById('busy').hidden, { timeout: 600000 });
    return (await page.evaluate(() => document.body.dataset.ran || '')) !== before;
  }
  // A network of over 500 outfalls: the box suggests the first 500 when it
  // is empty, those starting with what is typed otherwise, in the order the
  // CLI lists them.
  async function checkOutfallList(project) {
    const all = fs.readFileSync(project.outfalls, 'utf8').split('\n').filter((o) => o !== '');
    const listed = () => page.$$eval('#outfall-list option', (os) => os.map((o) => o.value));
    const same = (a, b) => JSON.stringify(a) === JSON.stringify(b);
    await page.$eval('#outfall', (e) => { e.value = ''; e.dispatchEvent(new Event('input')); });
    check(all.length > 500 && same(await listed(), all.slice(0, 500)), `${project.name}: outfall list of ${(await listed()).length}`);
    await page.$eval('#outfall', (e) => { e.value = ''; });
    await page.type('#outfall', '10');
    const typed = await listed();
    check(typed.length > 1 && same(typed, all.filter((o) => o.startsWith('10')).slice(0, 500)), `${project.name}: after typing 10 the outfall list holds ${typed.join(',')}`);
  }
  // What pressing the pointer on an element sends first (the element may be on a tab not shown).
  const pressOn = (selector) => page.$eval(selector, (e) => e.dispatchEvent(new PointerEvent('pointerdown')));
  // The records of a CSV file the page saved (quoted fields as the tables write them).
  function csvFile(file) {
    const rows = [];
    let row = [], field = '', quoted = false;
    const text = fs.readFileSync(file, 'utf8');
    for (let i = 0; i < text.length; ++i) {
      const c = text[i];
      if (quoted) {
        if (c === '"' && text[i + 1] === '"') { field += '"'; ++i; } else if (c === '"') quoted = false; else field += c;
      } else if (c === '"') quoted = true;
      else if (c === ',') { row.push(field); field = ''; }
      else if (c === '\n') { row.push(field); rows.push(row); row = []; field = ''; }
      else if (c !== '\r') field += c;
    }
    if (field !== '' || row.length) { row.push(field); rows.push(row); }
    return rows;
  }
  // Which rows the grids must mark, worked out from the saved files alone: a
  // structure whose HGL reaches a known top, and the row each finding names
  // (its branch and structure for freeboard, its branch and pipe otherwise).
  function expectedMarks(dir) {
    const [sHead, ...structures] = csvFile(path.join(dir, 'structures.csv'));
    const [pHead, ...pipes] = csvFile(path.join(dir, 'pipes.csv'));
    const [, ...findings] = csvFile(path.join(dir, 'design-checks.csv'));
    const top = sHead.indexOf('Top Elev.'), high = sHead.indexOf('HGL Elev-High');
    const hgl = new Set();
    structures.forEach((r, i) => { const t = Number(r[top]); if (t !== 0 && Number(r[high]) >= t) hgl.add(i + 1); });
    const sBranch = sHead.indexOf('Branch ID'), sNo = sHead.indexOf('Str #');
    const pBranch = pHead.indexOf('Branch ID'), pNo = pHead.indexOf('Pipe No');
    const found = { structures: new Set(), pipes: new Set() };
    const rowOf = [];
    for (const [, branch, structure, pipe] of findings) {
      const [table, rows, at] = pipe ? ['pipes', pipes, (r) => r[pBranch] === branch && r[pNo] === pipe]
                                     : ['structures', structures, (r) => r[sBranch] === branch && r[sNo] === structure];
      const i = rows.findIndex(at);
      check(i >= 0, `finding ${branch}/${structure}/${pipe} names no row`);
      found[table].add(i + 1);
      rowOf.push({ table, row: i + 1 });
    }
    return { hgl, found, findings, rowOf };
  }
  // Every row drawn at the top of the grid and around each expected row, by
  // its class, against the expectation.
  async function checkMarks(name, grid, cls, expected) {
    await page.click(`[data-tab=${grid}]`);
    const positions = [1, ...[...expected].slice(0, 8)];
    const drawn = await page.evaluate(async (grid, positions) => {
      const body = document.querySelector(`#${grid} .grid-body`);
      const out = [];
      for (const row of positions) {
        body.scrollTop = (row - 1) * 22;
        body.dispatchEvent(new Event('scroll'));
        for (const line of document.querySelectorAll(`#${grid} .grid-rows .grid-row`)) out.push([Number(line.dataset.row), line.className]);
      }
      body.scrollTop = 0;
      body.dispatchEvent(new Event('scroll'));
      return out;
    }, grid, positions);
    check(drawn.length > 0, `${name}: no ${grid} rows drawn`);
    for (const [row, className] of drawn) {
      check(className.split(' ').includes(cls) === expected.has(row), `${name}: ${grid} row ${row} marked "${className}"`);
    }
    for (const row of [...expected].slice(0, 8)) check(drawn.some(([r]) => r === row), `${name}: ${grid} row ${row} never drawn`);
    await page.click('[data-tab=structures]');
  }

  async function noDownloads(what) {
    for (const id of [...Object.keys(downloadIds), 'dl-branch-profile', 'dl-pdf', 'dl-all', 'dl-revisions']) check(await disabled(id), `${what}: ${id} offered`);
  }
  const colourOf = (id) => page.$eval('#' + id, (e) => getComputedStyle(e).color);
  // Types into a field as a user does, so that the page hears every key.
  async function typeInto(id, value) {
    await page.focus('#' + id);
    await page.$eval('#' + id, (e) => e.select());
    await page.keyboard.type(value);
  }
  // Which colour index each line and polyline of a DXF file is drawn in,
  // BYLAYER looked up in the layer table.
  function dxfLineColours(file) {
    const lines = fs.readFileSync(file, 'latin1').split(/\r?\n/);
    const layers = {}, used = new Set();
    let section = '', layer = null, entity = null;
    // BYBLOCK (0) outside a block is drawn as 7.
    const done = () => { if (entity && (entity.type === 'LINE' || entity.type === 'POLYLINE')) used.add((entity.colour === 256 ? (layers[entity.layer] ?? 7) : entity.colour) || 7); };
    for (let i = 0; i + 1 < lines.length; i += 2) {
      const code = Number(lines[i]), v = lines[i + 1].trim();
      if (code === 0 && v === 'SECTION') { section = ''; continue; }
      if (code === 2 && section === '') { section = v; continue; }
      if (section === 'TABLES') {
        if (code === 0) layer = v === 'LAYER' ? {} : null;
        else if (layer && code === 2) layer.name = v;
        else if (layer && code === 62) layers[layer.name] = Math.abs(Number(v));
      } else if (section === 'ENTITIES') {
        if (code === 0) { if (v !== 'VERTEX' && v !== 'SEQEND') { done(); entity = { type: v, colour: 256, layer: '0' }; } }
        else if (entity && code === 8) entity.layer = v;
        else if (entity && code === 62) entity.colour = Math.abs(Number(v));
      }
    }
    done();
    return used;
  }
  // Pixels of the preview drawn in a colour (anti-aliased lines are that
  // colour mixed with the white sheet, at least half of it).
  async function pixelsOf(rgb) {
    return page.$eval('#drawing', (c, rgb) => {
      const d = c.getContext('2d').getImageData(0, 0, c.width, c.height).data;
      let n = 0;
      for (let i = 0; i < d.length; i += 4) {
        const p = [d[i], d[i + 1], d[i + 2]];
        const k = Math.max(...rgb.map((v, j) => (255 - p[j]) / Math.max(255 - v, 1)));
        if (k < 0.5 || k > 1.05) continue;
        if (rgb.every((v, j) => Math.abs(p[j] - (k * v + (1 - k) * 255)) <= 16)) ++n;
      }
      return n;
    }, rgb);
  }
  // Waits for the preview to be drawn after a click.
  async function previewAfter(action) {
    const before = await page.evaluate(() => document.body.dataset.drawn || '');
    await action();
    await page.waitForFunction((b) => (document.body.dataset.drawn || '') !== b && document.getElementById('busy').hidden, { timeout: 120000 }, before);
    await new Promise((r) => setTimeout(r, 100));
  }
  const canvasImage = () => page.$eval('#drawing', (c) => c.toDataURL());

  // The findings table against the downloaded design-checks.csv: heads with
  // the project's units, the cells, the rules in words; the criteria above
  // it; a click on a finding shows its row.
  async function checkFindings(project, expected) {
    const english = project.name !== 'metric';
    const length = english ? 'ft' : 'm';
    const units = { 'velocity-low': english ? 'ft/s' : 'm/s', 'velocity-high': english ? 'ft/s' : 'm/s',
      'size-min': english ? 'in' : 'mm', 'size-decrease': english ? 'in' : 'mm', 'adverse-slope': '%' };
    await page.click('[data-tab=checks-tab]');
    const heads = await page.$$eval('#findings th', (ths) => ths.map((th) => th.textContent));
    check(JSON.stringify(heads) === JSON.stringify(['Rule', 'Branch ID', 'Structure', 'Pipe', `Value (${length})`, `Limit (${length})`]),
          `${project.name}: findings heads ${heads.join(' | ')}`);
    const cells = await page.$$eval('#findings tbody tr', (trs) => trs.map((tr) => [...tr.cells].map((td) => [td.textContent, td.title])));
    check(cells.length === Math.min(expected.findings.length, 500), `${project.name}: ${cells.length} findings shown of ${expected.findings.length}`);
    cells.forEach((row, i) => {
      const want = expected.findings[i] || [];
      const rule = want[0];
      const number = (v) => (units[rule] ? `${v} ${units[rule]}` : v);
      const wanted = [rule, want[1], want[2], want[3], number(want[4]), number(want[5])];
      check(JSON.stringify(row.map((c) => c[0])) === JSON.stringify(wanted), `${project.name}: finding ${i + 1} reads ${row.map((c) => c[0]).join(' | ')}, expected ${wanted.join(' | ')}`);
      check(row[0][1] === ruleTexts[rule], `${project.name}: finding ${i + 1}'s tool tip "${row[0][1]}"`);
    });
    if (project.criteriaLine) check(await text('criteria-in-force') === project.criteriaLine, `${project.name}: "${await text('criteria-in-force')}"`);
    if (project.findingsShot) await (await page.$('#results')).screenshot({ path: project.findingsShot });
    if (cells.length) {
      const at = expected.rowOf[0];
      await page.click('#findings tbody tr');
      const shown = await page.evaluate((table) => ({
        open: !document.getElementById(table).hidden,
        rows: [...document.querySelectorAll(`#${table} .grid-row.selected`)].map((r) => Number(r.dataset.row)) }), at.table);
      check(shown.open && JSON.stringify(shown.rows) === JSON.stringify([at.row]),
            `${project.name}: the first finding shows ${at.table} rows ${shown.rows} (open ${shown.open}), expected row ${at.row}`);
    }
    await page.click('[data-tab=structures]');
  }

  // Scrolled right, Branch ID and the row's number stay at the left; every
  // head is whole (wrapped, not cut) and has its text as tool tip too.
  async function checkKeptColumns(project) {
    await page.click('[data-tab=pipes]');
    const got = await page.evaluate(() => {
      const body = document.querySelector('#pipes .grid-body');
      body.scrollLeft = 800;
      body.dispatchEvent(new Event('scroll'));
      const left = body.getBoundingClientRect().left;
      const at = (sel) => [...document.querySelectorAll(sel)].map((e) => [e.textContent, Math.round(e.getBoundingClientRect().left - left)]);
      return { scrolled: body.scrollLeft, head: at('#pipes .grid-head span.kept'), row: at('#pipes .grid-row:first-child span.kept'),
        heads: [...document.querySelectorAll('#pipes .grid-head span')].map((e) => ({ text: e.textContent, title: e.title,
          whole: e.scrollHeight <= e.clientHeight + 1 && e.scrollWidth <= e.clientWidth + 1 })) };
    });
    check(got.scrolled > 0, 'the pipe table does not scroll right');
    check(JSON.stringify(got.head.map((h) => h[1])) === '[0,92]' && JSON.stringify(got.row.map((h) => h[1])) === '[0,92]' &&
          got.head.map((h) => h[0]).join() === 'Branch ID,Pipe No', `kept columns: heads ${JSON.stringify(got.head)}, first row ${JSON.stringify(got.row)}`);
    for (const h of got.heads) check(h.whole && h.title === h.text, `head "${h.text}" cut or without tool tip`);
    if (project.gridShot) await (await page.$('#pipes')).screenshot({ path: project.gridShot });
    await page.evaluate(() => { const body = document.querySelector('#pipes .grid-body'); body.scrollLeft = 0; body.dispatchEvent(new Event('scroll')); });
    await page.click('[data-tab=structures]');
  }

  // A new tail water after a run: one line naming the run's inputs, and the
  // run's downloads withheld until it runs again; the same value at two
  // decimals is no change.
  async function checkStale(project) {
    const line = `Tables of outfall ${project.outfall}, tail water ${project.tailWater}; the inputs have changed: Create Profile Data to update them.`;
    await typeInto('tail-water', '405.00');
    await page.waitForFunction(() => document.getElementById('stale').textContent !== '');
    check(await text('stale') === line, `stale line "${await text('stale')}"`);
    await noDownloads('stale tables');
    check(!(await disabled('create')), 'Create Profile Data not offered on stale tables');
    await typeInto('tail-water', project.tailWater.replace(/0+$/, ''));
    await page.waitForFunction(() => document.getElementById('stale').textContent === '');
    check(!(await disabled('dl-structures')) && !(await disabled('dl-workbook')), 'downloads not offered again once the fields match');
  }

  // The preview of the branch profile at Zoom to fit: each colour the DXF
  // file's lines use is on the canvas, and labels are drawn; the keyboard
  // zooms and pans; both schedules preview with their texts.
  async function checkPreview(project, dir) {
    await page.click('[data-tab=preview]');
    await page.waitForFunction(() => document.getElementById('busy').hidden);
    await new Promise((r) => setTimeout(r, 300));
    await pressOn('#branch');
    await previewAfter(() => page.select('#branch', project.branch));
    await previewAfter(() => page.click('#fit'));
    const used = dxfLineColours(path.join(dir, `branch-${project.branch}.dxf`));
    check(used.size >= 2, `${project.name}: the profile's lines use colours ${[...used]}`);
    for (const index of used) {
      const rgb = aciColours[index];
      if (!rgb) { check(false, `${project.name}: colour ${index} not in the test's table`); continue; }
      const n = await pixelsOf(rgb);
      check(n >= 20, `${project.name}: ${n} pixels of colour ${index} (${rgb}) in the preview`);
    }
    check(Number(await page.evaluate(() => document.body.dataset.texts)) > 0, `${project.name}: no text drawn at Zoom to fit`);
    if (project.previewShot) await (await page.$('#preview')).screenshot({ path: project.previewShot });
    const fitted = await canvasImage();
    await page.focus('#drawing');
    await previewAfter(() => page.keyboard.press('+'));
    check(await canvasImage() !== fitted, 'the + key does not zoom');
    const zoomed = await canvasImage();
    await previewAfter(() => page.keyboard.press('ArrowLeft'));
    check(await canvasImage() !== zoomed, 'the left arrow does not pan');
    await previewAfter(() => page.keyboard.press('Home'));
    check(await canvasImage() === fitted, 'Home does not fit the drawing again');
    // A schedule is a wide table: its texts show a few zoom steps in.
    for (const id of ['show-structure-schedule', 'show-pipe-schedule']) {
      await previewAfter(() => page.click('#' + id));
      const ink = await pixelsOf([0, 0, 0]);
      await page.focus('#drawing');
      for (let i = 0; i < 4; ++i) await previewAfter(() => page.keyboard.press('+'));
      const texts = Number(await page.evaluate(() => document.body.dataset.texts));
      check(texts > 10 && ink > 500, `${project.name}: ${id}: ${texts} texts, ${ink} dark pixels`);
    }
    await page.click('[data-tab=structures]');
  }

  // At 800 px the help goes below the work; wider, beside it.
  async function checkNarrow() {
    const boxes = async () => page.evaluate(() => Object.fromEntries(['results', 'help'].map((id) => {
      const r = document.getElementById(id).getBoundingClientRect();
      return [id, { left: r.left, right: r.right, top: r.top, bottom: r.bottom }];
    })));
    let b = await boxes();
    check(b.help.left >= b.results.right, `wide: help at ${b.help.left}, work ends at ${b.results.right}`);
    await page.setViewport({ width: 800, height: 900 });
    b = await boxes();
    check(b.help.top >= b.results.bottom && b.results.right - b.results.left > 700,
          `800 px: help top ${b.help.top}, work bottom ${b.results.bottom}, width ${b.results.right - b.results.left}`);
    const split = await page.evaluate(() => {
      const a = document.querySelector('label[for=criteria-file]').getBoundingClientRect();
      const c = document.getElementById('criteria-file').getBoundingClientRect();
      return Math.abs(a.top + a.height / 2 - (c.top + c.height / 2));
    });
    check(split < 8, `800 px: "Design criteria" and its button on different lines (${split} px apart)`);
    if (plan.narrowShot) await page.screenshot({ path: plan.narrowShot, fullPage: true });
    await page.setViewport({ width: 1400, height: 900 });
  }

  // Once opened, the page works with its server gone: the service worker
  // gives the page's own files.
  async function checkOffline(project) {
    const kept = await page.waitForFunction(() => navigator.serviceWorker.controller !== null, { timeout: 60000 })
      .then(() => true, () => false);
    check(kept, 'offline: no service worker keeps the page');
    if (!kept) return;
    await new Promise((r) => { server.close(r); server.closeAllConnections(); });
    await page.reload({ waitUntil: 'load' });
    await page.waitForFunction(() => document.getElementById('version').textContent !== '', { timeout: 60000 });
    await choose(project.pipe, project.inlet);
    check(await create(project.outfall, project.tailWater, false, null), 'offline: the run failed: ' + await text('status'));
    if (project.status) check(await text('status') === project.status, `offline: status "${await text('status')}"`);
    check(!(await disabled('dl-structures')), 'offline: no downloads');
  }

  // The PDF set on the paper chosen, the earlier sets refused with the core's
  // message naming the file, the Revisions tab and its download against
  // tarvello-cli's log, and "Download all"; page_test.sh compares the files.
  async function checkSetOutputs(project, saved) {
    const labels = await page.$$eval('#page-size option', (os) => os.map((o) => o.textContent));
    check(labels[0] === 'tabloid (17 x 11 in)' && labels.includes('a3 (16.5 x 11.7 in)'), `page sizes ${labels.join(', ')}`);
    await page.select('#page-size', project.set.pageSize);
    await saved('dl-pdf', 'set.pdf');
    const chooseOld = async (files) => {
      const before = await page.evaluate(() => document.body.dataset.compared || '');
      await (await page.$('#old-set')).uploadFile(...files);
      await page.waitForFunction((b) => (document.body.dataset.compared || '') !== b && document.getElementById('busy').hidden,
                                 { timeout: 120000 }, before);
    };
    const revisionsShown = () => page.evaluate(() => !document.getElementById('revisions-tab-button').hidden);
    for (const bad of project.set.badOld || []) {
      await chooseOld(bad.files);
      check(await text('old-set-note') === bad.message, `${project.name}: earlier set refused with "${await text('old-set-note')}", expected "${bad.message}"`);
      check(await colourOf('old-set-note') === errorColour, `${project.name}: a refused earlier set not in the error colour`);
      check(await disabled('dl-all') && await disabled('dl-revisions') && !(await revisionsShown()),
            `${project.name}: a refused earlier set still offers Download all, the revisions or their tab`);
    }
    if (project.set.old) {
      await chooseOld(project.set.old);
      check(await text('old-set-note') === '', `${project.name}: the earlier set: "${await text('old-set-note')}"`);
      check(await revisionsShown(), `${project.name}: no Revisions tab`);
      await page.click('[data-tab=revisions-tab]');
      const heads = await page.$$eval('#revisions th', (ths) => ths.map((th) => th.textContent));
      check(heads.join() === 'Change,Item,Id,Column,Old,New', `revision heads ${heads.join()}`);
      const rows = await page.$$eval('#revisions tbody tr', (trs) => trs.map((tr) => [...tr.cells].map((td) => td.textContent)));
      const [, ...wanted] = csvFile(project.set.revisions);
      check(wanted.length > 0 && JSON.stringify(rows) === JSON.stringify(wanted),
            `${project.name}: ${rows.length} revision rows shown, tarvello-cli lists ${wanted.length}: ${JSON.stringify(rows.slice(0, 3))}`);
      await page.click('[data-tab=structures]');
      await saved('dl-revisions', 'revisions.csv');
    } else {
      check(await disabled('dl-revisions') && !(await revisionsShown()), `${project.name}: revisions offered without an earlier set`);
    }
    await saved('dl-all', 'submittal.zip');
    // The next project starts without an earlier set.
    await page.$eval('#old-set', (e) => { e.value = ''; e.dispatchEvent(new Event('change')); });
    await page.select('#page-size', 'tabloid');
  }

  // Saved under the pipe database's name ("highway-structures.csv"), kept
  // under the CLI's name for the comparison.
  async function saved(project, dir, id, file) {
    const stem = path.basename(project.pipe).replace(/\.[^.]*$/, '');
    await page.click('#' + id);
    const named = path.join(dir, `${stem}-${file}`);
    // Saved whole: there, not empty, no part file beside it, and the same
    // size on two looks (a busy machine showed a file before its bytes).
    const deadline = Date.now() + 60000;
    let size = -1;
    while (Date.now() < deadline) {
      const now = fs.existsSync(named) ? fs.statSync(named).size : -1;
      if (now > 0 && now === size && !fs.readdirSync(dir).some((f) => f.endsWith('.crdownload'))) break;
      size = now;
      await new Promise((r) => setTimeout(r, 100));
    }
    check(fs.existsSync(named), `${project.name}: ${stem}-${file} not downloaded`);
    if (fs.existsSync(named)) fs.renameSync(named, path.join(dir, file));
  }
  // For the benchmarks: from the click on a download until its file is saved.
  async function timeDownload(project, dir, id, name) {
    const file = path.join(dir, path.basename(project.pipe).replace(/\.[^.]*$/, '') + '-' + name);
    fs.rmSync(file, { force: true });
    const t0 = Date.now();
    await page.click('#' + id);
    const failed = () => page.evaluate(() => document.getElementById('status').classList.contains('error'));
    while (!fs.existsSync(file) && Date.now() - t0 < 1800000 && !(await failed())) await new Promise((r) => setTimeout(r, 50));
    check(fs.existsSync(file), `${project.name}: no ${name} saved`);
    return Date.now() - t0;
  }

  // The computation sheet, the quantities and the grouped warnings, against
  // the CLI's files (page_test.sh compares the downloads byte for byte): the
  // heads are the CSV's, only the rows in view are in the document, a sheet
  // row shows its structure row; a group per kind in the order the kinds
  // first occur, counted, closed above ten, its sentences drawn only in view
  // and each taking the user to its row.
  async function checkSheetsAndWarnings(project, dir) {
    for (const [id, file] of [['dl-hgl-sheet', 'hgl-computation.csv'], ['dl-quantities', 'quantities.csv'], ['dl-warnings', 'warnings.csv']]) {
      await saved(project, dir, id, file);
      await page.waitForFunction(() => document.getElementById('busy').hidden);
    }
    const [sHead, ...structures] = csvFile(path.join(dir, 'structures.csv'));
    const [hHead, ...sheet] = csvFile(path.join(dir, 'hgl-computation.csv'));
    const tableOf = (id) => page.evaluate((id) => {
      const t = document.querySelector(`#${id} table.sheet`);
      return { heads: [...t.tHead.rows[0].cells].map((c) => [c.textContent, c.title, c.classList.contains('kept')]),
        rows: [...t.tBodies[0].rows].filter((r) => r.className !== 'spacer').map((r) => [Number(r.dataset.row), [...r.cells].map((c) => c.textContent)]) };
    }, id);
    const before = await page.evaluate(() => document.body.dataset.hglSheet || '');
    await page.click('[data-tab=hgl-sheet]');
    await page.waitForFunction((b) => (document.body.dataset.hglSheet || '') !== b && document.getElementById('busy').hidden, { timeout: 120000 }, before);
    let got = await tableOf('hgl-sheet');
    check(JSON.stringify(got.heads.map((h) => h[0])) === JSON.stringify(hHead), `${project.name}: sheet heads ${got.heads.map((h) => h[0])}`);
    check(got.heads.every((h) => h[1] === h[0]) && got.heads.filter((h) => h[2]).map((h) => h[0]).join() === 'Branch ID,Str #',
          `${project.name}: sheet heads' tool tips or kept columns ${JSON.stringify(got.heads)}`);
    check(sheet.length === structures.length, `${project.name}: ${sheet.length} sheet rows for ${structures.length} structure rows`);
    check(got.rows.length > 0 && got.rows.length <= 30, `${project.name}: ${got.rows.length} sheet rows in the document`);
    // A row deep in the sheet, scrolled to, reads as the file's row; clicked,
    // it selects the structure row of its branch and number.
    const k = Math.max(1, Math.floor(sheet.length * 0.7));
    await page.evaluate((k) => { const b = document.querySelector('#hgl-sheet .sheet-body'); b.scrollTop = (k - 1) * 22; b.dispatchEvent(new Event('scroll')); }, k);
    got = await tableOf('hgl-sheet');
    const drawn = got.rows.find(([r]) => r === k);
    check(drawn && JSON.stringify(drawn[1]) === JSON.stringify(sheet[k - 1]), `${project.name}: sheet row ${k} reads ${drawn && drawn[1]}`);
    const onScreen = await page.evaluate((k) => {
      const tr = document.querySelector(`#hgl-sheet tr[data-row="${k}"]`), b = document.querySelector('#hgl-sheet .sheet-body').getBoundingClientRect();
      const r = tr.getBoundingClientRect();
      return r.top >= b.top && r.bottom <= b.bottom + 1;
    }, k);
    check(onScreen, `${project.name}: sheet row ${k} drawn out of view`);
    if (project.sheetShot) await page.screenshot({ path: project.sheetShot });
    await page.click(`#hgl-sheet tr[data-row="${k}"] td:nth-child(3)`);
    const chosen = await page.evaluate(() => {
      const line = document.querySelector('#structures .grid-row.selected');
      return { open: !document.getElementById('structures').hidden, row: line && Number(line.dataset.row),
        cells: line ? [...line.children].map((c) => c.textContent) : [] };
    });
    const bId = sHead.indexOf('Branch ID'), sNo = sHead.indexOf('Str #');
    check(chosen.open && chosen.row === k && chosen.cells[bId] === sheet[k - 1][0] && chosen.cells[sNo] === sheet[k - 1][1],
          `${project.name}: sheet row ${k} (${sheet[k - 1].slice(0, 2)}) chose ${JSON.stringify(chosen)}`);
    // The quantities: small, every row drawn.
    const [qHead, ...amounts] = csvFile(path.join(dir, 'quantities.csv'));
    const made = await page.evaluate(() => document.body.dataset.quantities || '');
    await page.click('[data-tab=quantities]');
    await page.waitForFunction((b) => (document.body.dataset.quantities || '') !== b && document.getElementById('busy').hidden, { timeout: 120000 }, made);
    got = await tableOf('quantities');
    check(JSON.stringify(got.heads.map((h) => h[0])) === JSON.stringify(qHead), `${project.name}: quantities heads ${got.heads.map((h) => h[0])}`);
    const drawnAmounts = [...got.rows];
    await page.evaluate(() => { const b = document.querySelector('#quantities .sheet-body'); b.scrollTop = b.scrollHeight; b.dispatchEvent(new Event('scroll')); });
    drawnAmounts.push(...(await tableOf('quantities')).rows);
    check(drawnAmounts.some(([r]) => r === 1) && drawnAmounts.some(([r]) => r === amounts.length) &&
          drawnAmounts.every(([r, cells]) => JSON.stringify(cells) === JSON.stringify(amounts[r - 1])),
          `${project.name}: quantities ${JSON.stringify(drawnAmounts)}`);

    // The warnings as groups, from the CSV of them all (a sentence about
    // several pipes is a row per pipe there).
    const [, ...warned] = csvFile(path.join(dir, 'warnings.csv'));
    const groups = [];
    let last = null;
    for (const [kind, branch, structure, pipe, message] of warned) {
      const item = { branch, structure, pipe, message };
      if (last && last.kind === kind && kind === 'not-draining' && last.message === message) continue;
      last = { kind, message };
      let g = groups.find((x) => x.kind === kind);
      if (!g) groups.push(g = { kind, items: [] });
      g.items.push(item);
    }
    const shown = await page.$$eval('#warnings > li > details', (ds) => ds.map((d) => [d.querySelector('summary').textContent, d.open]));
    check(JSON.stringify(shown) === JSON.stringify(groups.map((g) => [`${g.kind} (${g.items.length})`, g.items.length <= 10])),
          `${project.name}: warning groups ${JSON.stringify(shown)}, expected ${groups.map((g) => `${g.kind} (${g.items.length})`)}`);
    const big = groups.findIndex((g) => g.items.length > 10);
    if (project.manyWarnings) check(big >= 0 && groups[big].items.length > 500, `${project.name}: no large group of warnings`);
    if (big < 0) return;
    const g = groups[big];
    const items = () => page.$$eval(`#warnings > li:nth-child(${big + 1}) .warning-item`, (es) => es.map((e) => [Number(e.dataset.index), e.textContent]));
    // Closed (it holds more than ten): a click opens it.
    if (!(await page.$eval(`#warnings > li:nth-child(${big + 1}) details`, (d) => d.open))) await page.click(`#warnings > li:nth-child(${big + 1}) summary`);
    await page.waitForFunction((n) => document.querySelectorAll(`#warnings > li:nth-child(${n}) .warning-item`).length > 0, { timeout: 60000 }, big + 1);
    let seen = await items();
    check(seen.length <= 12 && seen.every(([i, t]) => t === g.items[i].message), `${project.name}: ${seen.length} warnings drawn of ${g.kind}: ${JSON.stringify(seen.slice(0, 3))}`);
    const nodes = await page.$$eval('#warnings *', (es) => es.length);
    check(nodes < 20 * groups.length + 40, `${project.name}: ${nodes} elements for ${warned.length} warnings`);
    // The last of the group, scrolled to, then chosen.
    await page.$eval(`#warnings > li:nth-child(${big + 1}) .warning-items`, (l) => { l.scrollTop = l.scrollHeight; l.dispatchEvent(new Event('scroll')); });
    seen = await items();
    const end = g.items.length - 1;
    check(seen.some(([i, t]) => i === end && t === g.items[end].message), `${project.name}: the last ${g.kind} warning not drawn at the end: ${JSON.stringify(seen.slice(-2))}`);
    const target = g.items[end];
    if (target.structure) {
      const want = 1 + structures.findIndex((r) => r[bId] === target.branch && r[sNo] === target.structure);
      await page.click(`#warnings > li:nth-child(${big + 1}) .warning-item[data-index="${end}"]`);
      await page.waitForFunction((w) => { const l = document.querySelector('#structures .grid-row.selected'); return l && Number(l.dataset.row) === w; }, { timeout: 10000 }, want)
        .catch(() => check(false, `${project.name}: warning about ${target.branch}/${target.structure} did not select structure row ${want}`));
    }
    await page.$eval(`#warnings > li:nth-child(${big + 1}) details`, (d) => { d.open = false; });
    await page.click('[data-tab=structures]');
  }

  // A good run first, so that the failures must also clear what it left.
  const first = plan.projects[0];
  await choose(first.pipe, first.inlet);
  // Tab walks the steps in order.
  const steps = ['pipe-file', 'inlet-file', 'outfall', 'tail-water', 'egl', 'criteria-file', 'create'];
  await page.$eval('#outfall', (e, v) => { e.value = v; e.dispatchEvent(new Event('input')); }, first.outfall);
  await page.focus('#pipe-file');
  const visited = ['pipe-file'];
  for (let i = 0; i < 20 && visited[visited.length - 1] !== 'create'; ++i) {
    await page.keyboard.press('Tab');
    visited.push(await page.evaluate(() => document.activeElement.id));
  }
  // A press that a browser pop-up (autofill, the outfall list) takes leaves the
  // focus where it was, or sends it back a step; the order in which the steps
  // are first reached is what counts.
  const order = visited.filter((id, k) => steps.includes(id) && visited.indexOf(id) === k);
  check(JSON.stringify(order) === JSON.stringify(steps), `Tab order: ${visited.join(' > ')}`);
  check(await create(first.outfall, first.tailWater, false, null), 'first run');
  check(!(await disabled('dl-pdf')) && !(await disabled('dl-all')), 'the PDF set or Download all not offered after a run');
  check(await colourOf('status') !== errorColour, 'a created run is shown in the error colour');
  for (const bad of plan.bad) {
    if (bad.pipe) await choose(bad.pipe, bad.inlet);
    if (bad.outfall !== undefined) await create(bad.outfall, bad.tailWater || '0.00', false, bad.criteria || null);
    check(await text('status') === bad.message, `${bad.name}: status "${await text('status')}", expected "${bad.message}"`);
    check(await colourOf('status') === errorColour, `${bad.name}: shown in ${await colourOf('status')}, not the error colour`);
    if (bad.outfall !== undefined && !bad.criteria) {
      check((await text('status')).startsWith('Create Profile Data failed: '), `${bad.name}: a failed run reads "${await text('status')}"`);
      check(await text('findings-summary') === 'No tables to check: Create Profile Data failed.', `${bad.name}: design checks say "${await text('findings-summary')}"`);
      check(await page.$$eval('#findings tbody tr', (r) => r.length) === 0, `${bad.name}: findings left in the table`);
    }
    await noDownloads(bad.name + ' (after a failure)');
    const rows = await page.$eval('#structures .grid-rows', (e) => e.childElementCount);
    check(rows === 0, `${bad.name}: ${rows} old rows left on screen`);
  }
  // The last of them chose a criteria file. Dropping another project's two
  // files: the pickers name them, and that criteria file no longer holds.
  const metric = plan.projects.find((p) => p.name === 'metric');
  if (metric && plan.bad.some((b) => b.criteria)) {
    const before = await page.evaluate(() => document.body.dataset.opened || '');
    await page.evaluate((files) => {
      const list = new DataTransfer();
      for (const f of files) list.items.add(new File([Uint8Array.from(atob(f.data), (c) => c.charCodeAt(0))], f.name));
      document.body.dispatchEvent(new DragEvent('drop', { dataTransfer: list, bubbles: true, cancelable: true }));
    }, [metric.pipe, metric.inlet].map((f) => ({ name: path.basename(f), data: fs.readFileSync(f).toString('base64') })));
    await page.waitForFunction((b) => (document.body.dataset.opened || '') !== b, { timeout: 600000 }, before);
    const picked = await page.evaluate(() => ['pipe-file', 'inlet-file', 'criteria-file'].map((id) => [...document.getElementById(id).files].map((f) => f.name).join()));
    check(JSON.stringify(picked) === JSON.stringify(['metric.bvp', 'metric.olm', '']), `after a drop the pickers hold ${picked}`);
    check(/^The criteria file bad\.toml was cleared/.test(await text('criteria-note')), `criteria note: "${await text('criteria-note')}"`);
    check(await text('tail-water-unit') === 'm', `metric tail water in "${await text('tail-water-unit')}"`);
    // Both pickers changed in one go, the inlet file chosen before being read
    // more slowly (held back here): the open of the new pipe file with that
    // inlet file must not reach the worker after the open of the two new
    // files (the worker's units, as the criteria line shows them, would then
    // be the old inlet's).
    const english = plan.projects.find((p) => p.name === 'net1001');
    if (english) {
      await choose(english.pipe, english.inlet);
      const opened = await page.evaluate(() => document.body.dataset.opened || '');
      await page.evaluate((slow) => {
        const read = File.prototype.arrayBuffer;
        File.prototype.arrayBuffer = function () {
          const bytes = read.call(this);
          return this.name === slow ? bytes.then((b) => new Promise((r) => setTimeout(() => r(b), 500))) : bytes;
        };
      }, path.basename(english.inlet));
      await page.evaluate((files) => {
        for (const [id, f] of files) {
          const list = new DataTransfer();
          list.items.add(new File([Uint8Array.from(atob(f.data), (c) => c.charCodeAt(0))], f.name));
          document.getElementById(id).files = list.files;
          document.getElementById(id).dispatchEvent(new Event('change'));
        }
      }, [['pipe-file', metric.pipe], ['inlet-file', metric.inlet]].map(([id, f]) => [id, { name: path.basename(f), data: fs.readFileSync(f).toString('base64') }]));
      await page.waitForFunction((b) => (document.body.dataset.opened || '') !== b && document.getElementById('busy').hidden, { timeout: 600000 }, opened);
      await new Promise((r) => setTimeout(r, 1500));
      await page.evaluate(() => { delete File.prototype.arrayBuffer; });
      await page.$eval('#criteria-file', (e) => e.dispatchEvent(new Event('change')));
      await page.waitForFunction(() => document.getElementById('busy').hidden);
      await new Promise((r) => setTimeout(r, 300));
      check(/ m;/.test(await text('criteria-in-force')), `after both pickers changed at once: "${await text('criteria-in-force')}"`);
    }
  }

  if (plan.settle) console.log(`settled: ${await settle(browser.process().pid)} ms`);
  // The page's own clock for the benchmarks: from the first file picker's
  // change event until the outfall box opens, and from the Enter in it until
  // the status line says the run's outcome, each to the next frame drawn
  // after it (the driver's round trips to the browser are not the page's
  // time). The listeners read the clock as the event is dispatched, not from
  // the event, whose time the driver sets.
  await page.evaluate(() => {
    const clock = window.pageClock = { reset() { Object.assign(this, { chosen: -1, opened: -1, asked: -1, shown: -1 }); } };
    clock.reset();
    const [pipe, inlet, outfall, status] = ['pipe-file', 'inlet-file', 'outfall', 'status'].map((id) => document.getElementById(id));
    const atNextFrame = (key) => { clock[key] = 0; requestAnimationFrame(() => { clock[key] = performance.now(); }); };
    for (const picker of [pipe, inlet]) picker.addEventListener('change', () => { if (clock.chosen < 0) clock.chosen = performance.now(); }, true);
    new MutationObserver(() => {
      if (clock.chosen >= 0 && clock.opened < 0 && !outfall.disabled) atNextFrame('opened');
    }).observe(outfall, { attributes: true, attributeFilter: ['disabled'] });
    outfall.addEventListener('keydown', (e) => { if (e.key === 'Enter' && clock.asked < 0) clock.asked = performance.now(); }, true);
    new MutationObserver(() => {
      if (clock.asked >= 0 && clock.shown < 0 && status.textContent !== '') atNextFrame('shown');
    }).observe(status, { childList: true, characterData: true, subtree: true });
  });
  const downloads = path.join(plan.work, 'page');
  for (const project of plan.projects) {
    const dir = path.join(downloads, project.name);
    fs.mkdirSync(dir, { recursive: true });
    await cdp.send('Browser.setDownloadBehavior', { behavior: 'allow', downloadPath: dir });
    await page.evaluate(() => window.pageClock.reset());
    const t0 = Date.now();
    await choose(project.pipe, project.inlet);
    const opened = Date.now();
    const ok = await create(project.outfall, project.tailWater, project.egl, project.criteria || null);
    const done = Date.now();
    check(await text('units') !== '' && !(await disabled('outfall')), `${project.name}: outfall box not opened`);
    check(ok, `${project.name}: run failed: ${await text('status')}`);
    // (Files the pickers already held open nothing.)
    await page.waitForFunction(() => window.pageClock.shown > 0 && (window.pageClock.opened > 0 || window.pageClock.chosen < 0));
    const clock = await page.evaluate(() => window.pageClock);
    const [open, run] = [clock.chosen < 0 ? 0 : clock.opened - clock.chosen, clock.shown - clock.asked].map(Math.round);
    fs.writeFileSync(path.join(dir, 'status.txt'), await text('status') + '\n');
    console.log(`${project.name}: open ${open} ms, create ${run} ms, page work ${open + run} ms, ` +
                `driver ${done - t0} ms (open ${opened - t0}), chromium ${treeRssMb(browser.process().pid)} MB (` +
                await page.evaluate(() => document.body.dataset.timings) + ')');
    if (project.timePdf) console.log(`${project.name}: pdf ${await timeDownload(project, dir, 'dl-pdf', 'set.pdf')} ms`);
    if (project.timeAll) console.log(`${project.name}: all ${await timeDownload(project, dir, 'dl-all', 'submittal.zip')} ms`);
    if (project.timeOnly) continue;
    // One at a time, each saved before the next is asked for.
    const save = (id, file) => saved(project, dir, id, file);
    check(await text('tail-water-unit') === (project.name === 'metric' ? 'm' : 'ft'), `${project.name}: tail water in "${await text('tail-water-unit')}"`);
    if (project.status) check(await text('status') === project.status, `${project.name}: status "${await text('status')}"`);
    for (const [id, file] of Object.entries(downloadIds)) await save(id, file);
    await checkSheetsAndWarnings(project, dir);
    const expected = expectedMarks(dir);
    await checkFindings(project, expected);
    // The Branch list: each branch once, in the branch table's order.
    const [bHead, ...branchRows] = csvFile(path.join(dir, 'branches.csv'));
    const bId = bHead.indexOf('Branch ID');
    const branches = [...new Set(branchRows.map((r) => r[bId]).filter((b) => b !== ''))];
    // Until it is first used it holds the first branch, chosen.
    const options = () => page.$$eval('#branch option', (os) => os.map((o) => o.value));
    check(JSON.stringify(await options()) === JSON.stringify(branches.slice(0, 1)), `${project.name}: unused Branch list ${await options()}`);
    await pressOn('#branch');
    const listed = await options();
    check(JSON.stringify(listed) === JSON.stringify(branches), `${project.name}: Branch list ${listed.join(',')}, expected ${branches.join(',')}`);
    check(await page.$eval('#branch', (e) => e.value) === branches[0], `${project.name}: listing the branches changed the one chosen`);
    if (project.stale) await checkStale(project);
    if (project.preview) await checkKeptColumns(project);
    await checkMarks(project.name, 'structures', 'hgl-top', expected.hgl);
    await checkMarks(project.name, 'structures', 'finding', expected.found.structures);
    await checkMarks(project.name, 'pipes', 'finding', expected.found.pipes);
    await pressOn('#branch');
    await page.select('#branch', project.branch);
    await page.waitForFunction(() => !document.getElementById('dl-branch-profile').disabled);
    await save('dl-branch-profile', `branch-${project.branch}.dxf`);
    if (project.screenshot) await page.screenshot({ path: project.screenshot });
    if (project.preview) await checkPreview(project, dir);
    if (project.set) await checkSetOutputs(project, save);
    if (project.outfalls) await checkOutfallList(project);
  }
  // Not in the benchmark's timing runs.
  if (plan.projects.some((p) => !p.timeOnly)) {
    await checkNarrow();
    await checkOffline(plan.projects[0]);
  }
  check(problems.length === 0, 'console and requests: ' + problems.join('; '));
  await browser.close();
  // The server is closed by the offline check only; a run without that check
  // (the benchmarks' timing runs, or no service worker) would otherwise keep
  // node waiting on it for ever.
  if (server.listening) { server.close(); server.closeAllConnections(); }
  if (failures.length) { console.error(`${failures.length} failures`); process.exit(1); }
  console.log('page test: all checks passed');
}
main().catch((e) => { console.error(e); process.exit(1); });
