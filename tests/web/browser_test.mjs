// The web page in Debian's headless Chromium: the page served from the built
// folder on 127.0.0.1, driven by keys as a pupil would, its canvas compared
// with the desktop's frames. Usage: node browser_test.mjs <site folder> <desktop frames folder>
import {createServer} from "node:http";
import {mkdtempSync, readFileSync, rmSync} from "node:fs";
import {tmpdir} from "node:os";
import {extname, join, normalize} from "node:path";
import puppeteer from "puppeteer-core";

const [site, desktopFrames] = process.argv.slice(2);
const TYPES = {".html": "text/html", ".js": "text/javascript", ".wasm": "application/wasm",
               ".webmanifest": "application/manifest+json", ".png": "image/png", ".TTF": "font/ttf"};

// The page's folder at /, the desktop's frames at /desktop/.
function serve() {
  const server = createServer((request, response) => {
    let path = decodeURIComponent(new URL(request.url, "http://x").pathname);
    if (path.endsWith("/")) path += "index.html";
    const file = path.startsWith("/desktop/") ? join(desktopFrames, path.slice(9)) : join(site, normalize(path));
    try {
      const body = readFileSync(file);
      response.writeHead(200, {"Content-Type": TYPES[extname(file)] || "application/octet-stream"});
      response.end(body);
    } catch {
      response.writeHead(404).end();
    }
  });
  return new Promise(ready => server.listen(0, "127.0.0.1", () => ready(server)));
}

// ---- driving the page ------------------------------------------------------

const frames = page => page.evaluate(() => new Promise(done =>
  requestAnimationFrame(() => requestAnimationFrame(() => requestAnimationFrame(done)))));

// One key at a time, each handled by a frame of its own before the next.
async function keys(page, ...names) {
  for (const name of names) {
    await page.keyboard.press(name);
    await frames(page);
  }
}

// Keys typing a text; "-" is the main keyboard's minus (189), as a pupil types it.
const typed = text => [...text].map(c => c === "-" ? "Minus" : c);
const call = (page, name, ...args) =>
  page.evaluate((name, args) => Module.ccall(name, "string", args.map(() => "string"), args), name, args);
const answer = page => call(page, "calcora_answer");
const screen = page => call(page, "calcora_screen");

async function open(page, url) {
  await page.goto(url);
  await page.waitForFunction(() => typeof Module !== "undefined" && Module.calledRun &&
                                   Module.ccall("calcora_screen", "string", [], []) === "start screen");
  await frames(page);
}

// ---- reading pixels --------------------------------------------------------

// [r, g, b] per pixel of a rectangle of the canvas, or of a desktop frame.
async function pixels(page, x, y, w, h, desktopFrame) {
  return page.evaluate(async (x, y, w, h, desktopFrame) => {
    let source = document.getElementById("canvas");
    if (desktopFrame) {
      source = new Image();
      source.src = "/desktop/" + desktopFrame;
      await source.decode();
    }
    const copy = document.createElement("canvas");
    copy.width = w;
    copy.height = h;
    const context = copy.getContext("2d");
    context.drawImage(source, x, y, w, h, 0, 0, w, h);
    return Array.from(context.getImageData(0, 0, w, h).data);
  }, x, y, w, h, desktopFrame);
}

// The smallest box around the pixels other than white of a rectangle.
function inkBox(data, w) {
  const box = {left: Infinity, top: Infinity, right: -1, bottom: -1};
  for (let i = 0; i < data.length; i += 4) {
    if (data[i] > 200 && data[i + 1] > 200 && data[i + 2] > 200) continue;
    const x = (i / 4) % w, y = Math.floor(i / 4 / w);
    Object.assign(box, {left: Math.min(box.left, x), top: Math.min(box.top, y),
                        right: Math.max(box.right, x), bottom: Math.max(box.bottom, y)});
  }
  return box;
}

// The desktop frames went through a picture file: a colour may be off by a step or two.
const near = (a, b) => Math.abs(a - b) <= 4;

// Pixels where exactly one of two frames has one of these colours.
function colourDifferences(a, b, colours, skip = () => false, w = 0) {
  const isOne = (d, i) => colours.some(c => near(d[i], c[0]) && near(d[i + 1], c[1]) && near(d[i + 2], c[2]));
  const differences = [];
  for (let i = 0; i < a.length; i += 4)
    if (!skip((i / 4) % w, Math.floor(i / 4 / w)) && isOne(a, i) !== isOne(b, i))
      differences.push(`(${(i / 4) % w}, ${Math.floor(i / 4 / w)}): ${a.slice(i, i + 3)} vs ${b.slice(i, i + 3)}`);
  return differences;
}

// The edges of boxes, frames, axes and grid lines: a pixel of a long straight
// run of one colour beside a pixel of a long run of another, in the desktop
// frame (never anti-aliased text). Returns the edges the page draws otherwise.
function edgeDifferences(web, desktop, w, skip) {
  const h = desktop.length / 4 / w;
  const at = (d, x, y) => (y * w + x) * 4;
  const same = (d, x, y, e, i, j) => [0, 1, 2].every(k => near(d[at(d, x, y) + k], e[at(e, i, j) + k]));
  const run = (x, y, dx, dy) => {
    let n = 0;
    for (let i = x, j = y; i >= 0 && i < w && j >= 0 && j < h && same(desktop, i, j, desktop, x, y); i += dx, j += dy) ++n;
    return n;
  };
  const long = (x, y) => run(x, y, 1, 0) + run(x, y, -1, 0) > 30 || run(x, y, 0, 1) + run(x, y, 0, -1) > 25;
  const differences = [];
  for (let y = 0; y < h - 1; ++y)
    for (let x = 0; x < w - 1; ++x)
      for (const [i, j] of [[x + 1, y], [x, y + 1]])
        if (!skip(x, y) && !same(desktop, x, y, desktop, i, j) && long(x, y) && long(i, j) &&
            !(same(web, x, y, desktop, x, y) && same(web, i, j, desktop, i, j)))
          differences.push(`(${x}, ${y})`);
  return differences;
}

// ---- the cases -------------------------------------------------------------

const results = [];
// One case; `leave` are the keys that bring the program back to the start
// screen afterwards, whether the case passed or not.
async function check(name, body, leave = []) {
  try {
    await body();
    results.push([name, null]);
    console.log(`ok   ${name}`);
  } catch (error) {
    results.push([name, error]);
    console.log(`FAIL ${name}\n     ${error.stack || error}`);
  }
  await keys(page, ...leave).catch(() => {});
}
function expect(condition, message) {
  if (!condition) throw new Error(message);
}

const server = await serve();
const url = `http://127.0.0.1:${server.address().port}/`;
const profile = mkdtempSync(join(tmpdir(), "calcora-chromium-"));
const browser = await puppeteer.launch({
  executablePath: "/usr/bin/chromium",
  headless: true,
  args: ["--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
         "--disable-background-networking", "--disable-component-update", "--disable-sync",
         `--user-data-dir=${profile}`],
});
const page = await browser.newPage();
await page.setViewport({width: 900, height: 600});  // smaller than the page: keys could scroll it
const consoleErrors = [];
page.on("console", message => { if (message.type() === "error") consoleErrors.push(message.text()); });
page.on("pageerror", error => consoleErrors.push(error.message));

await check("the page loads with its font, title and focus", async () => {
  await open(page, url);
  const state = await page.evaluate(() => ({
    font: document.fonts.check('16px "ARIAL.TTF"') && [...document.fonts].some(f => f.family.includes("ARIAL.TTF") && f.status === "loaded"),
    title: document.title, focused: document.activeElement === document.getElementById("canvas"),
    width: canvas.width, height: canvas.height,
  }));
  expect(state.font, "the shipped font is not loaded");
  expect(state.title === "Calcora", `title ${state.title}`);
  expect(state.focused, "the canvas does not have the focus");
  expect(state.width === 1000 && state.height === 700, `canvas ${state.width}x${state.height}`);
});

await check("the start screen's marker and first line are where the desktop draws them", async () => {
  const marker = [27, 264, 30, 20];
  const web = await pixels(page, ...marker), desktop = await pixels(page, ...marker, "start-en.png");
  const webMarker = inkBox(web, 30), desktopMarker = inkBox(desktop, 30);
  expect(JSON.stringify(webMarker) === JSON.stringify(desktopMarker),
         `marker ${JSON.stringify(webMarker)}, desktop ${JSON.stringify(desktopMarker)}`);
  const line = [60, 255, 400, 40];
  const webInk = inkBox(await pixels(page, ...line), 400), desktopInk = inkBox(await pixels(page, ...line, "start-en.png"), 400);
  expect(Math.abs(webInk.left - desktopInk.left) <= 2 && Math.abs(webInk.top - desktopInk.top) <= 4 &&
         Math.abs(webInk.bottom - desktopInk.bottom) <= 4 && Math.abs(webInk.right - desktopInk.right) <= 20,
         `first line's ink ${JSON.stringify(webInk)}, desktop ${JSON.stringify(desktopInk)}`);
});

await check("the language switches to Polish and back", async () => {
  const english = await pixels(page, 0, 0, 1000, 700);
  await keys(page, "ArrowRight", "Enter");
  const polish = await pixels(page, 0, 0, 1000, 700);
  expect(polish.some((v, i) => v !== english[i]), "Enter on the language item changed nothing");
  const desktopPolish = inkBox(await pixels(page, 60, 255, 400, 40, "start-pl.png"), 400);
  const webPolish = inkBox(await pixels(page, 60, 255, 400, 40), 400);
  expect(Math.abs(webPolish.right - desktopPolish.right) <= 20, "the first line is not the Polish one");
  await keys(page, "Enter", "ArrowLeft");
  const back = await pixels(page, 0, 0, 1000, 700);
  expect(back.every((v, i) => v === english[i]), "switching back did not restore the English screen");
});

await check("chapter 1: primes 1 to 10, saved and offered as results.txt", async () => {
  await keys(page, "Enter", "ArrowRight", "ArrowRight", "1", "ArrowRight", "1", "0", "ArrowDown", "Enter");
  await frames(page);
  const expected = "Number of prime numbers: 4;     2, 3, 5, 7, \n";  // the desktop's results.txt
  const link = await page.evaluate(async () => {
    const a = document.getElementById("results.txt");
    return {hidden: a.hidden, download: a.download, bytes: a.href ? await (await fetch(a.href)).text() : ""};
  });
  expect(!link.hidden && link.download === "results.txt", "no results.txt link");
  expect(link.bytes === expected, `results.txt holds ${JSON.stringify(link.bytes)}`);
}, ["Escape"]);

await check("chapter 2: 12/18 reduces to 2/3, and the keys never scroll the page", async () => {
  await keys(page, "ArrowDown", "Enter", "ArrowRight", "ArrowRight", "1", "2", "ArrowDown", "1", "8", "ArrowDown", "Enter");
  await frames(page);
  expect((await answer(page)).startsWith("2/3"), `answer ${await answer(page)}`);
  const scrolled = await page.evaluate(() => [scrollX, scrollY]);
  expect(scrolled[0] === 0 && scrolled[1] === 0, `the keys scrolled the page to ${scrolled}`);
}, ["Escape"]);

await check("chapter 3: 0.12[857] is 2569/19980", async () => {
  await keys(page, "ArrowDown", "Enter", "ArrowRight", ...typed("0.12[857]"), "ArrowDown", "Enter");
  await frames(page);
  expect((await answer(page)).startsWith("2569/19980"), `answer ${await answer(page)}`);
}, ["Escape"]);

await check("chapter 4: the minus key types a minus; boxes, grid and lines land on the desktop's pixels", async () => {
  await keys(page, "ArrowDown", "ArrowDown", "Enter", "ArrowDown", "Enter", "Escape");  // grid lines on in Options
  await keys(page, "ArrowUp", "Enter", "Enter");
  expect(await screen(page) === "part4 program1", `screen ${await screen(page)}`);
  const values = ["2", "-1", "-0.5", "3", "1", "0"];
  for (const [i, value] of values.entries()) await keys(page, ...typed(value), ...(i < 5 ? ["ArrowDown"] : []));
  expect(await call(page, "calcora_field", "part4_program1_b1") === "-1", "the minus key did not type \"-\"");
  await keys(page, "ArrowDown", "ArrowDown", "ArrowDown");  // the marker on the second item, as in the desktop frame
  const frame = "lines-values-grid.png";
  const web = await pixels(page, 0, 0, 1000, 700), desktop = await pixels(page, 0, 0, 1000, 700, frame);
  const texts = (x, y) => x < 330 || (x >= 360 && x < 480 && y >= 75 && y < 165);  // panel and equation texts
  const lines = colourDifferences(web, desktop, [[255, 0, 0], [0, 0, 255], [0, 128, 0]], texts, 1000);
  expect(lines.length === 0, `${lines.length} plot line pixels differ: ${lines.slice(0, 8).join("; ")}`);
  const axisEndLabel = (x, y) => x >= 640 && x < 675 && y >= 640 && y < 660;  // "-10" touches the axis
  const edges = edgeDifferences(web, desktop, 1000, axisEndLabel);
  expect(edges.length === 0, `${edges.length} edges of boxes or lines differ: ${edges.slice(0, 8).join("; ")}`);
}, ["Escape", "Escape"]);

await check("full screen from Options, and followed when the browser leaves it", async () => {
  await keys(page, "ArrowDown", "Enter", "ArrowUp", "Enter");
  await page.waitForFunction(() => document.fullscreenElement === canvas && canvas.width === 1024, {timeout: 10000});
  await page.evaluate(() => document.exitFullscreen());
  await frames(page);
  await keys(page, "Enter");  // the program knows it is windowed: Enter asks for full screen again
  await page.waitForFunction(() => document.fullscreenElement === canvas, {timeout: 10000});
  await keys(page, "Enter");
  await page.waitForFunction(() => !document.fullscreenElement, {timeout: 10000});
}, ["Escape"]);

await check("after going offline the page reloads from its cache", async () => {
  await page.evaluate(() => navigator.serviceWorker.ready);
  await page.waitForFunction(async () => (await caches.keys()).length === 1 &&
                                         (await (await caches.open((await caches.keys())[0])).keys()).length >= 9);
  server.closeAllConnections();
  await new Promise(closed => server.close(closed));
  await open(page, url);
  await keys(page, "Enter", "1", "ArrowDown", "Enter");
  expect((await answer(page)).length > 0, "no answer offline");
}, ["Escape"]);

await check("Exit ends the program and says so", async () => {
  await keys(page, ..."123456".split("").map(() => "ArrowDown"), "Enter");
  await page.waitForFunction(() => getComputedStyle(document.getElementById("ended")).display !== "none", {timeout: 10000});
  const text = await page.evaluate(() => document.getElementById("ended").textContent);
  expect(text === "Calcora has ended; reload to start again", text);
});

await check("no console errors", async () => {
  expect(consoleErrors.length === 0, consoleErrors.join("\n"));
});

await browser.close();
rmSync(profile, {recursive: true, force: true});
const failed = results.filter(([, error]) => error).length;
console.log(`${results.length - failed} passed, ${failed} failed`);
process.exit(failed ? 1 : 0);
