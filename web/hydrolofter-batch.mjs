// hydrolofter-batch compiled to WebAssembly, for Node: node hydrolofter-batch.mjs ARGS...
// The same arguments, output and exit statuses as the native tool.
import {createRequire} from 'node:module';

createRequire(import.meta.url)('./hydrolofter-batch.cjs');
