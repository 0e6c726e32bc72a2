// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
// Figures of the web page, printed, never asserted: the bytes of each file,
// raw and after gzip; the time from opening the page to its first drawn
// frame (median of 5 loads, fresh and repeated); the processor time of the
// idle page against a blank one; the longest frame of three requests, of
// the working of the longest of them and of the practice screen opened.
// Usage: node measure.mjs <site folder>
import {createServer} from "node:http";
import {mkdtempSync, readFileSync, readdirSync, rmSync, statSync} from "node:fs";
import {tmpdir} from "node:os";
import {extname, join, normalize} from "node:path";
import {gzipSync} from "node:zlib";
import puppeteer from "puppeteer-core";

const site = process.argv[2];
const TYPES = {".html": "text/html", ".js": "text/javascript", ".wasm": "application/wasm", ".woff2": "font/woff2"};
const median = values => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
const ms = values => `${values.map(t => t.toFixed(0)).join(", ")} ms; median ${median(values).toFixed(0)} ms`;

let total = [0, 0];
for (const file of readdirSync(site).filter(f => statSync(join(site, f)).isFile()).sort()) {
  const bytes = readFileSync(join(site, file));
  const packed = gzipSync(bytes, {level: 9}).length;
  total = [total[0] + bytes.length, total[1] + packed];
  console.log(`${file.padEnd(22)} ${String(bytes.length).padStart(8)} ${String(packed).padStart(8)}`);
}
console.log(`${"all files".padEnd(22)} ${String(total[0]).padStart(8)} ${String(total[1]).padStart(8)} bytes raw / gzip`);

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

// Every animation frame's callback timed, and the first frame the program drew.
const TIMING = () => {
  window.frameTimes = [];
  const raf = window.requestAnimationFrame.bind(window);
  window.requestAnimationFrame = callback => raf(time => {
    const start = performance.now();
    callback(time);
    frameTimes.push(performance.now() - start);
  });
  const poll = () => (typeof Browser !== "undefined" && Browser.mainLoop.currentFrameNumber > 0)
    ? (window.firstFrame = performance.now()) : raf(poll);
  raf(poll);
};
const firstFrame = async page => {
  await page.waitForFunction(() => window.firstFrame !== undefined);
  return page.evaluate(() => window.firstFrame);
};

const fresh = [], repeated = [];
for (let i = 0; i < 5; ++i) {
  const context = await browser.createBrowserContext();
  const page = await context.newPage();
  await page.evaluateOnNewDocument(TIMING);
  await page.goto(url);
  fresh.push(await firstFrame(page));
  await page.evaluate(() => navigator.serviceWorker.ready);
  await page.reload();
  repeated.push(await firstFrame(page));
  await context.close();
}
console.log(`first frame, fresh profile: ${ms(fresh)}`);
console.log(`first frame, visited before: ${ms(repeated)}`);

// Processor time of every process of the browser (user and system, from /proc).
const TICKS_PER_SECOND = 100;
function browserTicks() {
  const parents = new Map();
  for (const pid of readdirSync("/proc").filter(name => /^\d+$/.test(name))) {
    try {
      const fields = readFileSync(`/proc/${pid}/stat`, "utf8").split(") ")[1].split(" ");
      parents.set(Number(pid), {parent: Number(fields[1]), ticks: Number(fields[11]) + Number(fields[12])});
    } catch {}
  }
  const root = browser.process().pid;
  const inBrowser = pid => pid === root || (parents.has(pid) && pid > 1 && inBrowser(parents.get(pid).parent));
  let ticks = 0;
  for (const [pid, {ticks: t}] of parents) if (inBrowser(pid)) ticks += t;
  return ticks;
}
async function idleShare(page, seconds = 10) {
  await new Promise(wait => setTimeout(wait, 2000));
  const before = browserTicks(), start = Date.now();
  await new Promise(wait => setTimeout(wait, seconds * 1000));
  return (browserTicks() - before) / TICKS_PER_SECOND / ((Date.now() - start) / 1000) * 100;
}

const page = await browser.newPage();
await page.goto("about:blank");
const blank = await idleShare(page);
await page.evaluateOnNewDocument(TIMING);
await page.goto(url);
await page.waitForFunction(() => typeof Module !== "undefined" && Module.calledRun);
const idle = await idleShare(page);
console.log(`idle: the whole browser with the page on its start screen ${idle.toFixed(1)}% of a core; ` +
            `with a blank page ${blank.toFixed(1)}%`);

// The longest frame after Enter on a calculate button: the request, its
// answer stored, results.txt and its link, and the next frames' drawing.
const frames = n => page.evaluate(n => new Promise(done => {
  const step = () => (--n ? requestAnimationFrame(step) : done());
  requestAnimationFrame(step);
}), n);
async function keys(...names) {
  for (const name of names) {
    await page.keyboard.press(name);
    await frames(2);
  }
}
// The longest frame after `key`, then `back` pressed to leave its screen.
async function longestFrame(name, times, key, back) {
  for (let i = 1; i <= times; ++i) {
    await page.evaluate(() => frameTimes.splice(0));
    await keys(key);
    await frames(5);
    const longest = Math.max(...await page.evaluate(() => frameTimes.splice(0)));
    console.log(`${name}${times > 1 ? `, time ${i}` : ""}: longest frame ${longest.toFixed(1)} ms`);
    if (back) await keys(back);
  }
}
const request = (name, times = 1) => longestFrame(name, times, "Enter");
await keys("Enter", "ArrowRight", "ArrowRight", "1", "ArrowRight", ..."1000000", "ArrowDown");
await request("primes 1 to 1000000", 2);
// W opens the working of the listing (a page of its rows); P the practice of primes.
await longestFrame("working (W) of primes 1 to 1000000", 2, "w", "Escape");
await longestFrame("practice (P) of primes", 2, "p", "Escape");
await keys("ArrowDown", "ArrowLeft", "ArrowDown", "ArrowDown", ..."9876543210", "ArrowDown", ..."1234567890", "ArrowDown");
await request("GCD of 9876543210 and 1234567890", 2);
await keys("Escape", "ArrowDown", "ArrowDown", "Enter", "ArrowRight", "ArrowDown", "ArrowDown", "5", "ArrowDown",
           ..."121", "ArrowDown");
await request("Egyptian fractions of 5/121", 2);

await browser.close();
rmSync(profile, {recursive: true, force: true});
server.close();
