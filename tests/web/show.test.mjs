// The whole show in real time, as a person sees it: the page's question answered with a key,
// the loading picture, every scene starting, the sound running with the pictures, and the end
// reached by itself with "Play again". Scenes and the music's start are read from the trace the
// page turns on (?trace), the music's place against the show's clock from the page's hook.
import assert from 'node:assert/strict';
import { join } from 'node:path';
import { test } from 'node:test';
import { browse, faults, serve } from './support.mjs';

// One device buffer: 4096 samples at 44.1 kHz. The music may be that far from the clock.
const bufferSeconds = 4096 / 44100;
const shots = process.env.REROVUZ_WEB_SHOTS; // a folder for the report's screenshots

for (const [key, answer] of [
  ['Enter', 'Yes'],
  ['Escape', 'No'],
]) {
  test(`a whole show in real time, the question answered ${answer} with ${key}`, async () => {
    const server = await serve();
    try {
      await browse(async (page, said) => {
        await page.goto(`${server.url}?trace`);
        await page.waitForSelector('#question:not([hidden])');
        assert.equal(await page.$eval('#question-title', (e) => e.textContent), 'Decide!');
        assert.equal(await page.$eval('#question-text', (e) => e.textContent), 'Fullscreen?');
        if (shots && answer === 'Yes') await page.screenshot({ path: join(shots, 'web-question.png') });
        await page.keyboard.press(key);

        const traced = (pattern) => said.console.some((line) => pattern.test(line));
        const lags = [];
        for (let scene = 0; scene < 5; ++scene) {
          // The title starts with the music; the trace names each later scene as it starts.
          await page.waitForFunction(
            (start) => rerovuz.trace.some((line) => line.startsWith(start)),
            { timeout: 60000, polling: 100 },
            scene === 0 ? 'music starts' : `scene ${scene} `,
          );
          if (scene === 0) {
            // Loading showed its picture and faded it before the music started.
            assert.ok(traced(/music starts/));
            assert.ok((await page.evaluate(() => rerovuz.framesAtMusicStart)) >= 2);
            assert.equal(await page.evaluate(() => rerovuz.audioState()), 'running');
          }
          // A moment into the scene, when the device has taken a few buffers: the median of
          // nine readings over 0.4 s. Between two takes the lag holds what the last take left
          // (the resync rule keeps that within a buffer); a single reading may fall while a
          // take is late behind a long frame, when what is heard waits for the device.
          await new Promise((resolve) => setTimeout(resolve, 1500));
          const readings = [];
          for (let i = 0; i < 9; ++i) {
            readings.push(await page.evaluate(() => rerovuz.musicLag()));
            await new Promise((resolve) => setTimeout(resolve, 50));
          }
          lags.push(readings.sort((a, b) => a - b)[4]);
        }
        console.log(`music against the show's clock, per scene (s): ${lags.map((l) => l.toFixed(3)).join(' ')}`);
        for (const lag of lags) assert.ok(Math.abs(lag) <= bufferSeconds, `music ${lag} s off the clock`);

        await page.waitForFunction('rerovuz.ended !== null', { timeout: 60000, polling: 200 });
        assert.equal(await page.evaluate(() => rerovuz.ended), 0);
        assert.equal(await page.$eval('#again', (e) => e.textContent), 'Play again');
        assert.ok(await page.$eval('#end', (e) => !e.hidden));
        assert.equal(await page.evaluate(() => rerovuz.audioState()), 'closed');
        if (shots && answer === 'Yes') await page.screenshot({ path: join(shots, 'web-end.png') });

        // Yes goes full screen, or says it could not, and the show went on either way.
        const refused = said.dialogs.filter((d) => d === 'Window error\n\nUnable to switch to fullscreen');
        assert.equal(said.dialogs.length, refused.length, JSON.stringify(said.dialogs));
        if (answer === 'Yes') assert.ok(refused.length === 1 || (await page.evaluate(() => rerovuz.wasFullscreen)));
        else assert.equal(refused.length, 0);
        assert.deepEqual(faults(said), []);
      });
    } finally {
      await server.close();
    }
  });
}

test('a full screen the browser refuses gets the demo report, and Escape ends the show in the page', async () => {
  const server = await serve();
  try {
    await browse(async (page, said) => {
      await page.evaluateOnNewDocument(() => {
        HTMLElement.prototype.requestFullscreen = () => Promise.reject(new TypeError('refused'));
      });
      await page.goto(`${server.url}?trace`);
      await page.waitForSelector('#question:not([hidden])');
      await page.click('#yes');
      await page.waitForFunction(() => rerovuz.trace.some((line) => line.startsWith('scene 1 ')), {
        timeout: 60000,
        polling: 100,
      });
      assert.deepEqual(said.dialogs, ['Window error\n\nUnable to switch to fullscreen']);
      await page.keyboard.press('Escape');
      await page.waitForFunction('rerovuz.ended !== null', { timeout: 10000, polling: 100 });
      assert.equal(await page.evaluate(() => rerovuz.ended), 0);
      assert.ok(await page.$eval('#end', (e) => !e.hidden));
      assert.equal(await page.evaluate(() => rerovuz.audioState()), 'closed');
      assert.ok(!said.console.some((line) => line.includes('scene 2 ')), 'the show went on after Escape');
      assert.deepEqual(faults(said), []);
    });
  } finally {
    await server.close();
  }
});
