// Serves a folder of static files on every network interface, so that the
// phones of a room open the page from the laptop that built it:
//   node web/serve.mjs FOLDER [PORT]
import { createReadStream } from 'node:fs';
import { stat } from 'node:fs/promises';
import { createServer } from 'node:http';
import { networkInterfaces } from 'node:os';
import { extname, join, normalize, resolve, sep } from 'node:path';

const root = resolve(process.argv[2] ?? 'build/web');
const port = Number(process.argv[3] ?? 8080);

const types = {
  '.html': 'text/html; charset=utf-8',
  '.js': 'text/javascript; charset=utf-8',
  '.cjs': 'text/javascript; charset=utf-8',
  '.css': 'text/css; charset=utf-8',
  '.wasm': 'application/wasm',
  '.png': 'image/png',
  '.svg': 'image/svg+xml',
  '.json': 'application/json',
  '.nc': 'text/plain; charset=utf-8',
};

// The file a request names, never one outside the folder; null for a
// request that names none.
function fileOf(url) {
  let path;
  try {
    path = decodeURIComponent(new URL(url, 'http://page/').pathname);
  } catch {
    return null;
  }
  const file = normalize(join(root, path.endsWith('/') ? path + 'index.html' : path));
  return file === root || file.startsWith(root + sep) ? file : null;
}

const server = createServer(async (request, response) => {
  const file = request.method === 'GET' || request.method === 'HEAD' ? fileOf(request.url) : null;
  const info = file && (await stat(file).catch(() => null));
  if (!info || !info.isFile()) {
    response.writeHead(file ? 404 : 400, { 'content-type': 'text/plain; charset=utf-8' });
    response.end(file ? 'not found\n' : 'bad request\n');
    return;
  }
  response.writeHead(200, {
    'content-type': types[extname(file)] ?? 'application/octet-stream',
    'content-length': info.size,
    'cache-control': 'no-cache',
  });
  if (request.method === 'HEAD') response.end();
  else createReadStream(file).pipe(response);
});

// Port 0 takes any free port; the addresses name the one taken.
server.listen(port, '0.0.0.0', () => {
  const { port } = server.address();
  console.log(`Serving ${root} (Ctrl+C stops)`);
  console.log(`  on this machine:        http://localhost:${port}/`);
  const addresses = Object.values(networkInterfaces())
    .flat()
    .filter((a) => a && a.family === 'IPv4' && !a.internal);
  for (const a of addresses) console.log(`  on a phone in the room: http://${a.address}:${port}/`);
});
