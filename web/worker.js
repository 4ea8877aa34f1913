// Runs the module off the page's thread: the databases and the criteria file
// go into the module's memory file system, the outputs come back as bytes.
'use strict';
importScripts('tarvello.js');

let module = null;
let project = null;
let ready = null;
let pipeName = '';  // the pipe database as the user named it: the downloads' names
// A fresh module; also after a failure that may have left the old one unsound.
function start() {
  ready = createTarvello({ locateFile: (name) => name }).then((m) => {
    module = m;
    project = new m.Project();
    postMessage({ kind: 'ready', version: m.version(), catalogue: m.catalogue(),
                  aciColours: m.aciColours(), checkRules: m.checkRules(), pageSizes: m.pageSizes() });
  });
}
start();

function writeInput(path, bytes) {
  try { module.FS.unlink(path); } catch (e) { /* not there */ }
  // The file system keeps the bytes the page handed over instead of a copy.
  if (bytes) module.FS.writeFile(path, new Uint8Array(bytes), { canOwn: true });
}
function emptyFolder(dir) {
  module.FS.mkdirTree(dir);
  for (const f of module.FS.readdir(dir)) if (f !== '.' && f !== '..') module.FS.unlink(dir + '/' + f);
}
// The criteria file of a request in the module's file system, or ''.
function criteriaPath(msg) {
  emptyFolder('/in/criteria');
  if (!msg.criteria) return '';
  const path = '/in/criteria/' + msg.criteriaName;
  writeInput(path, msg.criteria);
  return path;
}
// The bytes of a file the module wrote, and the file removed. The file system
// keeps a file written at its full length in an array of its own: that array
// is handed over as it is rather than copied (a large network's tables are
// tens of megabytes).
function takeFile(path) {
  const node = module.FS.lookupPath(path).node;
  const own = node.contents;
  const bytes = own instanceof Uint8Array && own.byteOffset === 0 && own.byteLength === node.usedBytes &&
    own.buffer.byteLength === own.byteLength ? own : module.FS.readFile(path);
  module.FS.unlink(path);
  return bytes;
}
// The download names of the whole-run outputs: {id: "highway-structures.csv"}.
function downloadNames() {
  const names = {};
  for (const o of module.catalogue()) if (o.target === 'whole') names[o.id] = module.downloadName(o.id, pipeName, '');
  return names;
}

// The warnings of a reply, grouped: {warnings: {groups, generation, count}}
// when the module showed new ones.
function warningsOf(r) {
  return r.warningGroups ? { warnings: { groups: r.warningGroups, generation: r.warningGeneration, count: r.warningCount } } : {};
}

function handle(msg) {
  if (msg.kind === 'open') {
    // Each open writes fresh copies; the names keep their extensions, which the
    // reader's messages and partner rules look at.
    // Only the inlet database, when the pipe database sent last stays.
    if (!msg.keepPipe) emptyFolder('/in/pipe');
    emptyFolder('/in/inlet');
    const inlet = '/in/inlet/' + msg.inletName;
    const t0 = performance.now();
    if (!msg.keepPipe) {
      writeInput('/in/pipe/' + msg.pipeName, msg.pipe);
      pipeName = msg.pipeName;
    }
    writeInput(inlet, msg.inlet);
    const t1 = performance.now();
    const r = msg.keepPipe ? project.openInlet(inlet) : project.open('/in/pipe/' + msg.pipeName, inlet);
    const timings = `copy ${Math.round(t1 - t0)} ms; open ${Math.round(performance.now() - t1)} ms; `;
    return { kind: 'opened', ok: r.ok, message: r.message, units: r.units, english: r.english,
             outfalls: r.outfalls, names: r.ok ? downloadNames() : {}, needPipe: Boolean(r.needPipe), timings };
  }
  if (msg.kind === 'criteria') {
    const r = project.criteria(criteriaPath(msg));
    return { kind: 'criteria', ok: r.ok, line: r.line, message: r.message };
  }
  if (msg.kind === 'stale') {
    return { kind: 'stale', line: project.staleLine(msg.outfall, msg.tailWater) };
  }
  if (msg.kind === 'run') {
    const r = project.run(msg.outfall, msg.tailWater, msg.egl, criteriaPath(msg));
    const reply = { kind: 'ran', ok: r.ok, message: r.message, ...warningsOf(r) };
    if (r.ok) {
      const files = {};
      // Read once and let go: a download writes its file again.
      r.fileIds.forEach((id, i) => { files[id] = takeFile('/out/' + r.files[i]); });
      Object.assign(reply, {
        tailWater: r.tailWater, structures: r.structures, pipes: r.pipes, rowCounts: r.rowCounts,
        hglTop: r.hglTop, findingStructureRows: r.findingStructureRows, findingPipeRows: r.findingPipeRows,
        findings: r.findings, findingCount: r.findingCount, criteriaLine: r.criteriaLine,
        branchIds: r.branchIds, checksSummary: r.checksSummary, files, timings: r.timings,
      });
    }
    return reply;
  }
  if (msg.kind === 'compare') return compareWithOldSet(msg);
  if (msg.kind === 'set') return wholeSet(msg);
  if (msg.kind === 'output') {
    project.setEnergyGradeLine(Boolean(msg.egl));
    if (msg.pageSize) project.setPageSize(msg.pageSize);
    const key = msg.key || '';
    const r = project.output(msg.id, key);
    if (!r.ok) return { kind: 'output', ok: false, message: r.message, ...warningsOf(r) };
    const bytes = takeFile('/out/' + r.name);  // made again when asked again
    return { kind: 'output', ok: true, name: module.downloadName(msg.id, pipeName, key), bytes,
             ...warningsOf(r) };
  }
  // A group of the warnings shown: its sentences, or the row one of them is about.
  if (msg.kind === 'warning-items') {
    return { kind: 'warning-items', text: project.warningItems(msg.generation, msg.group) };
  }
  if (msg.kind === 'warning-row') {
    const r = project.warningRow(msg.generation, msg.group, msg.index);
    return { kind: 'warning-row', table: r.table, row: r.row };
  }
  return { kind: 'error', message: 'unknown request' };
}

// ---- the earlier set and "Download all" ----
// An earlier set's files by what they are, whatever the user's names
// ("highway-structures.csv" as the page saves it).
const oldSetFiles = [['design-checks.csv', /checks\.csv$/i], ['structures.csv', /structures\.csv$/i],
  ['pipes.csv', /pipes\.csv$/i], ['manifest.json', /manifest\.json$/i]];
// Compares the last run with the earlier set's tables: {ok, message, rows, summary, bytes, name}.
function compareWithOldSet(msg) {
  const reply = { kind: 'compared', ok: false };
  emptyFolder('/in/old');
  const named = {};
  for (const f of msg.files) {
    const kind = oldSetFiles.find(([, pattern]) => pattern.test(f.name));
    if (!kind) {
      reply.message = `${f.name} is none of a set's files: choose its structures.csv and pipes.csv, ` +
        'and design-checks.csv and manifest.json if it has them';
      return reply;
    }
    if (named[kind[0]]) {
      reply.message = `${named[kind[0]]} and ${f.name} are both the set's ${kind[0]}: choose one`;
      return reply;
    }
    named[kind[0]] = f.name;
    writeInput('/in/old/' + kind[0], f.bytes);
  }
  const r = project.compare('/in/old');
  if (!r.ok) {
    let message = r.message;
    for (const [set, user] of Object.entries(named)) message = message.split('/in/old/' + set).join(user);
    reply.message = message.split('/in/old/').join('');
    return reply;
  }
  const bytes = module.FS.readFile('/out/' + r.name);
  return Object.assign(reply, { ok: true, rows: r.rows, summary: r.summary, bytes,
                                name: module.projectFileName(pipeName, r.name) });
}
// Everything at once, as tarvello-cli --submittal writes it, in one zip.
function wholeSet(msg) {
  project.setEnergyGradeLine(Boolean(msg.egl));
  if (msg.pageSize) project.setPageSize(msg.pageSize);
  const r = project.submittal();
  if (!r.ok) return { kind: 'set', ok: false, message: r.message, ...warningsOf(r) };
  const bytes = takeFile('/out/' + r.name);
  return { kind: 'set', ok: true, name: module.projectFileName(pipeName, r.name), bytes, ...warningsOf(r) };
}

onmessage = (event) => {
  ready.then(() => {
    let reply;
    try {
      reply = handle(event.data);
    } catch (e) {
      const kinds = { open: 'opened', run: 'ran', output: 'output', criteria: 'criteria', stale: 'stale',
                      compare: 'compared', set: 'set' };
      reply = { kind: kinds[event.data.kind] || 'error', ok: false,
                message: 'The run stopped: ' + String(e && e.message ? e.message : e) };
      start();
    }
    reply.requestId = event.data.requestId;
    // The files' bytes are handed over, not copied.
    const transfer = reply.bytes ? [reply.bytes.buffer] : [];
    if (reply.files) for (const b of Object.values(reply.files)) transfer.push(b.buffer);
    postMessage(reply, transfer);
  });
};
