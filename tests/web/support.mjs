// What the web tests share: the site served on 127.0.0.1 by the test itself, Debian's
// Chromium started and stopped around each use, and what the page said meanwhile.
import { spawnSync } from 'node:child_process';
import { readFileSync } from 'node:fs';
import { createServer } from 'node:http';
import { createRequire } from 'node:module';
import { extname, join, normalize } from 'node:path';

const require = createRequire(join(process.env.NODE_PATH, '/'));
const puppeteer = require('puppeteer-core');

export const site = process.env.REROVUZ_WEB_SITE;
export const hostBuild = process.env.REROVUZ_HOST_BUILD;

const types = { '.html': 'text/html', '.js': 'text/javascript', '.wasm': 'application/wasm' };

// Serves the site under /a/sub/path/ (the page's URLs must all be relative) on a free port.
// `override(name)` may answer for a file instead: a Buffer, or a number for an HTTP status.
export async function serve(override = () => null) {
  const server = createServer((request, response) => {
    const path = new URL(request.url, 'http://x').pathname;
    const prefix = '/a/sub/path/';
    let name = path.startsWith(prefix) ? normalize(path.slice(prefix.length)) : null;
    if (name === '.') name = 'index.html';
    let body = name && !name.startsWith('..') ? override(name) : 404;
    if (body === null) {
      try {
        body = readFileSync(join(site, name));
      } catch {
        body = 404;
      }
    }
    if (typeof body === 'number') {
      response.writeHead(body).end();
      return;
    }
    response.writeHead(200, { 'Content-Type': types[extname(name)] || 'application/octet-stream' });
    response.end(body);
  });
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  const url = `http://127.0.0.1:${server.address().port}/a/sub/path/`;
  return { url, close: () => new Promise((resolve) => server.close(resolve)) };
}

// Chromium headless with WebGL on SwiftShader. Sound needs no flag: the page's own question
// is the gesture the browser asks for, and the tests answer it with real key presses.
export async function browse(fn) {
  const browser = await puppeteer.launch({
    executablePath: '/usr/bin/chromium',
    headless: true,
    defaultViewport: { width: 1024, height: 768 },
    args: ['--no-sandbox', '--use-gl=angle', '--use-angle=swiftshader', '--enable-unsafe-swiftshader'],
  });
  try {
    const page = await browser.newPage();
    const said = { console: [], errors: [], dialogs: [] };
    page.on('console', (message) => said.console.push(`${message.type()}: ${message.text()}`));
    page.on('pageerror', (error) => said.errors.push(String(error)));
    page.on('dialog', async (dialog) => {
      said.dialogs.push(dialog.message());
      await dialog.accept();
    });
    return await fn(page, said);
  } finally {
    await browser.close();
  }
}

// What went wrong on the page's side: uncaught exceptions and WebGL's complaints.
export function faults(said) {
  const gl = said.console.filter((line) => /WebGL: |GL_INVALID_|OpenGL Error/.test(line));
  return [...said.errors, ...gl];
}

// frame_diff's verdict on two PNG frames: the share beyond `levels` in any channel and the
// largest difference.
export function compareFrames(a, b, { levels = 24, swapRedBlue = false } = {}) {
  const args = [...(swapRedBlue ? ['--swap-red-blue'] : []), a, b, String(levels), '0'];
  const run = spawnSync(join(hostBuild, 'tools/windows/frame_diff'), args, { encoding: 'utf8' });
  const match = /(\d+) of (\d+) pixels differ, (\d+) by more than \d+ levels, largest (\d+)/.exec(run.stdout);
  if (!match) throw new Error(`frame_diff ${args.join(' ')}: ${run.stdout}${run.stderr}`);
  return { share: Number(match[3]) / Number(match[2]), largest: Number(match[4]) };
}
