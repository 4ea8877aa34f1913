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

const types = { '.html': 'text/html', '.js': 'text/javascript', '.css': 'text/css', '.wasm': 'application/wasm', '.svg': 'image/svg+xml' };
const server = http.createServer((req, res) => {
  const file = path.join(site, path.normalize(decodeURIComponent(req.url.split('?')[0])).replace(/^(\.\.[/\\])+/, ''));
  const name = file.endsWith(path.sep) ? path.join(file, 'index.html') : file;
  fs.readFile(name, (err, data) => {
    if (err) { res.writeHead(404); res.end(); return; }
    res.writeHead(200, { 'Content-Type': types[path.extname(name)] || 'application/octet-stream' });
    res.end(data);
  });
});

const downloadIds = {
  'dl-structures': 'structures.csv', 'dl-pipes': 'pipes.csv', 'dl-branches': 'branches.csv',
  'dl-all-profiles': 'all-profiles.dxf', 'dl-structure-schedule': 'structure-schedule.dxf',
  'dl-pipe-schedule': 'pipe-schedule.dxf', 'dl-workbook': 'schedules.xlsx', 'dl-checks': 'design-checks.csv',
};

// The memory of the browser and every process under it, in MB.
function treeRssMb(root) {
  const rows = require('child_process').execFileSync('ps', ['-eo', 'pid=,ppid=,rss=']).toString().trim().split('\n')
    .map((l) => l.trim().split(/\s+/).map(Number));
  const inTree = new Set([root]);
  for (let grown = true; grown;) {
    grown = false;
    for (const [pid, ppid] of rows) if (inTree.has(ppid) && !inTree.has(pid)) { inTree.add(pid); grown = true; }
  }
  // Proportional set sizes: pages the processes share count once in all.
  let kb = 0;
  for (const pid of inTree) {
    try {
      const m = /^Pss:\s+(\d+)/m.exec(fs.readFileSync(`/proc/${pid}/smaps_rollup`, 'utf8'));
      if (m) kb += Number(m[1]);
    } catch (e) { /* gone meanwhile */ }
  }
  return Math.round(kb / 1024);
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
    await page.$eval('#outfall', (e, v) => { e.value = v; }, outfall);
    await page.$eval('#tail-water', (e, v) => { e.value = v; }, tailWater);
    await page.$eval('#egl', (e, v) => { e.checked = v; }, egl);
    if (criteria) {
      await (await page.$('#criteria-file')).uploadFile(criteria);
    } else {
      await page.$eval('#criteria-file', (e) => { e.value = ''; e.dispatchEvent(new Event('change')); });
    }
    const before = await page.evaluate(() => document.body.dataset.ran || '');
    await page.$eval('#status', (e) => { e.textContent = ''; });
    // Enter in the outfall box runs it, as the button does.
    await page.focus('#outfall');
    await page.keyboard.press('Enter');
    await page.waitForFunction(() => document.getElementById('status').textContent !== '' && document.getElementById('busy').hidden, { timeout: 600000 });
    return (await page.evaluate(() => document.body.dataset.ran || '')) !== before;
  }
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
    for (const [, branch, structure, pipe] of findings) {
      const [table, rows, at] = pipe ? ['pipes', pipes, (r) => r[pBranch] === branch && r[pNo] === pipe]
                                     : ['structures', structures, (r) => r[sBranch] === branch && r[sNo] === structure];
      const i = rows.findIndex(at);
      check(i >= 0, `finding ${branch}/${structure}/${pipe} names no row`);
      found[table].add(i + 1);
    }
    return { hgl, found };
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
    for (const id of [...Object.keys(downloadIds), 'dl-branch-profile']) check(await disabled(id), `${what}: ${id} offered after a failure`);
  }

  // A good run first, so that the failures must also clear what it left.
  const first = plan.projects[0];
  await choose(first.pipe, first.inlet);
  // Tab walks the steps in order.
  const steps = ['pipe-file', 'inlet-file', 'outfall', 'tail-water', 'egl', 'criteria-file', 'create'];
  await page.$eval('#outfall', (e, v) => { e.value = v; e.dispatchEvent(new Event('input')); }, first.outfall);
  await page.focus('#pipe-file');
  const visited = ['pipe-file'];
  for (let i = 0; i < 12 && visited[visited.length - 1] !== 'create'; ++i) {
    await page.keyboard.press('Tab');
    visited.push(await page.evaluate(() => document.activeElement.id));
  }
  // A press that a browser pop-up (autofill, the outfall list) takes leaves the
  // focus where it was; only the order of the steps counts.
  const order = visited.filter((id, k) => steps.includes(id) && id !== visited[k - 1]);
  check(JSON.stringify(order) === JSON.stringify(steps), `Tab order: ${visited.join(' > ')}`);
  check(await create(first.outfall, first.tailWater, false, null), 'first run');
  for (const bad of plan.bad) {
    if (bad.pipe) await choose(bad.pipe, bad.inlet);
    if (bad.outfall !== undefined) await create(bad.outfall, bad.tailWater || '0.00', false, bad.criteria || null);
    check(await text('status') === bad.message, `${bad.name}: status "${await text('status')}", expected "${bad.message}"`);
    await noDownloads(bad.name);
    const rows = await page.$eval('#structures .grid-rows', (e) => e.childElementCount);
    check(rows === 0, `${bad.name}: ${rows} old rows left on screen`);
  }

  const downloads = path.join(plan.work, 'page');
  for (const project of plan.projects) {
    const dir = path.join(downloads, project.name);
    fs.mkdirSync(dir, { recursive: true });
    await cdp.send('Browser.setDownloadBehavior', { behavior: 'allow', downloadPath: dir });
    const t0 = Date.now();
    await choose(project.pipe, project.inlet);
    check(await text('units') !== '' && !(await disabled('outfall')), `${project.name}: outfall box not opened`);
    const opened = Date.now();
    const ok = await create(project.outfall, project.tailWater, project.egl, project.criteria || null);
    const done = Date.now();
    check(ok, `${project.name}: run failed: ${await text('status')}`);
    fs.writeFileSync(path.join(dir, 'status.txt'), await text('status') + '\n');
    console.log(`${project.name}: open ${opened - t0} ms, create ${done - opened} ms, page work ${done - t0} ms, ` +
                `chromium ${treeRssMb(browser.process().pid)} MB (` +
                await page.evaluate(() => document.body.dataset.timings) + ')');
    if (project.timeOnly) continue;
    // One at a time, each saved before the next is asked for.
    const saved = async (id, file) => {
      await page.click('#' + id);
      const deadline = Date.now() + 60000;
      while (Date.now() < deadline && !fs.existsSync(path.join(dir, file))) await new Promise((r) => setTimeout(r, 100));
      check(fs.existsSync(path.join(dir, file)), `${project.name}: ${file} not downloaded`);
    };
    for (const [id, file] of Object.entries(downloadIds)) await saved(id, file);
    const expected = expectedMarks(dir);
    await checkMarks(project.name, 'structures', 'hgl-top', expected.hgl);
    await checkMarks(project.name, 'structures', 'finding', expected.found.structures);
    await checkMarks(project.name, 'pipes', 'finding', expected.found.pipes);
    await page.select('#branch', project.branch);
    await page.waitForFunction(() => !document.getElementById('dl-branch-profile').disabled);
    await saved('dl-branch-profile', `branch-${project.branch}.dxf`);
    if (project.screenshot) {
      await page.screenshot({ path: project.screenshot });
      await page.click('[data-tab=preview]');
      await page.select('#branch', project.branch);
      await new Promise((r) => setTimeout(r, 500));
      await page.screenshot({ path: project.screenshot.replace(/\.png$/, '-drawing.png') });
      await page.click('[data-tab=structures]');
    }
  }
  check(problems.length === 0, 'console and requests: ' + problems.join('; '));
  await browser.close();
  server.close();
  if (failures.length) { console.error(`${failures.length} failures`); process.exit(1); }
  console.log('page test: all checks passed');
}
main().catch((e) => { console.error(e); process.exit(1); });
