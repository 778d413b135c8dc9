// The page's frames against the Linux capture's, at the same moments of the same virtual
// clock: index.html?at=... stops at each moment and the canvas is photographed as shown.
//
// The two are drawn by different renderers (Mesa's llvmpipe from OpenGL 1.1, SwiftShader from
// gl4es's shaders over WebGL), so pixels on edges and in blends may differ by a few levels:
// the comparison counts the pixels beyond 24 levels in any channel. A fault in the picture
// (a missing batch, a wrong light, a texture upside down, a scene on the wrong clock) moves
// far more of them: red and blue swapped, or the frame from a second later, must fail.
import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';
import { mkdtempSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { test } from 'node:test';
import { browse, compareFrames, faults, hostBuild, serve } from './support.mjs';

const fps = 10;
// Moment (seconds on the capture's clock), what is on screen, and the share of pixels allowed
// beyond 24 levels. Measured on this build (the test prints its table): 0.000 % with at most
// 5 levels anywhere in the loading fade, the title, the particles and the credits, which are
// pictures drawn as blended rectangles and sprites, where the two renderers differ only in
// rounding: 0.05 % lets through a few dozen stray pixels and nothing with a shape. 0.010 to
// 0.022 % in the sphere field and the mosaic models, lit and sphere-mapped meshes whose
// silhouettes each renderer rasterises its own way (up to 124 levels on an edge pixel): 0.1 %,
// five times the worst measured, is still a sixth of one small sphere of the field (about 0.6 %).
const moments = [
  [0.5, 'loading fade', 0.0005],
  [1.5, 'loading fade', 0.0005],
  [3.5, 'title', 0.0005],
  [8, 'sphere field', 0.001],
  [15, 'sphere field', 0.001],
  [25, 'mosaic models', 0.001],
  [35, 'mosaic models', 0.001],
  [44, 'particles', 0.0005],
  [50, 'particles', 0.0005],
  [58, 'credits', 0.0005],
  [68, 'credits', 0.0005],
];
// The scene whose frame a second later must not pass for it.
const moved = 3;
const name = (t) => `t${t.toFixed(3)}.png`;

test('the page draws the frames the Linux capture draws', async () => {
  const out = mkdtempSync(join(tmpdir(), 'rerovuz-web-frames-'));
  try {
    const times = moments.map(([t]) => t);
    const linux = spawnSync(
      join(hostBuild, 'demo/rerovuz-capture'),
      ['--fps', String(fps), '--at', [...times, times[moved] + 1].join(','), '--out', join(out, 'linux')],
      { encoding: 'utf8' },
    );
    assert.equal(linux.status, 0, linux.stderr);

    const server = await serve();
    try {
      await browse(async (page, said) => {
        await page.goto(`${server.url}?at=${times.join(',')}&fps=${fps}`);
        const canvas = await page.$('#canvas');
        for (let i = 0; i < times.length; ++i) {
          await page.waitForFunction(`rerovuz.moment === ${i}`, { timeout: 300000, polling: 100 });
          await canvas.screenshot({ path: join(out, 'web-' + name(times[i])) });
          if (i + 1 < times.length) await page.evaluate(() => rerovuz.resume());
        }
        assert.deepEqual(faults(said), []);
        assert.deepEqual(said.dialogs, [], 'no report');
      });
    } finally {
      await server.close();
    }

    const rows = [];
    for (const [t, scene, allowed] of moments) {
      const web = join(out, 'web-' + name(t));
      const { share, largest } = compareFrames(join(out, 'linux', name(t)), web);
      const swapped = compareFrames(join(out, 'linux', name(t)), web, { swapRedBlue: true });
      rows.push({ t, scene, share, largest, allowed, swapped: swapped.share });
    }
    const later = times[moved] + 1;
    const shifted = compareFrames(join(out, 'linux', name(later)), join(out, 'web-' + name(times[moved])));
    console.log('moment  scene           beyond 24  largest  allowed  red/blue swapped');
    for (const r of rows)
      console.log(
        `${r.t.toFixed(1).padStart(6)}  ${r.scene.padEnd(14)}  ${(100 * r.share).toFixed(3).padStart(7)} %` +
          `  ${String(r.largest).padStart(7)}  ${(100 * r.allowed).toFixed(2)} %  ${(100 * r.swapped).toFixed(1)} %`,
      );
    console.log(
      `${times[moved]} s against the capture's ${later} s: ${(100 * shifted.share).toFixed(3)} % beyond 24, ` +
        `largest ${shifted.largest}`,
    );
    assert.ok(shifted.share > moments[moved][2], `the frame a second later passes for ${times[moved]} s`);
    for (const r of rows) {
      assert.ok(r.share <= r.allowed, `${r.t} s (${r.scene}): ${(100 * r.share).toFixed(3)} %`);
      assert.ok(r.swapped > r.allowed, `${r.t} s with red and blue swapped still passes`);
    }
  } finally {
    if (process.env.REROVUZ_WEB_KEEP) console.log(`frames kept in ${out}`);
    else rmSync(out, { recursive: true, force: true });
  }
});
