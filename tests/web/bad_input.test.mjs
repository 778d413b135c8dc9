// The page with bad input: its packed files missing (the server answers 404), and one asset
// broken inside them. The demo must say so in its own words, as on the desktop, and play on:
// the last scene's frame at 66 s is drawn. (Without its files it reports a missing model on
// every frame; each box brings the window focus events, which the one-message-a-frame pump
// takes before the quit it would otherwise get at the end, as on the desktop.)
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { join } from 'node:path';
import { test } from 'node:test';
import { browse, faults, serve, site } from './support.mjs';

async function playOn(override) {
  const server = await serve(override);
  try {
    return await browse(async (page, said) => {
      await page.goto(`${server.url}?at=66&fps=5`);
      await page.waitForFunction('rerovuz.moment === 0', { timeout: 300000, polling: 200 });
      assert.deepEqual(faults(said), []);
      return said;
    });
  } finally {
    await server.close();
  }
}

test('without its packed files the demo reports each one and plays on', async () => {
  const said = await playOn((name) => (name === 'rerovuz.data' ? 404 : null));
  assert.ok(said.console.some((line) => line.includes('rerovuz.data could not be read')));
  for (const words of ['File not found', 'Models/', 'Textures/', 'Text/'])
    assert.ok(
      said.dialogs.some((text) => text.startsWith('Error\n\n') && text.includes(words)),
      `no report says ${words}: ${JSON.stringify(said.dialogs)}`,
    );
});

test('one broken asset is reported by name and the rest of the show plays', async () => {
  // Where each file lies in the package, from its loader.
  const loader = readFileSync(join(site, 'rerovuz-data.js'), 'utf8');
  const files = [...loader.matchAll(/"filename": "\/([^"]+)", "start": (\d+), "end": (\d+)/g)];
  const victim = files.find(([, file]) => file.startsWith('Textures/') && file.endsWith('.png'));
  assert.ok(victim, 'no PNG texture in the package');
  const data = Buffer.from(readFileSync(join(site, 'rerovuz.data')));
  data.fill(0x5a, Number(victim[2]), Number(victim[3]));

  const said = await playOn((name) => (name === 'rerovuz.data' ? data : null));
  assert.equal(said.dialogs.length, 1, JSON.stringify(said.dialogs));
  assert.ok(said.dialogs[0].startsWith('Error\n\n') && said.dialogs[0].includes(victim[1]), said.dialogs[0]);
});
