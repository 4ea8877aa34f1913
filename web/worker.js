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
                  aciColours: m.aciColours(), checkRules: m.checkRules() });
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
      r.fileIds.forEach((id, i) => {
        files[id] = module.FS.readFile('/out/' + r.files[i]);
        module.FS.unlink('/out/' + r.files[i]);
      });
      Object.assign(reply, {
        tailWater: r.tailWater, structures: r.structures, pipes: r.pipes, rowCounts: r.rowCounts,
        hglTop: r.hglTop, findingStructureRows: r.findingStructureRows, findingPipeRows: r.findingPipeRows,
        findings: r.findings, findingCount: r.findingCount, criteriaLine: r.criteriaLine,
        branchIds: r.branchIds, checksSummary: r.checksSummary, files, timings: r.timings,
      });
    }
    return reply;
  }
  if (msg.kind === 'output') {
    project.setEnergyGradeLine(Boolean(msg.egl));
    const key = msg.key || '';
    const r = project.output(msg.id, key);
    if (!r.ok) return { kind: 'output', ok: false, message: r.message, ...warningsOf(r) };
    const bytes = module.FS.readFile('/out/' + r.name);
    module.FS.unlink('/out/' + r.name);  // made again when asked again
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

onmessage = (event) => {
  ready.then(() => {
    let reply;
    try {
      reply = handle(event.data);
    } catch (e) {
      const kinds = { open: 'opened', run: 'ran', output: 'output', criteria: 'criteria', stale: 'stale' };
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
