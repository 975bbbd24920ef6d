// Serves the built site on http://localhost:PORT for trying it: only the site's own files.
import {createServer} from 'node:http';
import {readFile} from 'node:fs/promises';
import {join} from 'node:path';

const [root, port = '8080'] = process.argv.slice(2);
const types = {'.html': 'text/html; charset=utf-8', '.js': 'text/javascript', '.css': 'text/css',
               '.wasm': 'application/wasm'};
const files = new Set(['index.html', 'app.js', 'worker.js', 'style.css', 'hydrolofter.js',
                       'hydrolofter.wasm']);
createServer(async (request, response) => {
  const name = decodeURIComponent(new URL(request.url, 'http://x').pathname.slice(1)) || 'index.html';
  if (!files.has(name)) {
    response.writeHead(404).end('not found');
    return;
  }
  try {
    const body = await readFile(join(root, name));
    response.writeHead(200, {'Content-Type': types[name.slice(name.lastIndexOf('.'))]}).end(body);
  } catch {
    response.writeHead(404).end('not found');
  }
}).listen(Number(port), '127.0.0.1', () => console.log(`http://localhost:${port}/`));
