// Compiles the end-to-end tests (web/test/e2e/*.test.ts) and runs them one
// file at a time with Node's test runner, each driving Debian's Chromium
// headless over build/web/index.html opened from disk, with no network:
//   node web/test/run-e2e.mjs        (after scripts/web)
import { build } from 'esbuild';
import { spawnSync } from 'node:child_process';
import { existsSync, readdirSync } from 'node:fs';
import { dirname, join, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';

const here = dirname(fileURLToPath(import.meta.url));
const top = resolve(here, '../..');
const out = join(top, 'build/web-test/e2e');
if (!existsSync(join(top, 'build/web/index.html'))) {
  console.error('build/web/index.html is missing: run scripts/web first');
  process.exit(1);
}

// The compiled tests live under build/, where Node would not find the page's
// packages: each is imported from where npm put it.
const packagesFromWeb = {
  name: 'packages-from-web',
  setup(b) {
    b.onResolve({ filter: /^playwright-core$/ }, () => ({
      path: join(top, 'web/node_modules/playwright-core/index.mjs'),
      external: true,
    }));
  },
};

const folder = join(here, 'e2e');
const tests = readdirSync(folder).filter((f) => f.endsWith(process.env.TARVO_E2E_ONLY ?? '.test.ts'));
await build({
  entryPoints: tests.map((f) => join(folder, f)),
  outdir: out,
  outExtension: { '.js': '.mjs' },
  bundle: true,
  platform: 'node',
  format: 'esm',
  plugins: [packagesFromWeb],
  logLevel: 'warning',
});
const files = tests.map((f) => join(out, f.replace(/\.ts$/, '.mjs')));
const env = { ...process.env, TARVO_TOP: top };
const run = spawnSync(process.execPath, ['--test', '--test-concurrency=1', ...files], { stdio: 'inherit', env });
process.exit(run.status ?? 1);
