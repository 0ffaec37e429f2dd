// Compiles the unit tests (web/test/*.test.ts) with esbuild and runs them
// with Node's own test runner:  node web/test/run-unit.mjs
import { build } from 'esbuild';
import { spawnSync } from 'node:child_process';
import { readdirSync } from 'node:fs';
import { dirname, join, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';

const here = dirname(fileURLToPath(import.meta.url));
const out = resolve(here, '../../build/web-test');
const tests = readdirSync(here).filter((f) => f.endsWith('.test.ts'));

await build({
  entryPoints: tests.map((f) => join(here, f)),
  outdir: out,
  outExtension: { '.js': '.mjs' },
  bundle: true,
  platform: 'node',
  format: 'esm',
  packages: 'external',
  logLevel: 'warning',
});
const files = tests.map((f) => join(out, f.replace(/\.ts$/, '.mjs')));
const env = { ...process.env, TARVO_TEST_DATA: resolve(here, '../../tests/data') };
const run = spawnSync(process.execPath, ['--test', ...files], { stdio: 'inherit', env });
process.exit(run.status ?? 1);
