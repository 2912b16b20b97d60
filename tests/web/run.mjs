// Runs one test file as `node --test` would, and once more if WebKit's web
// process crashed under it. WebKitGTK on a virtual display now and then loses
// the process that runs a page, whatever the page does (rarely: one file in
// about sixty here); the session ends with it and every test after fails.
// A crash the page itself causes comes again on the second run, and fails.
import { spawn } from 'node:child_process';

// What the MiniBrowser says, through the driver's error, when it loses the page.
const crashed = /WebProcess CRASHED/;

function run(file) {
  return new Promise((resolve, reject) => {
    const child = spawn(process.execPath, ['--test', file], { stdio: ['ignore', 'pipe', 'inherit'] });
    let output = '';
    child.stdout.on('data', (chunk) => {
      process.stdout.write(chunk);
      output += chunk;
    });
    child.on('error', reject);
    child.on('exit', (code) => resolve({ code: code ?? 1, output }));
  });
}

const file = process.argv[2];
const first = await run(file);
if (first.code !== 0 && crashed.test(first.output)) {
  console.log(`# The browser's web process crashed: ${file} once more`);
  process.exitCode = (await run(file)).code;
} else {
  process.exitCode = first.code;
}
