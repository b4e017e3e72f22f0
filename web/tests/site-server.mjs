// SPDX-License-Identifier: MIT
// A static web server for the built site on a free port of 127.0.0.1, compressing with gzip as a
// web server would, for the browser tests and the benchmark.
import { createServer } from 'node:http';
import { readFile } from 'node:fs/promises';
import { extname, join, normalize } from 'node:path';
import { createHash } from 'node:crypto';
import { gzipSync } from 'node:zlib';

const types = {
  '.html': 'text/html; charset=utf-8',
  '.css': 'text/css',
  '.js': 'text/javascript',
  '.wasm': 'application/wasm',
  '.webmanifest': 'application/manifest+json',
  '.png': 'image/png',
  '.woff2': 'font/woff2',
  '.woff': 'font/woff',
};
// Pictures and WOFF2 are compressed already.
const compressed = new Set(['.png', '.woff2', '.woff']);

// Serves the folder; resolves to the server, whose `url` is the site's address and whose
// `sentBytes` counts the bytes of the bodies it has sent.
export function serveFolder(folder) {
  const gzipped = new Map();
  const server = createServer(async (request, response) => {
    const path = normalize(decodeURIComponent(new URL(request.url, 'http://localhost').pathname));
    const file = join(folder, path.endsWith('/') ? `${path}index.html` : path);
    if (!file.startsWith(folder)) return response.writeHead(403).end();
    let body;
    try {
      body = await readFile(file);
    } catch {
      return response.writeHead(404).end();
    }
    // Browsers may keep a file but ask again before using it; the same file is "not modified".
    const etag = `W/"${createHash('sha256').update(body).digest('base64url').slice(0, 16)}"`;
    if (request.headers['if-none-match'] === etag) return response.writeHead(304, { ETag: etag }).end();
    const headers = { 'Content-Type': types[extname(file)] ?? 'application/octet-stream', 'Cache-Control': 'no-cache', ETag: etag };
    if (!compressed.has(extname(file)) && /\bgzip\b/.test(request.headers['accept-encoding'] ?? '')) {
      // Compressed once per content, as a server that keeps compressed copies would.
      if (!gzipped.has(etag)) gzipped.set(etag, gzipSync(body, { level: 9 }));
      body = gzipped.get(etag);
      headers['Content-Encoding'] = 'gzip';
    }
    server.sentBytes += body.length;
    response.writeHead(200, headers).end(body);
  });
  server.sentBytes = 0;
  return new Promise((done) => server.listen(0, '127.0.0.1', () => {
    server.url = `http://127.0.0.1:${server.address().port}/`;
    done(server);
  }));
}
