// Compiles every web/test/*.test.ts (with what it imports) for Node and runs
// them with Node's own test runner. The worker tests load the machine's
// module from build/wasm/src/web/tarvo-machine.js (or $TARVO_MACHINE):
// build it first with `cmake --build --preset wasm --target tarvo_machine`.
//
//   node web/test/run-unit.mjs [NAME-FILTER]
import { readdir, rm } from 'node:fs/promises';
import { spawnSync } from 'node:child_process';
import { dirname, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';
import * as esbuild from 'esbuild';

const test = dirname(fileURLToPath(import.meta.url));
const root = resolve(test, '../..');
const out = resolve(root, 'build/web-test');
const filter = process.argv[2] ?? '';

const names = (await readdir(test)).filter((n) => n.endsWith('.test.ts') && n.includes(filter));
await rm(out, { recursive: true, force: true });
await esbuild.build({
  entryPoints: names.map((n) => resolve(test, n)),
  outdir: out,
  outExtension: { '.js': '.cjs' },
  bundle: true,
  format: 'cjs',
  platform: 'node',
  target: 'node18',
  sourcemap: 'inline',
  logLevel: 'warning',
});
const files = names.map((n) => resolve(out, n.replace(/\.ts$/, '.cjs')));
const run = spawnSync(process.execPath, ['--test', ...files], {
  stdio: 'inherit',
  env: { ...process.env, TARVO_ROOT: root },
});
process.exit(run.status ?? 1);
