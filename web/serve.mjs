// Serves the built site on http://localhost:PORT for trying it: only the site's own files,
// only to GET and HEAD. A request it cannot make sense of is answered 400, never the end of
// the server.
import {createServer} from 'node:http';
import {readdirSync} from 'node:fs';
import {readFile} from 'node:fs/promises';
import {join} from 'node:path';

const [root, port = '8080'] = process.argv.slice(2);
const types = {'.html': 'text/html; charset=utf-8', '.js': 'text/javascript', '.css': 'text/css',
               '.wasm': 'application/wasm', '.webmanifest': 'application/manifest+json', '.png': 'image/png'};
// The site's own files: what the built folder holds of the kinds a page loads (its modules
// among them), never the batch tool beside them.
const files = new Set(readdirSync(root).filter((f) => f.slice(f.lastIndexOf('.')) in types));

/** The file a request's target names, or null when the target is not a well-formed path. */
function fileNamed(target) {
  if (!target.startsWith('/'))
    return null; // an absolute-form or asterisk target: not for this server
  try {
    return decodeURIComponent(new URL(target, 'http://localhost').pathname.slice(1)) ||
           'index.html';
  } catch {
    return null; // a broken %-escape
  }
}

createServer(async (request, response) => {
  if (request.method !== 'GET' && request.method !== 'HEAD') {
    response.writeHead(405, {'Allow': 'GET, HEAD'}).end('method not allowed');
    return;
  }
  const name = fileNamed(request.url);
  if (name === null) {
    response.writeHead(400).end('bad request');
    return;
  }
  if (!files.has(name)) {
    response.writeHead(404).end('not found');
    return;
  }
  try {
    const body = await readFile(join(root, name));
    response.writeHead(200, {'Content-Type': types[name.slice(name.lastIndexOf('.'))],
                             'Content-Length': body.length});
    response.end(request.method === 'HEAD' ? undefined : body);
  } catch {
    response.writeHead(404).end('not found');
  }
}).on('clientError', (error, socket) => {
  // A request line Node's parser refuses: answered, and the server goes on.
  if (socket.writable)
    socket.end('HTTP/1.1 400 Bad Request\r\nConnection: close\r\n\r\n');
}).listen(Number(port), '127.0.0.1', () => console.log(`http://localhost:${port}/`));
