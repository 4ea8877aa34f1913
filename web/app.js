// The page: reads the two databases the user picks, hands them to the worker,
// and shows what comes back (tables, findings, drawings, downloads).
'use strict';
(() => {
  const $ = (id) => document.getElementById(id);
  const worker = new Worker('worker.js');
  let requestCount = 0;
  const pending = new Map();
  const ask = (msg, transfer) => new Promise((resolve) => {
    msg.requestId = ++requestCount;
    pending.set(msg.requestId, resolve);
    worker.postMessage(msg, transfer || []);
  });
  worker.onmessage = (event) => {
    const msg = event.data;
    if (msg.kind === 'ready') { moduleReady(msg); return; }
    const resolve = pending.get(msg.requestId);
    pending.delete(msg.requestId);
    if (resolve) resolve(msg);
  };
  // The page's own files, kept for working offline once opened.
  if ('serviceWorker' in navigator && location.protocol !== 'file:')
    navigator.serviceWorker.register('sw.js').catch(() => { /* no offline copy; the page works as ever */ });

  // What the page holds: the open project and the run its tables come from.
  const state = {
    busy: false,
    opened: false,
    english: null,
    run: null,    // the last created run: {files: {id: bytes}}
    stale: '',    // '' while the run matches the fields, else the line saying it does not
  };
  let catalogue = [];  // the outputs, from the module
  let names = {};      // their download names for the open project
  let aci = [];        // the AutoCAD colour index's colours, as the window's viewer draws them
  let ruleTexts = {};  // design-check rule id -> the rule in words
  let drawing = null;  // what the preview shows
  let previewing = null;  // {id, key} of the drawing the preview shows
  const types = { csv: 'text/csv', dxf: 'application/dxf', pdf: 'application/pdf', zip: 'application/zip',
    xlsx: 'application/vnd.openxmlformats-officedocument.spreadsheetml.sheet' };

  // ---- what each button can do now: one table of rules, '' when the
  // command can act, otherwise why not (its tool tip) ----
  const needRun = () => (state.busy ? 'Working…' : !state.run ? 'No tables yet: run Create Profile Data first.' : '');
  const commands = [
    { id: 'create', element: 'create',
      rule: () => (state.busy ? 'Working…' : !state.opened ? 'Open a pipe and an inlet project database first.' : '') },
    { id: 'show-all', element: 'show-all', rule: needRun },
    { id: 'show-structure-schedule', element: 'show-structure-schedule', rule: needRun },
    { id: 'show-pipe-schedule', element: 'show-pipe-schedule', rule: needRun },
    { id: 'fit', element: 'fit', rule: () => (drawing ? '' : 'Nothing in the preview yet.') },
  ];
  function outputRule(o) {
    if (!o.available) return 'This edition cannot make it.';
    const why = needRun();
    if (why) return why;
    if (state.stale) return state.stale;
    if (o.target === 'branch' && !$('branch').value) return 'Pick a branch first.';
    return '';
  }
  function updateCommands() {
    for (const c of commands) {
      const why = c.rule();
      const el = $(c.element);
      el.disabled = why !== '';
      el.title = why || c.title || '';
    }
  }

  function moduleReady(msg) {
    $('version').textContent = msg.version;
    if (catalogue.length) return;  // a module started again after a failure
    catalogue = msg.catalogue;
    aci = msg.aciColours;
    ruleTexts = Object.fromEntries(msg.checkRules.map((r) => [r.id, r.description]));
    // A button per output of the catalogue that a download can give: "dl-<id>".
    const buttons = [];
    for (const o of catalogue) {
      if (o.target === 'row') continue;
      const b = document.createElement('button');
      b.id = 'dl-' + o.id;
      b.dataset.output = o.id;
      b.addEventListener('click', () => download(o));
      buttons.push(b);
      commands.push({ id: b.id, element: b.id, rule: () => outputRule(o), title: '' });
    }
    $('downloads').replaceChildren(...buttons);
    showPageSizes(msg.pageSizes);
    nameDownloads();
    updateCommands();
  }
  function nameDownloads() {
    for (const o of catalogue) {
      const b = $('dl-' + o.id);
      if (!b) continue;
      if (o.target === 'branch') b.textContent = 'Branch profile';
      else if (o.id === 'pdf') b.textContent = 'PDF set';
      else b.textContent = names[o.id] || `${o.fileStem}.${o.extension}`;
    }
  }

  function setStatus(text, error) {
    $('status').textContent = text;
    $('status').classList.toggle('error', Boolean(error));
  }
  function setStale(line) {
    state.stale = line;
    $('stale').textContent = line;
    updateCommands();
  }
  function setBusy(on) {
    state.busy = on;
    $('busy').hidden = !on;
    updateCommands();
  }

  function save(name, bytes) {
    const ext = name.split('.').pop();
    const url = URL.createObjectURL(new Blob([bytes], { type: types[ext] || 'application/octet-stream' }));
    const a = document.createElement('a');
    a.href = url;
    a.download = name;
    document.body.appendChild(a);
    a.click();
    a.remove();
    setTimeout(() => URL.revokeObjectURL(url), 10000);
  }

  // ---- the two databases ----
  let pipeFile = null, inletFile = null;
  let openTimings = '';  // for the benchmark
  let sentPipe = null;  // the pipe file the worker was last sent, unless it failed
  let openCount = 0;  // only the latest choice of files counts
  async function openProject() {
    const count = ++openCount;
    state.opened = false;
    state.english = null;
    $('outfall').disabled = true;
    $('tail-water').disabled = true;
    $('units').textContent = '';
    $('tail-water-unit').textContent = '';
    setStatus('');
    showWarnings(null);
    clearResults();
    if (!pipeFile || !inletFile) return;
    setBusy(true);
    const reading = performance.now();
    // Picking the pipe file and then the inlet file opens twice; the second
    // time the pipe database the worker was sent stays open (the worker takes
    // the requests in turn, so it has been opened by then, or has failed).
    const keepPipe = pipeFile === sentPipe;
    const [pipe, inlet] = await Promise.all([keepPipe ? null : pipeFile.arrayBuffer(), inletFile.arrayBuffer()]);
    // Both pickers changed in one go: this open (the new pipe database with
    // the inlet database chosen before) may finish reading after the next one
    // has been sent, and would then replace its pair in the worker.
    if (count !== openCount) return;
    openTimings = `read ${Math.round(performance.now() - reading)} ms; `;
    if (!keepPipe) sentPipe = pipeFile;
    const msg = { kind: 'open', keepPipe, pipe, inlet, pipeName: safeName(pipeFile.name, 'pipe.bvp'),
                  inletName: safeName(inletFile.name, 'inlet.olm') };
    const r = await ask(msg, keepPipe ? [inlet] : [pipe, inlet]);
    if (!r.ok && (count === openCount || r.needPipe)) sentPipe = null;
    if (count !== openCount) return;
    // The worker started again after a failure: the pipe database is sent anew.
    if (r.needPipe) { openProject(); return; }
    openTimings += r.timings || '';
    setBusy(false);
    if (!r.ok) { setStatus(r.message, true); return; }
    state.opened = true;
    state.english = r.english;
    names = r.names;
    nameDownloads();
    $('units').textContent = r.units;
    $('tail-water-unit').textContent = r.english ? 'ft' : 'm';
    outfalls = r.outfalls;
    listOutfalls();
    $('outfall').disabled = false;
    $('tail-water').disabled = false;
    updateCommands();
    await showCriteria();
    document.body.dataset.opened = String(Date.now());
  }
  // The outfall box's suggestions: every outfall of a project of usual size;
  // of a large network (100,000 outfalls, a second of the page's time as
  // elements, and no list anyone scrolls) those starting with what is typed.
  let outfalls = [];
  const outfallsListed = 500;
  function listOutfalls() {
    let shown = outfalls;
    if (outfalls.length > outfallsListed) {
      const typed = $('outfall').value;
      shown = [];
      for (const o of outfalls) if (o.startsWith(typed) && shown.push(o) === outfallsListed) break;
    }
    $('outfall-list').innerHTML = escapedAll(shown).map((o) => `<option value="${o}"></option>`).join('');
  }
  $('outfall').addEventListener('input', () => { if (outfalls.length > outfallsListed) listOutfalls(); });
  // Only the last part of a name, without anything the file system would read as a folder.
  function safeName(name, fallback) {
    const n = String(name).replace(/[/\\\0]/g, '_');
    return n && n !== '.' && n !== '..' ? n : fallback;
  }
  // Another pipe database is another project: a criteria file chosen for the
  // last one (perhaps in other units) no longer holds.
  function choosePipe(file) {
    const other = file !== pipeFile;
    pipeFile = file;
    if (other && criteriaFile) {
      $('criteria-note').textContent = `The criteria file ${criteriaFile.name} was cleared: another pipe database is open; ` +
        'the criteria of its units are in force until you choose a criteria file again.';
      $('criteria-note').classList.remove('error');
      criteriaFile = null;
      $('criteria-file').value = '';
    }
  }
  $('pipe-file').addEventListener('change', (e) => { choosePipe(e.target.files[0] || null); openProject(); });
  $('inlet-file').addEventListener('change', (e) => { inletFile = e.target.files[0] || null; openProject(); });
  document.addEventListener('dragover', (e) => e.preventDefault());
  document.addEventListener('drop', (e) => {
    e.preventDefault();
    let pipe = pipeFile;
    for (const f of e.dataTransfer.files) {
      if (/\.(olm|olh)$/i.test(f.name)) inletFile = f; else pipe = f;
    }
    choosePipe(pipe);
    // The pickers name the files that are open.
    for (const [id, f] of [['pipe-file', pipeFile], ['inlet-file', inletFile]]) {
      const list = new DataTransfer();
      if (f) list.items.add(f);
      $(id).files = list.files;
    }
    openProject();
  });

  // ---- the tail-water field: digits and one point, two decimals on leaving ----
  const tw = $('tail-water');
  tw.addEventListener('beforeinput', (e) => {
    if (!e.data) return;
    const sel = tw.value.slice(tw.selectionStart, tw.selectionEnd);
    for (const c of e.data) {
      if (c === '.' ? !(sel.includes('.') || !tw.value.includes('.')) : (c < '0' || c > '9')) { e.preventDefault(); return; }
    }
  });
  tw.addEventListener('focus', () => setTimeout(() => tw.select(), 0));
  tw.addEventListener('blur', () => { tw.value = formatFixed2(tw.value); });
  function formatFixed2(text) {
    const t = text.trim();
    if (!/^[+-]?(\d+(\.\d*)?|\.\d+)$/.test(t)) return text;
    // Half away from zero on the decimal digits, as the desktop formats it.
    const neg = t.startsWith('-');
    let [i, f = ''] = t.replace(/^[+-]/, '').split('.');
    f = (f + '000').slice(0, 3);
    let n = BigInt((i || '0') + f.slice(0, 2)) + (f[2] >= '5' ? 1n : 0n);
    let s = n.toString().padStart(3, '0');
    s = s.slice(0, -2) + '.' + s.slice(-2);
    return (neg && n !== 0n ? '-' : '') + s;
  }
  for (const id of ['outfall', 'tail-water']) {
    $(id).addEventListener('keydown', (e) => { if (e.key === 'Enter') { e.preventDefault(); tw.value = formatFixed2(tw.value); create(); } });
    $(id).addEventListener('input', checkStale);
    $(id).addEventListener('change', checkStale);
  }
  // Whether the tables on screen still match the fields; the module compares
  // as the window does.
  let staleCount = 0;
  async function checkStale() {
    if (!state.run) return;
    const count = ++staleCount;
    const r = await ask({ kind: 'stale', outfall: $('outfall').value, tailWater: tw.value });
    if (count === staleCount && state.run) setStale(r.line || '');
  }

  // ---- the criteria ----
  let criteriaFile = null;
  $('criteria-file').addEventListener('change', (e) => {
    criteriaFile = e.target.files[0] || null;
    $('criteria-note').textContent = '';
    showCriteria();
  });
  async function criteriaMessage() {
    if (!criteriaFile) return {};
    const criteria = await criteriaFile.arrayBuffer();
    return { criteria, criteriaName: safeName(criteriaFile.name, 'criteria.toml') };
  }
  // The criteria a run would check against, or what is wrong with the file.
  async function showCriteria() {
    if (!state.opened) return;
    const r = await ask({ kind: 'criteria', ...(await criteriaMessage()) });
    if (r.ok) { $('criteria-in-force').textContent = r.line; return; }
    $('criteria-in-force').textContent = '';
    $('criteria-note').textContent = r.message;
    $('criteria-note').classList.add('error');
  }

  // ---- Create Profile Data ----
  $('create').addEventListener('click', () => create());
  $('egl').addEventListener('change', () => {
    // An option of the drawings: the preview is drawn again, the run stays.
    drawing = null;
    if (previewing && !$('preview').hidden) preview(previewing.id, previewing.key);
  });
  async function create() {
    if (!state.opened || state.busy) return;
    setBusy(true);
    state.run = null;
    setStale('');
    const msg = { kind: 'run', outfall: $('outfall').value, tailWater: tw.value, egl: $('egl').checked,
                  ...(await criteriaMessage()) };
    const asked = performance.now();
    const r = await ask(msg);
    const answered = performance.now();
    setBusy(false);
    showWarnings(r.warnings || null);
    if (!r.ok) {
      clearResults();
      setStatus(r.message, true);
      // A run that made no tables is no pass.
      if (r.message.startsWith('Create Profile Data failed')) $('findings-summary').textContent = 'No tables to check: Create Profile Data failed.';
      return;
    }
    tw.value = r.tailWater;
    state.run = { files: r.files };
    const shown = performance.now();
    showTables(r);
    // For the benchmark: the module's steps, the worker's round trip beyond
    // them, and the page's own steps.
    document.body.dataset.timings = `${openTimings}${r.timings}round trip ${Math.round(answered - asked)} ms; ` +
      `page ${Math.round(performance.now() - shown)} ms (${pageLaps.join(', ')})`;
    setStatus(r.message, false);
    updateCommands();
    await compareOldSet();
    document.body.dataset.ran = String(Date.now());
    // Fields edited while it ran.
    await checkStale();
  }

  function clearResults() {
    state.run = null;
    setStale('');
    for (const id of ['structures', 'pipes', 'branches']) grids[id].set([], { length: 0, row: () => [] });
    $('findings').tBodies[0].replaceChildren();
    $('findings-summary').textContent = 'Create Profile Data to check the tables.';
    clearRevisions();
    $('branch').replaceChildren();
    branchIds = [];
    clearSheets();
    drawing = null;
    previewing = null;
    drawPreview();
    updateCommands();
  }

  // ---- grids: only the rows in view are in the document ----
  const ROW = 22;
  const COLUMN = 92;
  // The columns that stay in view when scrolled right: the branch and the row's own number.
  const KEPT = ['Branch ID', 'Str #', 'Pipe No', 'Branch'];
  class Grid {
    constructor(el) {
      this.el = el;
      this.head = document.createElement('div'); this.head.className = 'grid-head';
      // The heads in a row as wide as the columns, so that the kept ones can stay in view.
      this.headRow = document.createElement('div'); this.headRow.className = 'grid-head-row';
      this.head.append(this.headRow);
      this.body = document.createElement('div'); this.body.className = 'grid-body';
      this.spacer = document.createElement('div');
      this.rowsEl = document.createElement('div'); this.rowsEl.className = 'grid-rows';
      this.body.append(this.spacer, this.rowsEl);
      el.append(this.head, this.body);
      this.rows = { length: 0, row: () => [] }; this.marks = new Map(); this.kept = []; this.selected = 0;
      this.body.addEventListener('scroll', () => { this.head.scrollLeft = this.body.scrollLeft; this.render(); });
    }
    set(columns, rows, marks) {
      this.columns = columns; this.rows = rows; this.marks = marks || new Map(); this.selected = 0;
      this.kept = columns.map((c, i) => (KEPT.includes(c) ? i : -1)).filter((i) => i >= 0).slice(0, 2);
      this.headRow.replaceChildren(...columns.map((c, i) => this.cell(c, i, c)));
      this.spacer.style.height = (rows.length * ROW) + 'px';
      this.spacer.style.width = (columns.length * COLUMN) + 'px';
      this.first = -1;
      this.render();
    }
    cell(text, i, title) {
      const d = cell(text);
      if (title) d.title = title;
      const k = this.kept.indexOf(i);
      if (k >= 0) { d.classList.add('kept'); d.style.left = (k * COLUMN) + 'px'; }
      return d;
    }
    render() {
      const first = Math.floor(this.body.scrollTop / ROW);
      const count = Math.ceil((this.body.clientHeight || 400) / ROW) + 2;
      if (first === this.first && this.rowsEl.childElementCount) return;
      this.first = first;
      const parts = [];
      for (let r = first; r < Math.min(this.rows.length, first + count); ++r) {
        const line = document.createElement('div');
        line.className = 'grid-row ' + (this.marks.get(r + 1) || '') + (this.selected === r + 1 ? ' selected' : '');
        line.dataset.row = String(r + 1);
        line.append(...this.rows.row(r).map((c, i) => this.cell(c, i)));
        parts.push(line);
      }
      this.rowsEl.style.transform = `translateY(${first * ROW}px)`;
      this.rowsEl.replaceChildren(...parts);
    }
    // Marks a row (1 = the first after the heads) and scrolls it into view.
    select(row) {
      this.selected = row;
      const top = (row - 1) * ROW;
      if (top < this.body.scrollTop || top + ROW > this.body.scrollTop + this.body.clientHeight)
        this.body.scrollTop = Math.max(0, top - 2 * ROW);
      this.first = -1;
      this.render();
    }
  }
  function cell(text) { const d = document.createElement('span'); d.textContent = text; return d; }
  const grids = {};
  for (const id of ['structures', 'pipes', 'branches']) grids[id] = new Grid($(id));

  // The records of CSV bytes, each found and parsed only when asked for (a
  // grid shows a few dozen of 100,000): {length, row(i)}. `count`, when the
  // module says how many records there are, spares reading them all first.
  function csvRecords(bytes, count) {
    const decoder = new TextDecoder();
    const starts = [0];
    let scanned = 0, quoted = false;
    // Finds where the records up to the (i+1)th start.
    const reach = (i) => {
      const n = bytes.length;
      while (starts.length <= i + 1 && scanned < n) {
        const c = bytes[scanned++];
        if (c === 34) quoted = !quoted;  // a doubled quote toggles twice
        else if (c === 10 && !quoted && scanned < n) starts.push(scanned);
      }
    };
    const parse = (text) => {
      const row = [];
      let field = '', inQuotes = false;
      for (let i = 0; i < text.length; ++i) {
        const c = text[i];
        if (inQuotes) {
          if (c === '"') { if (text[i + 1] === '"') { field += '"'; ++i; } else inQuotes = false; } else field += c;
        } else if (c === '"') inQuotes = true;
        else if (c === ',') { row.push(field); field = ''; }
        else if (c !== '\r' && c !== '\n') field += c;
      }
      row.push(field);
      return row;
    };
    if (count === undefined) reach(Infinity);
    const length = !bytes.length ? 0 : count === undefined ? starts.length : count;
    return { length, row: (i) => {
      reach(i);
      return parse(decoder.decode(bytes.subarray(starts[i], i + 1 < starts.length ? starts[i + 1] : bytes.length)));
    } };
  }

  // A large network has tens of thousands of branches: their options are
  // parsed from one text, which is many times faster than an element each.
  // The Branch list holds the first branch, chosen, until it is first used
  // (focused, or pressed on): a large network's 22,000 entries took a fifth of
  // a second to list, and a closed list shows only the one chosen.
  let branchIds = [];
  function showBranchList(ids) {
    branchIds = ids;
    listBranches(ids.slice(0, 1));
  }
  function listBranches(ids) {
    $('branch').innerHTML = escapedAll(ids).map((b) => `<option value="${b}">${b}</option>`).join('');
  }
  function completeBranchList() {
    if ($('branch').options.length >= branchIds.length) return;
    const chosen = $('branch').value;
    listBranches(branchIds);
    $('branch').value = chosen;
  }
  $('branch').addEventListener('focus', completeBranchList);
  $('branch').addEventListener('pointerdown', completeBranchList);
  function escapeHtml(t) { return t.replace(/&/g, '&amp;').replace(/</g, '&lt;').replace(/"/g, '&quot;'); }
  // Many texts escaped in one pass over them all (unless one holds a newline).
  function escapedAll(texts) {
    const all = escapeHtml(texts.join('\n')).split('\n');
    return all.length === texts.length ? all : texts.map(escapeHtml);
  }
  let pageLaps = [];
  function showTables(r) {
    let lap = performance.now();
    pageLaps = [];
    const timed = (what) => { const now = performance.now(); pageLaps.push(`${what} ${Math.round(now - lap)}`); lap = now; };
    const marks = { structures: new Map(), pipes: new Map(), branches: new Map() };
    for (const row of r.hglTop) marks.structures.set(row, 'hgl-top');
    // The findings file names no table rows: the module says which they are.
    // (A large network has tens of thousands of findings, several to a row.)
    const markFinding = (table, row) => {
      const now = marks[table].get(row);
      if (now === undefined) marks[table].set(row, 'finding');
      else if (!now.includes('finding')) marks[table].set(row, now + ' finding');
    };
    for (const row of r.findingStructureRows) markFinding('structures', row);
    for (const row of r.findingPipeRows) markFinding('pipes', row);
    for (const id of ['structures', 'pipes', 'branches']) {
      // The heads and a record per table row.
      const records = csvRecords(r.files[id], r.rowCounts ? r.rowCounts[id] + 1 : undefined);
      const columns = records.length ? records.row(0) : [];
      // The records after the head line.
      grids[id].set(columns, { length: Math.max(records.length - 1, 0), row: (i) => records.row(i + 1) }, marks[id]);
      timed(id);
    }
    showFindings(r);
    showSheets();
    timed('findings');
    showBranchList(r.branchIds);
    timed('branch list');
    drawing = null;
    previewing = null;
    drawPreview();
  }

  // ---- the design checks: the criteria, then one row per finding ----
  function showFindings(r) {
    $('criteria-in-force').textContent = r.criteriaLine;
    const length = state.english ? 'ft' : 'm';
    const heads = $('findings').tHead.rows[0].cells;
    heads[4].textContent = `Value (${length})`;
    heads[5].textContent = `Limit (${length})`;
    const rows = r.findings.map((f) => {
      const tr = document.createElement('tr');
      tr.dataset.table = f.table;
      tr.dataset.row = String(f.row);
      tr.tabIndex = 0;
      tr.title = 'Show the row in the ' + (f.table === 'structures' ? 'Structures' : 'Pipes') + ' tab';
      // A value of another unit than the heads' carries its own.
      const number = (v) => (f.unit === length ? v : `${v} ${f.unit}`);
      for (const text of [f.rule, f.branchId, f.structure, f.pipe, number(f.value), number(f.limit)]) {
        const td = document.createElement('td');
        td.textContent = text;
        tr.append(td);
      }
      tr.cells[0].title = ruleTexts[f.rule] || '';
      return tr;
    });
    $('findings').tBodies[0].replaceChildren(...rows);
    const more = r.findingCount - r.findings.length;
    $('findings-summary').textContent = r.findingCount === 0 ? 'No findings: the tables meet the criteria.'
      : `${r.findingCount} finding${r.findingCount === 1 ? '' : 's'}` +
        (more > 0 ? `; the first ${r.findings.length} here, all of them in the design-checks download.` : '.');
  }
  function showFinding(tr) {
    if (!tr || !tr.dataset.table) return;
    for (const o of $('findings').tBodies[0].rows) o.classList.toggle('selected', o === tr);
    openTab(tr.dataset.table);
    grids[tr.dataset.table].select(Number(tr.dataset.row));
  }
  $('findings').addEventListener('click', (e) => showFinding(e.target.closest('tr')));
  $('findings').addEventListener('keydown', (e) => { if (e.key === 'Enter') showFinding(e.target.closest('tr')); });

  // ---- the HGL computation sheet and the quantities: tables whose rows in
  // view alone are in the document, as the grids do it ----
  class SheetTable {
    constructor(el) {
      this.summary = document.createElement('p'); this.summary.className = 'sheet-summary';
      this.body = document.createElement('div'); this.body.className = 'sheet-body';
      this.table = document.createElement('table'); this.table.className = 'sheet';
      this.colgroup = document.createElement('colgroup');
      this.table.append(this.colgroup, this.table.createTHead(), this.table.createTBody());
      this.body.append(this.table);
      el.append(this.summary, this.body);
      this.records = null; this.columns = []; this.kept = []; this.selected = 0; this.first = -1;
      this.body.addEventListener('scroll', () => this.render());
    }
    get length() { return this.records ? Math.max(this.records.length - 1, 0) : 0; }
    // `records`: the CSV's records, the heads first; null shows `summary` alone.
    set(records, summary) {
      this.records = records; this.selected = 0; this.first = -1;
      this.summary.textContent = summary;
      this.columns = records && records.length ? records.row(0) : [];
      this.kept = this.columns.map((c, i) => (KEPT.includes(c) ? i : -1)).filter((i) => i >= 0).slice(0, 2);
      this.colgroup.replaceChildren(...this.columns.map(() => document.createElement('col')));
      this.table.style.width = (this.columns.length * COLUMN) + 'px';
      const tr = document.createElement('tr');
      tr.append(...this.columns.map((c, i) => this.cell('th', c, i, c)));
      this.table.tHead.replaceChildren(...(this.columns.length ? [tr] : []));
      this.body.scrollTop = 0;
      this.render();
    }
    cell(tag, text, i, title) {
      const c = document.createElement(tag);
      c.textContent = text;
      if (title) c.title = title;
      const k = this.kept.indexOf(i);
      if (k >= 0) { c.classList.add('kept'); c.style.left = (k * COLUMN) + 'px'; }
      return c;
    }
    // A row of nothing as high as `rows` rows, for the rows not drawn.
    spacer(rows) {
      const tr = document.createElement('tr');
      tr.className = 'spacer';
      const td = document.createElement('td');
      td.colSpan = Math.max(this.columns.length, 1);
      td.style.height = (rows * ROW) + 'px';
      tr.append(td);
      return tr;
    }
    render() {
      const n = this.length;
      const first = Math.min(Math.floor(this.body.scrollTop / ROW), Math.max(n - 1, 0));
      const count = Math.ceil((this.body.clientHeight || 400) / ROW) + 2;
      if (first === this.first && this.table.tBodies[0].childElementCount) return;
      this.first = first;
      const last = Math.min(n, first + count);
      const parts = [this.spacer(first)];
      for (let r = first; r < last; ++r) {
        const tr = document.createElement('tr');
        tr.dataset.row = String(r + 1);
        if (this.selected === r + 1) tr.className = 'selected';
        tr.append(...this.records.row(r + 1).map((c, i) => this.cell('td', c, i)));
        parts.push(tr);
      }
      parts.push(this.spacer(n - last));
      this.table.tBodies[0].replaceChildren(...parts);
    }
    select(row) {
      this.selected = row;
      this.first = -1;
      this.render();
    }
  }
  // Each sheet: its table, the word its messages use, the stamp it leaves on
  // the page when made (for the tests), and the summary of its records.
  const sheets = {
    'hgl-sheet': {
      table: new SheetTable($('hgl-sheet')), word: 'sheet', stamp: 'hglSheet',
      summary: (records) => `${Math.max(records.length - 1, 0)} rows, one per structure-table row. ` +
        'Click a row to see it in the Structures tab.',
    },
    quantities: {
      table: new SheetTable($('quantities')), word: 'quantities', stamp: 'quantities',
      summary: (records) => {
        const groups = [];
        for (let i = 1; i < records.length; ++i) groups.push(records.row(i)[0]);
        const pipes = groups.filter((g) => g === 'Pipe').length, structures = groups.length - pipes;
        return `${pipes} pipe group${pipes === 1 ? '' : 's'}, ${structures} structure group${structures === 1 ? '' : 's'}.`;
      },
    },
  };
  const noSheet = 'No tables yet: run Create Profile Data first.';
  const sheetRuns = {};  // the run each sheet was asked for
  // Each sheet emptied, with the message `say` gives it.
  function resetSheets(say) {
    for (const [id, s] of Object.entries(sheets)) { sheetRuns[id] = null; s.table.set(null, say(s)); }
  }
  function clearSheets() { resetSheets(() => noSheet); }
  // Both need the grade lines' terms, which the module records when first
  // asked: they are made when their tab is opened.
  function showSheets() { resetSheets((s) => `Open this tab again to see the ${s.word}.`); }
  async function openSheet(id) {
    const { table, word, stamp, summary } = sheets[id];
    if (state.run && sheetRuns[id] !== state.run) {
      const run = state.run;
      sheetRuns[id] = run;
      table.set(null, `Making the ${word}…`);
      const r = await output(id);
      if (state.run !== run) return;
      if (!r) { sheetRuns[id] = null; table.set(null, `The ${word} could not be made.`); return; }
      const records = csvRecords(r.bytes);
      table.set(records, summary(records));
      document.body.dataset[stamp] = String(Date.now());
      return;
    }
    table.first = -1;
    table.render();
  }
  // A row of the computation sheet is the structure-table row of the same number.
  function showSheetRow(tr) {
    if (!tr || !tr.dataset.row) return;
    const row = Number(tr.dataset.row);
    sheets['hgl-sheet'].table.select(row);
    openTab('structures');
    grids.structures.select(row);
  }
  $('hgl-sheet').addEventListener('click', (e) => showSheetRow(e.target.closest('tr')));

  // ---- the warnings, a group per kind in the order the kinds first occur;
  // a group's sentences are asked for when it is opened and only those in
  // view are in the document ----
  const ITEM = 18;
  const OPEN_MAX = 10;  // groups of more start closed
  let warningsShown = null;  // {groups, generation, count}
  function showWarnings(w) {
    warningsShown = w;
    document.body.dataset.warnings = String(w ? w.count : 0);
    $('warnings').replaceChildren(...(w ? w.groups.map((g, i) => warningGroup(g, i, w.generation)) : []));
  }
  function warningGroup(group, index, generation) {
    const li = document.createElement('li');
    li.className = 'warning-group';
    const details = document.createElement('details');
    const summary = document.createElement('summary');
    summary.textContent = `${group.kind} (${group.count})`;
    summary.title = group.first;
    const list = document.createElement('div');
    list.className = 'warning-items';
    list.setAttribute('role', 'list');
    list.style.height = (Math.min(group.count, OPEN_MAX) * ITEM) + 'px';
    const spacer = document.createElement('div');
    spacer.style.height = (group.count * ITEM) + 'px';
    const items = document.createElement('div');
    items.className = 'warning-rows';
    list.append(spacer, items);
    details.append(summary, list);
    li.append(details);
    let texts = null, selected = -1;
    const render = () => {
      if (!texts) return;
      const first = Math.floor(list.scrollTop / ITEM);
      const parts = [];
      for (let i = first; i < Math.min(texts.length, first + OPEN_MAX + 2); ++i) {
        const d = document.createElement('div');
        d.className = 'warning-item' + (i === selected ? ' selected' : '');
        d.setAttribute('role', 'listitem');
        d.tabIndex = 0;
        d.dataset.index = String(i);
        d.textContent = d.title = texts[i];
        parts.push(d);
      }
      items.style.transform = `translateY(${first * ITEM}px)`;
      items.replaceChildren(...parts);
    };
    const load = async () => {
      if (texts || !details.open) return;
      texts = [];
      const r = await ask({ kind: 'warning-items', generation, group: index });
      texts = r.text.split('\n');
      texts.pop();
      render();
    };
    const choose = async (item) => {
      if (!item) return;
      selected = Number(item.dataset.index);
      render();
      const r = await ask({ kind: 'warning-row', generation, group: index, index: selected });
      if (!r.table || !state.run) return;
      openTab(r.table);
      grids[r.table].select(r.row);
    };
    details.addEventListener('toggle', load);
    list.addEventListener('scroll', render);
    list.addEventListener('click', (e) => choose(e.target.closest('.warning-item')));
    list.addEventListener('keydown', (e) => { if (e.key === 'Enter') choose(e.target.closest('.warning-item')); });
    details.open = group.count <= OPEN_MAX;
    load();
    return li;
  }

  // ---- tabs ----
  function openTab(id) {
    for (const o of document.querySelectorAll('[role=tab]')) o.setAttribute('aria-selected', String(o.dataset.tab === id));
    for (const t of document.querySelectorAll('.tab')) t.hidden = t.id !== id;
    if (grids[id]) { grids[id].first = -1; grids[id].render(); }
    if (sheets[id]) openSheet(id);
    if (id === 'preview') {
      if (!drawing && previewing) preview(previewing.id, previewing.key);
      else if (!drawing && $('branch').value) preview('branch-profile', $('branch').value);
      else drawPreview();
    }
  }
  for (const b of document.querySelectorAll('[role=tab]')) b.addEventListener('click', () => openTab(b.dataset.tab));

  // ---- downloads: the tables and findings come with the run, the drawings
  // and the workbook are made when asked for ----
  async function output(id, key) {
    setBusy(true);
    const r = await ask({ kind: 'output', id, key: key || '', egl: $('egl').checked, pageSize: $('page-size').value });
    setBusy(false);
    if (r.warnings) showWarnings(r.warnings);
    if (!r.ok) { setStatus(r.message, true); return null; }
    return r;
  }
  async function download(o) {
    if (outputRule(o)) return;
    const key = o.target === 'branch' ? $('branch').value : '';
    const r = await output(o.id, key);
    if (r && state.run) save(r.name, r.bytes);
  }
  async function preview(id, key) {
    if (!state.run) return;
    previewing = { id, key: key || '' };
    const r = await output(id, key);
    drawing = r ? parseDxf(r.bytes) : null;
    fit();
    updateCommands();
  }
  $('branch').addEventListener('change', () => {
    updateCommands();
    preview('branch-profile', $('branch').value);
  });
  $('show-all').addEventListener('click', () => preview('all-profiles'));
  $('show-structure-schedule').addEventListener('click', () => preview('structure-schedule'));
  $('show-pipe-schedule').addEventListener('click', () => preview('pipe-schedule'));

  // ---- drawing preview: the entities of the DXF file on a canvas, in the
  // colours the window's viewer gives them ----
  function parseDxf(bytes) {
    const lines = new TextDecoder('latin1').decode(bytes).split(/\r?\n/);
    const ents = [];
    const layers = new Map();
    let cur = null, section = '', poly = null, layer = null;
    for (let i = 0; i + 1 < lines.length; i += 2) {
      const code = Number(lines[i]), v = lines[i + 1].trim();
      if (code === 0 && v === 'SECTION') { section = ''; continue; }
      if (code === 2 && !section) { section = v; continue; }
      if (section === 'TABLES') {
        // A layer's colour: what BYLAYER entities are drawn in.
        if (code === 0) layer = v === 'LAYER' ? { name: '', colour: 7 } : null;
        else if (layer && code === 2) { layer.name = v; layers.set(v, layer); }
        else if (layer && code === 62) layer.colour = Number(v);
        continue;
      }
      if (section !== 'ENTITIES') continue;
      if (code === 0) {
        if (cur && cur.type !== 'VERTEX') ents.push(cur);
        if (v === 'VERTEX' && poly) { cur = { type: 'VERTEX' }; poly.pts.push(cur); continue; }
        if (v === 'SEQEND') { poly = null; cur = null; continue; }
        cur = { type: v, pts: [], layer: '0', color: 256 };
        if (v === 'POLYLINE') poly = cur;
        continue;
      }
      if (!cur) continue;
      const n = Number(v);
      if (code === 10) cur.x = n; else if (code === 20) cur.y = n;
      else if (code === 11) cur.x2 = n; else if (code === 21) cur.y2 = n;
      else if (code === 40) cur.h = n; else if (code === 1) cur.text = v;
      else if (code === 50) cur.rot = n; else if (code === 62) cur.color = n;
      else if (code === 8) cur.layer = v; else if (code === 41) cur.wf = n;
      else if (code === 72) cur.ha = n; else if (code === 73) cur.va = n;
      else if (code === 70 && cur.type === 'POLYLINE') cur.closed = (n & 1) === 1;
    }
    if (cur && cur.type !== 'VERTEX') ents.push(cur);
    let minX = Infinity, minY = Infinity, maxX = -Infinity, maxY = -Infinity;
    const grow = (x, y) => { if (isFinite(x) && isFinite(y)) { minX = Math.min(minX, x); maxX = Math.max(maxX, x); minY = Math.min(minY, y); maxY = Math.max(maxY, y); } };
    // By colour: each colour's lines are stroked as one path.
    const byColour = new Map();
    const texts = [];
    for (const e of ents) {
      let c = e.color;
      if (c === 256) c = layers.has(e.layer) ? layers.get(e.layer).colour : 7;
      c = Math.abs(c);
      const colour = aci[c >= 1 && c <= 255 ? c : 7] || '#000000';
      if (e.type === 'TEXT') { if (e.text) texts.push({ ...e, colour }); grow(e.x, e.y); continue; }
      if (!byColour.has(colour)) byColour.set(colour, []);
      byColour.get(colour).push(e);
      if (e.type === 'LINE') { grow(e.x, e.y); grow(e.x2, e.y2); }
      else if (e.type === 'CIRCLE') { grow(e.x - e.h, e.y - e.h); grow(e.x + e.h, e.y + e.h); }
      else if (e.type === 'POLYLINE') for (const p of e.pts) grow(p.x, p.y);
    }
    return { byColour, texts, box: [minX, minY, maxX, maxY] };
  }
  const view = { scale: 1, x: 0, y: 0 };
  let drawCount = 0;
  const canvas = $('drawing');
  // The canvas has as many pixels as it shows, so that 3 px of text are 3 px on screen.
  function sizeCanvas() {
    const w = Math.round(canvas.clientWidth) || 1000;
    if (canvas.width !== w) canvas.width = w;
  }
  function fit() {
    sizeCanvas();
    if (drawing && isFinite(drawing.box[0])) {
      const [a, b, cx, d] = drawing.box;
      view.scale = Math.min(canvas.width / ((cx - a) || 1), canvas.height / ((d - b) || 1)) * 0.95;
      view.x = canvas.width / 2 - view.scale * (a + cx) / 2;
      view.y = canvas.height / 2 + view.scale * (b + d) / 2;
    }
    drawPreview();
  }
  function drawPreview() {
    sizeCanvas();
    const g = canvas.getContext('2d');
    g.setTransform(1, 0, 0, 1, 0, 0);
    g.fillStyle = '#fff'; g.fillRect(0, 0, canvas.width, canvas.height);
    // For tests: how often the preview was drawn, and how many texts it shows.
    document.body.dataset.drawn = String(++drawCount);
    document.body.dataset.texts = '0';
    if (!drawing) return;
    const k = view.scale, X = (x) => view.x + k * x, Y = (y) => view.y - k * y;
    g.lineWidth = 1;
    for (const [colour, ents] of drawing.byColour) {
      g.strokeStyle = colour;
      g.beginPath();
      for (const e of ents) {
        if (e.type === 'LINE') { g.moveTo(X(e.x), Y(e.y)); g.lineTo(X(e.x2), Y(e.y2)); }
        else if (e.type === 'CIRCLE') { g.moveTo(X(e.x + e.h), Y(e.y)); g.arc(X(e.x), Y(e.y), k * e.h, 0, 2 * Math.PI); }
        else if (e.type === 'POLYLINE' && e.pts.length) {
          g.moveTo(X(e.pts[0].x), Y(e.pts[0].y));
          for (const p of e.pts.slice(1)) g.lineTo(X(p.x), Y(p.y));
          if (e.closed) g.closePath();
        }
      }
      g.stroke();
    }
    // Texts once their letters are 3 px or more (the drawing's text height
    // is that of the capitals, about 0.72 of the letters' size).
    let texts = 0;
    for (const t of drawing.texts) {
      const px = (t.h || 0) * k / 0.72;
      if (px < 3) continue;
      ++texts;
      const ha = t.ha || 0, va = t.va || 0;
      const aligned = ha === 1 || ha === 2 || ha === 4 || (va !== 0 && ha === 0);
      const x = aligned && isFinite(t.x2) ? t.x2 : t.x, y = aligned && isFinite(t.y2) ? t.y2 : t.y;
      g.save();
      g.translate(X(x), Y(y));
      g.rotate(-(t.rot || 0) * Math.PI / 180);
      g.font = `${px}px sans-serif`;
      g.fillStyle = t.colour;
      g.textAlign = ha === 1 || ha === 4 ? 'center' : ha === 2 ? 'right' : 'left';
      g.textBaseline = ha === 4 || va === 2 ? 'middle' : va === 1 ? 'bottom' : va === 3 ? 'top' : 'alphabetic';
      if ((ha === 3 || ha === 5) && isFinite(t.x2)) {
        // Aligned and fit: the text spans its two points.
        const span = Math.hypot(t.x2 - t.x, t.y2 - t.y) * k, width = g.measureText(t.text).width;
        g.rotate(-Math.atan2(t.y2 - t.y, t.x2 - t.x) + (t.rot || 0) * Math.PI / 180);
        if (span > 0 && width > 0) g.scale(span / width, 1);
      } else if (t.wf && t.wf > 0 && t.wf !== 1) {
        g.scale(t.wf, 1);
      }
      g.fillText(t.text, 0, 0);
      g.restore();
    }
    document.body.dataset.texts = String(texts);
  }
  function zoom(factor, mx, my) {
    view.x = mx - (mx - view.x) * factor; view.y = my - (my - view.y) * factor; view.scale *= factor;
    drawPreview();
  }
  $('fit').addEventListener('click', fit);
  canvas.addEventListener('wheel', (e) => {
    e.preventDefault();
    const r = canvas.getBoundingClientRect();
    zoom(e.deltaY < 0 ? 1.2 : 1 / 1.2, (e.clientX - r.left) * canvas.width / r.width, (e.clientY - r.top) * canvas.height / r.height);
  }, { passive: false });
  // The keyboard: + and - zoom about the middle, the arrows pan, Home fits.
  canvas.addEventListener('keydown', (e) => {
    const step = 40;
    const moves = { ArrowLeft: [step, 0], ArrowRight: [-step, 0], ArrowUp: [0, step], ArrowDown: [0, -step] };
    if (e.key === '+' || e.key === '=') zoom(1.2, canvas.width / 2, canvas.height / 2);
    else if (e.key === '-' || e.key === '_') zoom(1 / 1.2, canvas.width / 2, canvas.height / 2);
    else if (e.key === 'Home') fit();
    else if (moves[e.key]) { view.x += moves[e.key][0]; view.y += moves[e.key][1]; drawPreview(); }
    else return;
    e.preventDefault();
  });
  let drag = null;
  canvas.addEventListener('pointerdown', (e) => { canvas.focus(); drag = { x: e.clientX, y: e.clientY }; canvas.setPointerCapture(e.pointerId); });
  canvas.addEventListener('pointermove', (e) => {
    if (!drag) return;
    view.x += e.clientX - drag.x; view.y += e.clientY - drag.y; drag = { x: e.clientX, y: e.clientY };
    drawPreview();
  });
  canvas.addEventListener('pointerup', () => { drag = null; });
  // ---- the PDF set's paper, "Download all" and the revision log against an
  // earlier set ----
  const earlier = {
    files: [],      // the earlier set's files as chosen: [{name, bytes}]
    problem: '',    // why they were refused, '' when they were not
    revisions: null,  // the last comparison: {rows, bytes, name}
  };
  const REVISIONS_SHOWN = 1000;  // all of them are in the download
  function showPageSizes(sizes) {
    $('page-size').replaceChildren(...sizes.map((s) => {
      const o = document.createElement('option');
      o.value = s.name;
      o.textContent = s.label;
      return o;
    }));
  }
  commands.push(
    { id: 'dl-all', element: 'dl-all', title: 'Every file of the set and its manifest, in one zip',
      rule: () => needRun() || state.stale ||
        (earlier.problem ? 'The earlier set was refused: choose its files again, or none.' : '') },
    { id: 'dl-revisions', element: 'dl-revisions', title: 'The revision log against the earlier set (CSV)',
      rule: () => needRun() || state.stale ||
        (!earlier.revisions ? 'Choose an earlier set\'s structures.csv and pipes.csv first.' : '') });
  function setOldSetNote(text, error) {
    $('old-set-note').textContent = text;
    $('old-set-note').classList.toggle('error', Boolean(error));
  }
  function clearRevisions() {
    earlier.revisions = null;
    $('revisions').tBodies[0].replaceChildren();
    $('revisions-summary').textContent = '';
    $('revisions-tab-button').hidden = true;
    if (!$('revisions-tab').hidden) openTab('structures');
    updateCommands();
  }
  // The run against the earlier set: the Revisions tab and its download, or
  // the reason the set's files were refused.
  async function compareOldSet() {
    clearRevisions();
    if (!state.run) return;
    // No earlier set chosen: nothing to compare (asking the module anyway made
    // it gather the run's tables for nothing after every run).
    if (!earlier.files.length) {
      earlier.problem = '';
      updateCommands();
      return;
    }
    const files = earlier.files.map((f) => ({ name: f.name, bytes: f.bytes.slice(0) }));
    // Busy from here on, so that nothing reads the run as done before its revisions are.
    setBusy(true);
    const r = await ask({ kind: 'compare', files }, files.map((f) => f.bytes));
    setBusy(false);
    earlier.problem = r.ok ? '' : r.message;
    if (!r.ok) {
      setOldSetNote(r.message, true);
      updateCommands();
      return;
    }
    setOldSetNote('', false);
    earlier.revisions = { bytes: r.bytes, name: r.name };
    const rows = r.rows.slice(1);
    $('revisions').tBodies[0].replaceChildren(...rows.slice(0, REVISIONS_SHOWN).map((row) => {
      const tr = document.createElement('tr');
      for (const text of row) { const td = document.createElement('td'); td.textContent = text; tr.append(td); }
      return tr;
    }));
    $('revisions-summary').textContent = r.summary +
      (rows.length > REVISIONS_SHOWN ? `; the first ${REVISIONS_SHOWN} here, all of them in the download.` : '.');
    $('revisions-tab-button').hidden = false;
    updateCommands();
  }
  $('old-set').addEventListener('change', async (e) => {
    const chosen = [...e.target.files];
    earlier.files = await Promise.all(chosen.map(async (f) => ({ name: f.name, bytes: await f.arrayBuffer() })));
    earlier.problem = '';
    setOldSetNote(chosen.length && !state.run ? 'The earlier set is compared at the next Create Profile Data.' : '', false);
    // While a run is under way, its end compares with these files.
    if (state.run && !state.busy) await compareOldSet();
    document.body.dataset.compared = String(Date.now());
  });
  $('dl-all').addEventListener('click', async () => {
    if (commands.find((c) => c.id === 'dl-all').rule()) return;
    setBusy(true);
    const r = await ask({ kind: 'set', egl: $('egl').checked, pageSize: $('page-size').value });
    setBusy(false);
    if (r.warnings) showWarnings(r.warnings);
    if (!r.ok) { setStatus(r.message, true); return; }
    if (state.run) save(r.name, r.bytes);
  });
  $('dl-revisions').addEventListener('click', () => {
    if (!commands.find((c) => c.id === 'dl-revisions').rule()) save(earlier.revisions.name, earlier.revisions.bytes);
  });

  updateCommands();
})();
