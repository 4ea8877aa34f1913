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
    if (msg.kind === 'ready') { $('version').textContent = msg.version; return; }
    const resolve = pending.get(msg.requestId);
    pending.delete(msg.requestId);
    if (resolve) resolve(msg);
  };

  let outputs = null;  // the files of the last successful run
  let drawing = null;  // what the preview shows
  const downloads = {
    'dl-structures': 'structures.csv', 'dl-pipes': 'pipes.csv', 'dl-branches': 'branches.csv',
    'dl-all-profiles': 'all-profiles.dxf', 'dl-structure-schedule': 'structure-schedule.dxf',
    'dl-pipe-schedule': 'pipe-schedule.dxf', 'dl-workbook': 'schedules.xlsx',
    'dl-checks': 'design-checks.csv',
  };
  const types = { csv: 'text/csv', dxf: 'application/dxf',
    xlsx: 'application/vnd.openxmlformats-officedocument.spreadsheetml.sheet' };

  function setStatus(text) { $('status').textContent = text; }
  function setBusy(on) {
    $('busy').hidden = !on;
    $('create').disabled = on || $('outfall').disabled;
  }
  function listWarnings(items) {
    const ul = $('warnings');
    ul.replaceChildren(...items.map((w) => { const li = document.createElement('li'); li.textContent = w; return li; }));
  }
  function enableDownloads(on) {
    for (const id of Object.keys(downloads)) $(id).disabled = !on;
    $('dl-branch-profile').disabled = !on || !$('branch').value;
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
  let openCount = 0;  // only the latest choice of files counts
  async function openProject() {
    const count = ++openCount;
    $('outfall').disabled = true;
    $('tail-water').disabled = true;
    $('units').textContent = '';
    setStatus('');
    listWarnings([]);
    clearResults();
    if (!pipeFile || !inletFile) return;
    setBusy(true);
    const [pipe, inlet] = await Promise.all([pipeFile.arrayBuffer(), inletFile.arrayBuffer()]);
    const r = await ask({ kind: 'open', pipe, inlet, pipeName: safeName(pipeFile.name, 'pipe.bvp'),
                          inletName: safeName(inletFile.name, 'inlet.olm') }, [pipe, inlet]);
    if (count !== openCount) return;
    setBusy(false);
    if (!r.ok) { setStatus(r.message); return; }
    setStatus('');
    $('units').textContent = r.units;
    $('outfall-list').replaceChildren(...r.outfalls.map((o) => { const opt = document.createElement('option'); opt.value = o; return opt; }));
    $('outfall').disabled = false;
    $('tail-water').disabled = false;
    setBusy(false);
    document.body.dataset.opened = String(Date.now());
  }
  // Only the last part of a name, without anything the file system would read as a folder.
  function safeName(name, fallback) {
    const n = String(name).replace(/[\/\\\0]/g, '_');
    return n && n !== '.' && n !== '..' ? n : fallback;
  }
  $('pipe-file').addEventListener('change', (e) => { pipeFile = e.target.files[0] || null; openProject(); });
  $('inlet-file').addEventListener('change', (e) => { inletFile = e.target.files[0] || null; openProject(); });
  document.addEventListener('dragover', (e) => e.preventDefault());
  document.addEventListener('drop', (e) => {
    e.preventDefault();
    for (const f of e.dataTransfer.files) {
      if (/\.(olm|olh)$/i.test(f.name)) inletFile = f; else pipeFile = f;
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
  for (const id of ['outfall', 'tail-water'])
    $(id).addEventListener('keydown', (e) => { if (e.key === 'Enter') { e.preventDefault(); tw.value = formatFixed2(tw.value); create(); } });

  // ---- Create Profile Data ----
  let criteriaFile = null;
  $('criteria-file').addEventListener('change', (e) => { criteriaFile = e.target.files[0] || null; });
  $('create').addEventListener('click', () => create());
  async function create() {
    if ($('outfall').disabled || !$('busy').hidden) return;
    setBusy(true);
    enableDownloads(false);
    outputs = null;
    const msg = { kind: 'run', outfall: $('outfall').value, tailWater: tw.value, egl: $('egl').checked };
    if (criteriaFile) { msg.criteria = await criteriaFile.arrayBuffer(); msg.criteriaName = safeName(criteriaFile.name, 'criteria.toml'); }
    const r = await ask(msg);
    setBusy(false);
    listWarnings(r.warnings || []);
    if (!r.ok) { clearResults(); setStatus(r.message); return; }
    tw.value = r.tailWater;
    outputs = r.files;
    const shown = performance.now();
    showTables(r);
    document.body.dataset.timings = `${r.timings}page ${Math.round(performance.now() - shown)} ms`;
    setStatus(r.message);
    listWarnings([...(r.warnings || []), ...(r.drawingWarnings || [])]);
    enableDownloads(true);
    document.body.dataset.ran = String(Date.now());
  }

  function clearResults() {
    outputs = null;
    enableDownloads(false);
    for (const id of ['structures', 'pipes', 'branches']) grids[id].set([], { length: 0, row: () => [] });
    $('checks').replaceChildren();
    $('branch').replaceChildren();
    drawing = null;
    drawPreview();
  }

  // ---- grids: only the rows in view are in the document ----
  const ROW = 22;
  class Grid {
    constructor(el) {
      this.el = el;
      this.head = document.createElement('div'); this.head.className = 'grid-head';
      this.body = document.createElement('div'); this.body.className = 'grid-body';
      this.spacer = document.createElement('div');
      this.rowsEl = document.createElement('div'); this.rowsEl.className = 'grid-rows';
      this.body.append(this.spacer, this.rowsEl);
      el.append(this.head, this.body);
      this.rows = { length: 0, row: () => [] }; this.marks = new Map();
      this.body.addEventListener('scroll', () => { this.head.scrollLeft = this.body.scrollLeft; this.render(); });
    }
    set(columns, rows, marks) {
      this.columns = columns; this.rows = rows; this.marks = marks || new Map();
      this.head.replaceChildren(...columns.map((c) => cell(c)));
      this.spacer.style.height = (rows.length * ROW) + 'px';
      this.first = -1;
      this.render();
    }
    render() {
      const first = Math.floor(this.body.scrollTop / ROW);
      const count = Math.ceil((this.body.clientHeight || 400) / ROW) + 2;
      if (first === this.first && this.rowsEl.childElementCount) return;
      this.first = first;
      const parts = [];
      for (let r = first; r < Math.min(this.rows.length, first + count); ++r) {
        const line = document.createElement('div');
        line.className = 'grid-row ' + (this.marks.get(r + 1) || '');
        line.dataset.row = String(r + 1);
        line.append(...this.rows.row(r).map((c) => cell(c)));
        parts.push(line);
      }
      this.rowsEl.style.transform = `translateY(${first * ROW}px)`;
      this.rowsEl.replaceChildren(...parts);
    }
  }
  function cell(text) { const d = document.createElement('span'); d.textContent = text; return d; }
  const grids = {};
  for (const id of ['structures', 'pipes', 'branches']) grids[id] = new Grid($(id));

  // The records of CSV bytes, each parsed only when asked for (a grid shows
  // a few dozen of 100,000): {length, row(i)}.
  function csvRecords(bytes) {
    const text = new TextDecoder().decode(bytes);
    const starts = [];
    let quoted = false;
    for (let i = 0, begin = true; i < text.length; ++i) {
      if (begin) { starts.push(i); begin = false; }
      const c = text.charCodeAt(i);
      if (c === 34) quoted = !quoted;  // a doubled quote toggles twice
      else if (!quoted && c === 10) begin = true;
    }
    const parse = (from, to) => {
      const row = [];
      let field = '', inQuotes = false;
      for (let i = from; i < to; ++i) {
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
    return { length: starts.length, row: (i) => parse(starts[i], i + 1 < starts.length ? starts[i + 1] : text.length) };
  }
  function parseCsv(bytes) {
    const records = csvRecords(bytes);
    return Array.from({ length: records.length }, (_, i) => records.row(i));
  }

  function showTables(r) {
    const marks = { structures: new Map(), pipes: new Map(), branches: new Map() };
    for (const row of r.hglTop) marks.structures.set(row, 'hgl-top');
    // The findings file names no table rows: the module says which they are.
    const markFinding = (table, row) => {
      const now = marks[table].get(row) || '';
      if (!now.includes('finding')) marks[table].set(row, (now + ' finding').trim());
    };
    for (const row of r.findingStructureRows) markFinding('structures', row);
    for (const row of r.findingPipeRows) markFinding('pipes', row);
    const findings = parseCsv(r.files['design-checks.csv']);
    findings.shift();
    for (const id of ['structures', 'pipes', 'branches']) {
      const records = csvRecords(r.files[id + '.csv']);
      const columns = records.length ? records.row(0) : [];
      // The records after the head line.
      grids[id].set(columns, { length: Math.max(records.length - 1, 0), row: (i) => records.row(i + 1) }, marks[id]);
    }
    // The first findings here, all of them in design-checks.csv.
    const shownFindings = findings.slice(0, 500).map((f) => { const li = document.createElement('li'); li.textContent = f.join('  '); return li; });
    if (findings.length > 500) shownFindings.push(cell(`… and ${findings.length - 500} more in design-checks.csv`));
    $('checks').replaceChildren(...shownFindings);
    if (!findings.length) { const li = document.createElement('li'); li.textContent = r.checksSummary.trim() || 'No findings'; $('checks').append(li); }
    $('branch').replaceChildren(...r.branchIds.map((b) => { const o = document.createElement('option'); o.value = b; o.textContent = b; return o; }));
    drawing = null;
    drawPreview();
  }

  // ---- tabs ----
  for (const b of document.querySelectorAll('[role=tab]')) {
    b.addEventListener('click', () => {
      for (const o of document.querySelectorAll('[role=tab]')) o.setAttribute('aria-selected', String(o === b));
      for (const t of document.querySelectorAll('.tab')) t.hidden = t.id !== b.dataset.tab;
      if (grids[b.dataset.tab]) { grids[b.dataset.tab].first = -1; grids[b.dataset.tab].render(); }
      if (b.dataset.tab === 'preview') { if (!drawing && $('branch').value) preview(`branch-${$('branch').value}.dxf`); else drawPreview(); }
    });
  }

  // ---- downloads: the tables and findings come with the run, the drawings
  // and the workbook are made when asked for ----
  async function output(name) {
    if (outputs[name]) return outputs[name];
    setBusy(true);
    const r = await ask({ kind: 'output', name });
    setBusy(false);
    if (r.warnings && r.warnings.length) listWarnings(r.warnings);
    if (!r.ok) { setStatus(r.message); return null; }
    return r.bytes;
  }
  async function download(name) {
    if (!outputs) return;
    const bytes = await output(name);
    if (bytes && outputs) save(name, bytes);
  }
  for (const [id, name] of Object.entries(downloads)) $(id).addEventListener('click', () => download(name));
  $('dl-branch-profile').addEventListener('click', () => download(`branch-${$('branch').value}.dxf`));
  async function preview(name) {
    if (!outputs) return;
    const bytes = await output(name);
    drawing = bytes ? parseDxf(bytes) : null;
    fit();
  }
  $('branch').addEventListener('change', () => {
    $('dl-branch-profile').disabled = !outputs || !$('branch').value;
    preview(`branch-${$('branch').value}.dxf`);
  });
  $('show-all').addEventListener('click', () => preview('all-profiles.dxf'));

  // ---- drawing preview: the entities of the DXF file on a canvas ----
  function parseDxf(bytes) {
    const lines = new TextDecoder('latin1').decode(bytes).split(/\r?\n/);
    const ents = [];
    let cur = null, inEntities = false, poly = null;
    for (let i = 0; i + 1 < lines.length; i += 2) {
      const code = Number(lines[i]), v = lines[i + 1].trim();
      if (code === 2 && v === 'ENTITIES') inEntities = true;
      if (!inEntities) continue;
      if (code === 0) {
        if (cur && cur.type !== 'VERTEX') ents.push(cur);
        if (v === 'VERTEX' && poly) { cur = { type: 'VERTEX' }; poly.pts.push(cur); continue; }
        if (v === 'SEQEND') { poly = null; cur = null; continue; }
        cur = { type: v, pts: [] };
        if (v === 'POLYLINE') poly = cur;
        continue;
      }
      if (!cur) continue;
      const n = Number(v);
      if (code === 10) cur.x = n; else if (code === 20) cur.y = n;
      else if (code === 11) cur.x2 = n; else if (code === 21) cur.y2 = n;
      else if (code === 40) cur.h = n; else if (code === 1) cur.text = v;
      else if (code === 50) cur.rot = n; else if (code === 62) cur.color = n;
    }
    let minX = Infinity, minY = Infinity, maxX = -Infinity, maxY = -Infinity;
    const grow = (x, y) => { if (isFinite(x) && isFinite(y)) { minX = Math.min(minX, x); maxX = Math.max(maxX, x); minY = Math.min(minY, y); maxY = Math.max(maxY, y); } };
    for (const e of ents) {
      if (e.type === 'LINE') { grow(e.x, e.y); grow(e.x2, e.y2); }
      else if (e.type === 'CIRCLE') { grow(e.x - e.h, e.y - e.h); grow(e.x + e.h, e.y + e.h); }
      else if (e.type === 'TEXT') grow(e.x, e.y);
      else if (e.type === 'POLYLINE') for (const p of e.pts) grow(p.x, p.y);
    }
    return { ents, box: [minX, minY, maxX, maxY] };
  }
  const view = { scale: 1, x: 0, y: 0 };
  function fit() {
    const c = $('drawing');
    if (drawing && isFinite(drawing.box[0])) {
      const [a, b, cx, d] = drawing.box;
      view.scale = Math.min(c.width / ((cx - a) || 1), c.height / ((d - b) || 1)) * 0.95;
      view.x = c.width / 2 - view.scale * (a + cx) / 2;
      view.y = c.height / 2 + view.scale * (b + d) / 2;
    }
    drawPreview();
  }
  function drawPreview() {
    const c = $('drawing'), g = c.getContext('2d');
    g.setTransform(1, 0, 0, 1, 0, 0);
    g.fillStyle = '#fff'; g.fillRect(0, 0, c.width, c.height);
    if (!drawing) return;
    g.setTransform(view.scale, 0, 0, -view.scale, view.x, view.y);
    g.lineWidth = 1 / view.scale;
    g.strokeStyle = '#123'; g.fillStyle = '#123';
    for (const e of drawing.ents) {
      if (e.type === 'LINE') { g.beginPath(); g.moveTo(e.x, e.y); g.lineTo(e.x2, e.y2); g.stroke(); }
      else if (e.type === 'CIRCLE') { g.beginPath(); g.arc(e.x, e.y, e.h, 0, 2 * Math.PI); g.stroke(); }
      else if (e.type === 'POLYLINE' && e.pts.length) {
        g.beginPath(); g.moveTo(e.pts[0].x, e.pts[0].y);
        for (const p of e.pts.slice(1)) g.lineTo(p.x, p.y);
        g.closePath(); g.stroke();
      } else if (e.type === 'TEXT' && e.text && e.h * view.scale > 3) {
        g.save(); g.translate(e.x, e.y); g.rotate((e.rot || 0) * Math.PI / 180); g.scale(1, -1);
        g.font = `${e.h}px sans-serif`; g.fillText(e.text, 0, 0); g.restore();
      }
    }
  }
  $('fit').addEventListener('click', fit);
  const canvas = $('drawing');
  canvas.addEventListener('wheel', (e) => {
    e.preventDefault();
    const k = e.deltaY < 0 ? 1.2 : 1 / 1.2;
    const r = canvas.getBoundingClientRect();
    const mx = (e.clientX - r.left) * canvas.width / r.width, my = (e.clientY - r.top) * canvas.height / r.height;
    view.x = mx - (mx - view.x) * k; view.y = my - (my - view.y) * k; view.scale *= k;
    drawPreview();
  }, { passive: false });
  let drag = null;
  canvas.addEventListener('pointerdown', (e) => { drag = { x: e.clientX, y: e.clientY }; canvas.setPointerCapture(e.pointerId); });
  canvas.addEventListener('pointermove', (e) => {
    if (!drag) return;
    view.x += e.clientX - drag.x; view.y += e.clientY - drag.y; drag = { x: e.clientX, y: e.clientY };
    drawPreview();
  });
  canvas.addEventListener('pointerup', () => { drag = null; });
})();
