// Prints every user table of a Jet/Access file as one JSON document, read by
// the independent npm package mdb-reader, so tests can compare what another
// implementation sees:
//   {"tables":[{"name":..., "rowCount":N, "columns":[{"name":..., "type":...}],
//               "rows":[[value, ...], ...]}]}
// Tables, columns and rows come in stored order; null stays null.
// Usage: node dump.mjs FILE
import { readFileSync } from "node:fs";
import MDBReader from "mdb-reader";

const args = process.argv.slice(2);
if (args.length !== 1) {
  console.error("usage: node dump.mjs FILE");
  process.exit(2);
}

let reader;
try {
  reader = new MDBReader(readFileSync(args[0]));
} catch (e) {
  console.error(`dump.mjs: ${args[0]}: ${e.message}`);
  process.exit(1);
}

const tables = reader.getTableNames().map((name) => {
  const table = reader.getTable(name);
  const columns = table.getColumns().map((c) => ({ name: c.name, type: c.type }));
  const rows = table.getData().map((row) => columns.map((c) => row[c.name]));
  return { name, rowCount: table.rowCount, columns, rows };
});
process.stdout.write(JSON.stringify({ tables }) + "\n");
