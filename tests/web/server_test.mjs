// The browser edition's local server under requests a browser would not send: each is
// answered with its status and the server keeps serving.
// Usage: node server_test.mjs SITE-FOLDER
import {spawn} from 'node:child_process';
import {connect} from 'node:net';
import {dirname, join} from 'node:path';
import {fileURLToPath} from 'node:url';

const site = process.argv[2];
const port = 18000 + Math.floor(Math.random() * 1000);
const here = dirname(fileURLToPath(import.meta.url));
const server = spawn('node', [join(here, '../../web/serve.mjs'), site, String(port)],
                     {stdio: ['ignore', 'pipe', 'inherit']});
await new Promise((resolve) => server.stdout.once('data', resolve));

/** The status line's code for a raw request, or 'closed' when no answer came. */
function status(raw) {
  return new Promise((resolve) => {
    const socket = connect(port, '127.0.0.1', () => socket.write(raw));
    let reply = '';
    socket.setTimeout(5000, () => socket.destroy());
    socket.on('data', (d) => { reply += d; });
    socket.on('close', () => resolve(reply.match(/^HTTP\/1\.1 (\d+)/)?.[1] ?? 'closed'));
    socket.on('error', () => {});
  });
}
const get = (target, method = 'GET') =>
  `${method} ${target} HTTP/1.1\r\nHost: localhost\r\nConnection: close\r\n\r\n`;

const rows = [
  ['a file of the site', get('/index.html'), '200'],
  ['HEAD', get('/', 'HEAD'), '200'],
  ['a broken escape', get('/%'), '400'],
  ['a cut escape', get('/%E0%A4%A'), '400'],
  ['an absolute-form target', get('http://[::1/'), '400'],
  ['another file', get('/../etc/passwd'), '404'],
  ['POST', get('/index.html', 'POST'), '405'],
  ['DELETE', get('/', 'DELETE'), '405'],
  ['a request line that is not HTTP', 'hello\r\n\r\n', '400'],
  ['still serving', get('/'), '200'],
];
let failures = 0;
for (const [what, raw, want] of rows) {
  const got = await status(raw);
  if (got !== want) {
    console.log(`FAIL: ${what}: ${got}, expected ${want}`);
    ++failures;
  }
}
server.kill();
if (server.exitCode !== null && server.exitCode !== 0) {
  console.log(`FAIL: the server ended (${server.exitCode})`);
  ++failures;
}
console.log(failures ? `${failures} server check(s) failed` : 'all server checks passed');
process.exit(failures ? 1 : 0);
