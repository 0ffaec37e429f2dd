// Builds the machine's worker script: the WebAssembly module's own script
// (build/wasm/src/web/tarvo-machine.js, the module inlined), which defines
// TarvoMachine, followed by the worker's code bundled from src/worker/main.ts.
// The page starts it from a Blob URL of this text, so it also works opened
// from disk (file://), where Chromium refuses module workers and fetch.
//
//   node web/build-worker.mjs [OUT]      writes it to OUT (build/web/worker.js)
//   import { workerSource } from './build-worker.mjs'   the text itself
import { readFile, writeFile, mkdir } from 'node:fs/promises';
import { dirname, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';
import * as esbuild from 'esbuild';

const web = dirname(fileURLToPath(import.meta.url));
const root = resolve(web, '..');

export const machineModulePath = resolve(root, 'build/wasm/src/web/tarvo-machine.js');

export async function workerSource({ modulePath = machineModulePath, minify = true } = {}) {
  const machine = await readFile(modulePath, 'utf8');
  const bundle = await esbuild.build({
    entryPoints: [resolve(web, 'src/worker/main.ts')],
    bundle: true,
    format: 'iife',
    platform: 'browser',
    target: 'es2020',
    minify,
    write: false,
    logLevel: 'warning',
  });
  return `${machine}\n${bundle.outputFiles[0].text}`;
}

if (process.argv[1] && resolve(process.argv[1]) === fileURLToPath(import.meta.url)) {
  const out = resolve(process.argv[2] ?? resolve(root, 'build/web/worker.js'));
  await mkdir(dirname(out), { recursive: true });
  await writeFile(out, await workerSource());
  console.log(`worker: ${out}`);
}
