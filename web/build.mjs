// Bundles the page and its worker into one index.html that works from
// file:// (where Chromium fetches nothing of its own and starts no module
// worker) as well as from any server: the worker's code travels inside the
// page as a string the page starts from a Blob URL, and the style and the
// script stand inline.
//   node web/build.mjs MODULE_FOLDER OUT_FOLDER
import { build } from 'esbuild';
import { mkdir, readFile, writeFile } from 'node:fs/promises';
import { dirname, join, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';
import { workerSource } from './build-worker.mjs';

const here = dirname(fileURLToPath(import.meta.url));
const moduleFolder = resolve(process.argv[2] ?? 'build/wasm/src/web');
const out = resolve(process.argv[3] ?? 'build/web');

const common = {
  bundle: true,
  write: false,
  minify: true,
  target: ['es2020'],
  legalComments: 'none',
  logLevel: 'warning',
};

async function bundle(options) {
  const result = await build({ ...common, ...options });
  return result.outputFiles[0].text;
}

// The worker's script: the machine's module followed by the worker's bundle.
const workerCode = await workerSource({ modulePath: join(moduleFolder, 'tarvo-machine.js') });

const workerSourcePlugin = {
  name: 'worker-source',
  setup(b) {
    b.onResolve({ filter: /^tarvo-worker-source$/ }, () => ({ path: 'worker', namespace: 'worker-source' }));
    b.onLoad({ filter: /.*/, namespace: 'worker-source' }, () => ({
      contents: `export default ${JSON.stringify(workerCode)};`,
      loader: 'js',
    }));
  },
};

const pageCode = await bundle({
  entryPoints: [join(here, 'src/page/main.ts')],
  format: 'iife',
  plugins: [workerSourcePlugin],
});
const style = await bundle({ entryPoints: [join(here, 'src/page/style.css')], loader: { '.css': 'css' } });

// Inside an inline script, "</script" would end it early; "<\/script" reads the
// same in every string, template and regular expression.
const inline = (code) => code.replace(/<\/(script)/gi, '<\\/$1');
const template = await readFile(join(here, 'src/page/index.html'), 'utf8');
const html = template
  .replace('/*style*/', () => style)
  .replace('/*script*/', () => inline(pageCode));
await mkdir(out, { recursive: true });
await writeFile(join(out, 'index.html'), html);
