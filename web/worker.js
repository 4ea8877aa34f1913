// Runs the module off the page's thread: the databases and the criteria file
// go into the module's memory file system, the outputs come back as bytes.
'use strict';
importScripts('tarvello.js');

let module = null;
let project = null;
let ready = null;
// A fresh module; also after a failure that may have left the old one unsound.
function start() {
  ready = createTarvello({ locateFile: (name) => name }).then((m) => {
    module = m;
    project = new m.Project();
    postMessage({ kind: 'ready', version: m.version() });
  });
}
start();

function writeInput(path, bytes) {
  try { module.FS.unlink(path); } catch (e) { /* not there */ }
  if (bytes) module.FS.writeFile(path, new Uint8Array(bytes));
}

function readOutputs(names) {
  const files = {};
  for (const name of names) files[name] = module.FS.readFile('/out/' + name);
  return files;
}

function handle(msg) {
  if (msg.kind === 'open') {
    module.FS.mkdirTree('/in');
    // Each run opens fresh copies; the names keep their extensions, which the
    // reader's messages and partner rules look at.
    module.FS.mkdirTree('/in/pipe');
    module.FS.mkdirTree('/in/inlet');
    for (const dir of ['/in/pipe', '/in/inlet'])
      for (const f of module.FS.readdir(dir)) if (f !== '.' && f !== '..') module.FS.unlink(dir + '/' + f);
    const pipe = '/in/pipe/' + msg.pipeName;
    const inlet = '/in/inlet/' + msg.inletName;
    writeInput(pipe, msg.pipe);
    writeInput(inlet, msg.inlet);
    const r = project.open(pipe, inlet);
    return { kind: 'opened', ok: r.ok, message: r.message, units: r.units, outfalls: r.outfalls };
  }
  if (msg.kind === 'run') {
    let criteria = '';
    if (msg.criteria) {
      module.FS.mkdirTree('/in/criteria');
      for (const f of module.FS.readdir('/in/criteria')) if (f !== '.' && f !== '..') module.FS.unlink('/in/criteria/' + f);
      criteria = '/in/criteria/' + msg.criteriaName;
      writeInput(criteria, msg.criteria);
    }
    const r = project.run(msg.outfall, msg.tailWater, msg.egl, criteria);
    const reply = { kind: 'ran', ok: r.ok, message: r.message, warnings: r.warnings || [] };
    if (r.ok) {
      Object.assign(reply, {
        tailWater: r.tailWater, structures: r.structures, pipes: r.pipes,
        hglTop: r.hglTop, findingStructureRows: r.findingStructureRows, findingPipeRows: r.findingPipeRows,
        branchIds: r.branchIds, drawingWarnings: r.drawingWarnings,
        checksSummary: r.checksSummary, files: readOutputs(r.files), timings: r.timings,
      });
    }
    return reply;
  }
  if (msg.kind === 'output') {
    const r = project.output(msg.name);
    if (!r.ok) return { kind: 'output', ok: false, message: r.message, warnings: r.warnings };
    const bytes = module.FS.readFile('/out/' + msg.name);
    module.FS.unlink('/out/' + msg.name);  // made again when asked again
    return { kind: 'output', ok: true, name: msg.name, bytes, warnings: r.warnings };
  }
  return { kind: 'error', message: 'unknown request' };
}

onmessage = (event) => {
  ready.then(() => {
    let reply;
    try {
      reply = handle(event.data);
    } catch (e) {
      const kinds = { open: 'opened', run: 'ran', output: 'output' };
      reply = { kind: kinds[event.data.kind] || 'error', ok: false,
                message: 'The run stopped: ' + String(e && e.message ? e.message : e) };
      start();
    }
    reply.requestId = event.data.requestId;
    postMessage(reply);
  });
};
