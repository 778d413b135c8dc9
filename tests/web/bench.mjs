// `make web-bench`: frames per second of each scene of the page playing in real time in
// headless Chromium (WebGL on SwiftShader), read from the page's frame count at each scene's
// start in its trace. A report, like `make bench`; nothing here passes or fails.
import { writeFileSync } from 'node:fs';
import { join } from 'node:path';
import { browse, serve } from './support.mjs';

const server = await serve();
try {
  await browse(async (page) => {
    await page.goto(`${server.url}?trace`);
    await page.waitForSelector('#question:not([hidden])');
    await page.click('#no');
    // [name, frames, seconds on the page's clock] at each scene start and at the end.
    const marks = [];
    await page.exposeFunction('mark', (name, frames, ms) => marks.push([name, frames, ms / 1000]));
    await page.evaluate(() => {
      const seen = new Set();
      const poll = () => {
        for (const line of rerovuz.trace) {
          // The title starts with the music.
          const m = /^scene (\d+) \(([^)]+)\)/.exec(line) || (/^music starts/.test(line) && [0, '0', 'title']);
          if (m && !seen.has(m[1])) {
            seen.add(m[1]);
            window.mark(m[2], rerovuz.frames, performance.now());
          }
        }
        if (rerovuz.ended !== null) window.mark('end', rerovuz.frames, performance.now());
        else requestAnimationFrame(poll);
      };
      poll();
    });
    await page.waitForFunction('rerovuz.ended !== null', { timeout: 300000, polling: 500 });
    await new Promise((resolve) => setTimeout(resolve, 500));
    const scenes = [];
    // The trace's "end" and the page's end close the last scene.
    for (let i = 0; i + 1 < marks.length && marks[i][0] !== 'end'; ++i) {
      const [name, frames, start] = marks[i];
      const seconds = marks[i + 1][2] - start;
      scenes.push({ scene: name, frames: marks[i + 1][1] - frames, seconds, fps: (marks[i + 1][1] - frames) / seconds });
    }
    for (const s of scenes)
      console.log(`${s.scene.padEnd(14)} ${s.fps.toFixed(1).padStart(6)} fps  (${s.frames} frames in ${s.seconds.toFixed(1)} s)`);
    const out = join(process.env.REROVUZ_WEB_SITE, '..', 'bench.json');
    writeFileSync(out, JSON.stringify({ scenes }, null, 2));
    console.log(`written to ${out}`);
  });
} finally {
  await server.close();
}
