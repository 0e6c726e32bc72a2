// Figures of the web page, printed, never asserted: time from opening the
// page to its first drawn frame (median of 5 fresh loads from 127.0.0.1),
// processor time of the idle page on the start screen, and the longest frame
// of the slowest request (primes from 1 to 1000000).
// Usage: node measure.mjs <site folder>   (Chromium in its default
// background-throttled headless mode: the idle figure is per drawn frame.)
import {createServer} from "node:http";
import {mkdtempSync, readFileSync, rmSync} from "node:fs";
import {tmpdir} from "node:os";
import {extname, join, normalize} from "node:path";
import puppeteer from "puppeteer-core";

const site = process.argv[2];
const TYPES = {".html": "text/html", ".js": "text/javascript", ".wasm": "application/wasm"};
const server = createServer((request, response) => {
  let path = new URL(request.url, "http://x").pathname;
  if (path.endsWith("/")) path += "index.html";
  try {
    const body = readFileSync(join(site, normalize(path)));
    response.writeHead(200, {"Content-Type": TYPES[extname(path)] || "application/octet-stream"}).end(body);
  } catch {
    response.writeHead(404).end();
  }
});
await new Promise(ready => server.listen(0, "127.0.0.1", ready));
const url = `http://127.0.0.1:${server.address().port}/`;
const profile = mkdtempSync(join(tmpdir(), "calcora-measure-"));
const browser = await puppeteer.launch({executablePath: "/usr/bin/chromium", headless: true,
  args: ["--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run", "--disable-background-networking",
         "--disable-component-update", "--disable-sync", `--user-data-dir=${profile}`]});
const median = values => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];

// The first frame: the main loop's first pass, timed from navigation start.
const loads = [];
for (let i = 0; i < 5; ++i) {
  const context = await browser.createBrowserContext();
  const page = await context.newPage();
  await page.evaluateOnNewDocument(() => {
    const poll = () => (typeof Browser !== "undefined" && Browser.mainLoop.currentFrameNumber > 0)
      ? (window.firstFrame = performance.now()) : requestAnimationFrame(poll);
    requestAnimationFrame(poll);
  });
  await page.goto(url);
  await page.waitForFunction(() => window.firstFrame !== undefined);
  loads.push(await page.evaluate(() => window.firstFrame));
  await context.close();
}
console.log(`first frame after opening: ${loads.map(t => t.toFixed(0)).join(", ")} ms; median ${median(loads).toFixed(0)} ms`);

// Processor time of the main loop per idle frame, and of the request's frames.
const page = await browser.newPage();
await page.goto(url);
await page.waitForFunction(() => typeof Module !== "undefined" && Module.calledRun && Browser.mainLoop.runner);
await page.evaluate(() => {
  const run = Browser.mainLoop.runner;
  window.frameTimes = [];
  Browser.mainLoop.runner = function () {
    const start = performance.now();
    run.apply(this, arguments);
    frameTimes.push(performance.now() - start);
  };
});
const frames = n => page.evaluate(n => new Promise(done => {
  const step = () => (--n ? requestAnimationFrame(step) : done());
  requestAnimationFrame(step);
}), n);
await frames(300);
const idle = await page.evaluate(() => frameTimes.splice(0));
const idleMs = idle.reduce((a, b) => a + b, 0) / idle.length;
console.log(`idle frame: ${(idleMs * 1000).toFixed(1)} µs of processor time; at 60 frames a second ${(idleMs * 60 / 10).toFixed(2)}% of a core`);
for (const key of ["Enter", "ArrowRight", "ArrowRight", "1", "ArrowRight", ..."1000000", "ArrowDown"]) {
  await page.keyboard.press(key);
  await frames(2);
}
await page.evaluate(() => frameTimes.splice(0));
for (const time of ["first", "second"]) {
  await page.keyboard.press("Enter");
  await frames(5);
  const request = await page.evaluate(() => frameTimes.splice(0));
  console.log(`primes 1 to 1000000, ${time} time: longest frame ${Math.max(...request).toFixed(1)} ms ` +
              `(request, results.txt and its link, drawing)`);
}
await browser.close();
rmSync(profile, {recursive: true, force: true});
server.close();
