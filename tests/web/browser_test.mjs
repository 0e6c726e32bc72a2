// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
// The web page in Debian's headless Chromium: the page served from the built
// folder on 127.0.0.1 the way a plain static server serves it, driven by keys
// and taps as a pupil would, its canvas compared with the desktop's frames.
// Usage: node browser_test.mjs <site folder> <desktop frames folder> [screenshot folder]
import {createServer} from "node:http";
import {execFileSync} from "node:child_process";
import {appendFileSync, cpSync, mkdtempSync, readFileSync, readdirSync, rmSync, statSync, utimesSync,
        writeFileSync} from "node:fs";
import {tmpdir} from "node:os";
import {dirname, extname, join, normalize, resolve} from "node:path";
import {createRequire} from "node:module";
import {fileURLToPath} from "node:url";
import {gzipSync} from "node:zlib";
import puppeteer from "puppeteer-core";

const [site, desktopFrames, screenshots] = process.argv.slice(2).map(path => resolve(path));
const source = join(dirname(fileURLToPath(import.meta.url)), "..", "..");
const TYPES = {".html": "text/html", ".js": "text/javascript", ".wasm": "application/wasm",
               ".webmanifest": "application/manifest+json", ".png": "image/png", ".woff2": "font/woff2"};
const BUDGET = 392 * 1000;  // bytes of all files after gzip
const AXE = createRequire(import.meta.url).resolve("axe-core/axe.min.js");

// Serves `root.folder` at / and the desktop's frames at /desktop/ as
// `python3 -m http.server` does: the file's time as Last-Modified, an answer
// 304 to an If-Modified-Since not older than it, and no Cache-Control.
function serve(root) {
  const server = createServer((request, response) => {
    let path = decodeURIComponent(new URL(request.url, "http://x").pathname);
    if (path.endsWith("/")) path += "index.html";
    const file = path.startsWith("/desktop/") ? join(desktopFrames, path.slice(9)) : join(root.folder, normalize(path));
    try {
      const body = readFileSync(file);
      const modified = new Date(Math.floor(statSync(file).mtimeMs / 1000) * 1000);
      const since = request.headers["if-modified-since"];
      if (since && new Date(since) >= modified) return response.writeHead(304).end();
      response.writeHead(200, {"Content-Type": TYPES[extname(file)] || "application/octet-stream",
                               "Last-Modified": modified.toUTCString()});
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

// Keys typing a text; "-" is the main keyboard's minus, as a pupil types it.
const typed = text => [...text].map(c => c === "-" ? "Minus" : c);
const call = (page, name, ...args) =>
  page.evaluate((name, args) => Module.ccall(name, "string", args.map(() => "string"), args), name, args);
const answer = page => call(page, "calcora_answer");
const screen = page => call(page, "calcora_screen");
const field = (page, name) => call(page, "calcora_field", name);

async function open(page, url) {
  await page.goto(url);
  await page.waitForFunction(() => typeof Module !== "undefined" && Module.calledRun &&
                                   Module.ccall("calcora_screen", "string", [], []) === "start screen");
  await frames(page);
}

// A key as the browser reports it, for keys puppeteer's US layout lacks
// (AltGr characters; the numpad with Num Lock on).
async function dispatch(page, key, code, keyCode, modifiers = 0) {
  const location = code.startsWith("Numpad") ? 3 : 0;
  const text = key.length === 1 ? key : key === "Enter" ? "\r" : undefined;
  for (const type of ["keyDown", "keyUp"])
    await page._client().send("Input.dispatchKeyEvent",
      {type, key, code, windowsVirtualKeyCode: keyCode, modifiers, location, ...(type === "keyDown" && text ? {text} : {})});
  await frames(page);
}
const numpad = (page, ...names) => names.reduce((done, name) => done.then(() => {
  const [key, keyCode] = {Decimal: [".", 110], Subtract: ["-", 109], Enter: ["Enter", 13]}[name] || [name, 96 + Number(name)];
  return dispatch(page, key, "Numpad" + name, keyCode);
}), Promise.resolve());

// ---- reading pixels --------------------------------------------------------

// [r, g, b, a] per pixel of a rectangle of the canvas, or of a desktop frame, as bytes.
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
    const data = context.getImageData(0, 0, w, h).data;
    let text = "";
    for (let i = 0; i < data.length; i += 0x8000) text += String.fromCharCode(...data.subarray(i, i + 0x8000));
    return btoa(text);
  }, x, y, w, h, desktopFrame).then(text => Buffer.from(text, "base64"));
}

// A hash of every pixel of the canvas.
const frameHash = page => page.evaluate(() => {
  const data = canvas.getContext("2d").getImageData(0, 0, canvas.width, canvas.height).data;
  let hash = 2166136261;
  for (let i = 0; i < data.length; ++i) hash = Math.imul(hash ^ data[i], 16777619);
  return hash;
});

// The smallest box around the pixels other than white of a rectangle.
function inkBox(data, w, ink = (r, g, b) => !(r > 200 && g > 200 && b > 200)) {
  const box = {left: Infinity, top: Infinity, right: -1, bottom: -1};
  for (let i = 0; i < data.length; i += 4) {
    if (!ink(data[i], data[i + 1], data[i + 2])) continue;
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
      differences.push(`(${(i / 4) % w}, ${Math.floor(i / 4 / w)}): ${[...a.slice(i, i + 3)]} vs ${[...b.slice(i, i + 3)]}`);
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

// Where the canvas lies in the viewport, and whether the middle of the
// answer panel (canvas pixels 500, 95) shows the canvas itself.
const placement = page => page.evaluate(() => {
  const r = canvas.getBoundingClientRect();
  const x = r.left + 500 * r.width / canvas.width, y = r.top + 95 * r.height / canvas.height;
  return {left: r.left, top: r.top, right: r.right, bottom: r.bottom, width: r.width, height: r.height,
          viewportWidth: innerWidth, viewportHeight: innerHeight, answerSeen: document.elementFromPoint(x, y) === canvas,
          scrolls: document.scrollingElement.scrollHeight > innerHeight || document.scrollingElement.scrollWidth > innerWidth};
});

// The page's problems by axe's rules, and how far its layout shifted since it was opened.
async function axeViolations(page) {
  await page.addScriptTag({path: AXE});
  return page.evaluate(async () => (await axe.run()).violations.map(v => `${v.id} (${v.nodes.map(n => n.target).join(", ")})`));
}
const layoutShift = page => page.evaluate(() => new Promise(done => {
  let total = 0;
  new PerformanceObserver(list => list.getEntries().forEach(e => { if (!e.hadRecentInput) total += e.value; }))
    .observe({type: "layout-shift", buffered: true});
  setTimeout(() => done(total), 50);
}));

// Every button and link shown on the page: its size, and whether it lies in the window.
const tapTargets = page => page.evaluate(() => [...document.querySelectorAll("button, a")].filter(b => b.offsetParent)
  .map(b => {
    const r = b.getBoundingClientRect();
    return {name: b.dataset.key || b.id, w: r.width, h: r.height,
            inside: r.left >= 0 && r.top >= 0 && r.right <= innerWidth + 0.5 && r.bottom <= innerHeight + 0.5};
  }));

// Whether canvas pixel (x, y) is on screen at one CSS pixel or more per pixel.
const seenAtFullSize = (page, x, y) => page.evaluate((x, y) => {
  const r = canvas.getBoundingClientRect(), scale = r.width / canvas.width;
  return scale >= 0.999 && document.elementFromPoint(r.left + x * scale, r.top + y * scale) === canvas;
}, x, y);

async function fitsWhole(page, name) {
  const p = await placement(page);
  expect(p.left >= 0 && p.top >= 0 && p.right <= p.viewportWidth && p.bottom <= p.viewportHeight,
         `${name}: the canvas ${JSON.stringify(p)} leaves the viewport`);
  expect(Math.abs(p.width / p.height - 1000 / 700) < 0.01, `${name}: the canvas is ${p.width}x${p.height}`);
  expect(p.answerSeen, `${name}: the answer row is covered`);
  expect(!p.scrolls, `${name}: the page scrolls`);
  if (screenshots) await page.screenshot({path: join(screenshots, `web-${name}.png`)});
}

// ---- the cases -------------------------------------------------------------

const results = [];
let page;
// One case; `leave` are the keys that bring the program back to the start
// screen afterwards, whether the case passed or not.
async function check(name, body, leave = []) {
  const started = Date.now();
  try {
    await body();
    results.push([name, null]);
    console.log(`ok   ${name} (${((Date.now() - started) / 1000).toFixed(1)} s)`);
  } catch (error) {
    results.push([name, error]);
    console.log(`FAIL ${name}\n     ${error.stack || error}`);
  }
  if (page && !page.isClosed()) await keys(page, ...leave).catch(() => {});
}
function expect(condition, message) {
  if (!condition) throw new Error(message);
}

const root = {folder: site};
const server = await serve(root);
const url = `http://127.0.0.1:${server.address().port}/`;
const profile = mkdtempSync(join(tmpdir(), "calcora-chromium-"));
const browser = await puppeteer.launch({
  executablePath: "/usr/bin/chromium",
  headless: true,
  args: ["--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
         "--disable-background-networking", "--disable-component-update", "--disable-sync",
         `--user-data-dir=${profile}`],
});
const consoleErrors = [];
function watchConsole(p) {
  p.on("console", message => { if (message.type() === "error") consoleErrors.push(message.text()); });
  p.on("pageerror", error => consoleErrors.push(error.message));
  return p;
}
page = watchConsole(await browser.newPage());
await page.setViewport({width: 1100, height: 800});

await check("the files fit the budget: at most 392 kB after gzip", async () => {
  const sizes = readdirSync(site).filter(f => statSync(join(site, f)).isFile())
    .map(f => [f, gzipSync(readFileSync(join(site, f)), {level: 9}).length]);
  const total = sizes.reduce((sum, [, n]) => sum + n, 0);
  expect(total <= BUDGET, `${total} bytes: ${sizes.map(([f, n]) => `${f} ${n}`).join(", ")}`);
});

await check("the page loads with its font, title, focus and a named application", async () => {
  await open(page, url);
  const state = await page.evaluate(() => ({
    font: document.fonts.check('16px "ARIAL.TTF"') && [...document.fonts].some(f => f.family.includes("ARIAL.TTF") && f.status === "loaded"),
    title: document.title, focused: document.activeElement === canvas, ring: getComputedStyle(canvas).outlineStyle,
    role: canvas.getAttribute("role"), label: canvas.getAttribute("aria-label"), lang: document.documentElement.lang,
    width: canvas.width, height: canvas.height,
  }));
  expect(state.font, "the shipped font is not loaded");
  expect(state.title === "Calcora", `title ${state.title}`);
  expect(state.focused && state.ring === "solid", `focus on the canvas ${state.focused}, its ring ${state.ring}`);
  expect(state.role === "application" && state.label.startsWith("Calcora"), `role ${state.role}, label ${state.label}`);
  expect(state.lang === "en", `lang ${state.lang}`);
  expect(state.width === 1000 && state.height === 700, `canvas ${state.width}x${state.height}`);
  const shift = await layoutShift(page);
  expect(shift < 0.1, `the layout shifted by ${shift.toFixed(3)} while loading`);
  const violations = await axeViolations(page);
  expect(violations.length === 0, `axe: ${violations.join("; ")}`);
});

await check("the start screen's marker and first line are where the desktop draws them", async () => {
  const marker = [27, 264, 30, 20];
  const web = await pixels(page, ...marker), desktop = await pixels(page, ...marker, "start-en.png");
  const webMarker = inkBox(web, 30), desktopMarker = inkBox(desktop, 30);
  expect(JSON.stringify(webMarker) === JSON.stringify(desktopMarker),
         `marker ${JSON.stringify(webMarker)}, desktop ${JSON.stringify(desktopMarker)}`);
  const line = [60, 255, 400, 40];
  const webInk = inkBox(await pixels(page, ...line), 400), desktopInk = inkBox(await pixels(page, ...line, "start-en.png"), 400);
  expect(Math.abs(webInk.left - desktopInk.left) <= 1 && Math.abs(webInk.top - desktopInk.top) <= 4 &&
         Math.abs(webInk.bottom - desktopInk.bottom) <= 4 && Math.abs(webInk.right - desktopInk.right) <= 1,
         `first line's ink ${JSON.stringify(webInk)}, desktop ${JSON.stringify(desktopInk)}`);
});

await check("the language switches to Polish and back; the page's language and keypad follow", async () => {
  const english = await frameHash(page);
  await keys(page, "ArrowRight", "Enter");
  expect(await frameHash(page) !== english, "Enter on the language item changed nothing");
  const desktopPolish = inkBox(await pixels(page, 60, 255, 400, 40, "start-pl.png"), 400);
  const webPolish = inkBox(await pixels(page, 60, 255, 400, 40), 400);
  expect(Math.abs(webPolish.right - desktopPolish.right) <= 1, "the first line is not the Polish one");
  const page_ = await page.evaluate(() => ({lang: document.documentElement.lang,
    up: document.querySelector('#keypad [data-key="ArrowUp"]').getAttribute("aria-label")}));
  expect(page_.lang === "pl" && page_.up === "W górę", `lang ${page_.lang}, keypad's Up ${page_.up}`);
  await keys(page, "Space", "ArrowLeft");
  expect(await frameHash(page) === english, "switching back did not restore the English screen");
  await page.click("#keys");
  await page.click("#keys");
  expect(await page.evaluate(() => document.activeElement === canvas), "the Keys button kept the focus");
  expect(await page.evaluate(() => document.documentElement.lang) === "en", "lang did not return to en");
});

await check("chapter 1: primes 1 to 10 saved as results.txt; Tab reaches its link and Shift+Tab comes back", async () => {
  await keys(page, "Enter", "ArrowRight", "ArrowRight", "1", "ArrowRight", "1", "0", "ArrowDown", "Enter");
  await frames(page);
  const expected = "Number of prime numbers: 4;     2, 3, 5, 7, \n";  // the desktop's results.txt
  const link = await page.evaluate(async () => {
    const a = document.getElementById("results.txt");
    return {hidden: a.hidden, download: a.download, bytes: a.href ? await (await fetch(a.href)).text() : ""};
  });
  expect(!link.hidden && link.download === "results.txt", "no results.txt link");
  expect(link.bytes === expected, `results.txt holds ${JSON.stringify(link.bytes)}`);
  const focused = () => page.evaluate(() => document.activeElement.id || document.activeElement.tagName);
  const seen = [];
  for (let i = 0; i < 3 && seen.at(-1) !== "results.txt"; ++i) {
    await page.keyboard.press("Tab");
    seen.push(await focused());
  }
  expect(seen.at(-1) === "results.txt", `Tab went to ${seen.join(", ")}`);
  const ring = await page.evaluate(() => getComputedStyle(document.activeElement).outlineStyle);
  expect(ring === "solid", `the link's focus ring is ${ring}`);
  await page.keyboard.down("Shift");
  for (let i = 0; i < seen.length; ++i) await page.keyboard.press("Tab");
  await page.keyboard.up("Shift");
  expect(await focused() === "canvas", `Shift+Tab went to ${await focused()}`);
  await keys(page, "Escape");
  expect(await screen(page) === "start screen", "the keys do not reach the program after Shift+Tab");
});

await check("chapter 2: 12/18 reduces to 2/3, and the keys never scroll the page", async () => {
  await keys(page, "ArrowDown", "Enter", "ArrowRight", "ArrowRight", "1", "2", "ArrowDown", "1", "8", "ArrowDown", "Enter");
  await frames(page);
  expect((await answer(page)).startsWith("2/3"), `answer ${await answer(page)}`);
  const scrolled = await page.evaluate(() => [scrollX, scrollY]);
  expect(scrolled[0] === 0 && scrolled[1] === 0, `the keys scrolled the page to ${scrolled}`);
}, ["Escape"]);

await check("chapter 3: AltGr brackets and a held key: 0.12[857] typed so is 2569/19980", async () => {
  await keys(page, "ArrowDown", "Enter", "ArrowRight");
  await keys(page, ...typed("0.12"));
  await dispatch(page, "[", "Digit8", 56, 3);  // AltGr+8 on a German keyboard: Ctrl and Alt held, "[" typed
  for (let i = 0; i < 3; ++i) {  // held: the browser repeats the key
    await page.keyboard.down("8");
    await frames(page);
  }
  await page.keyboard.up("8");
  await keys(page, "5", "7");
  await dispatch(page, "]", "Digit9", 57, 3);
  await frames(page);
  const typedText = await field(page, "part3_program2_n");
  expect(typedText === "0.12[857]", `the field holds ${typedText}`);
  await keys(page, "ArrowDown", "Enter");
  await frames(page);
  expect((await answer(page)).startsWith("2569/19980"), `answer ${await answer(page)}`);
}, ["Escape"]);

const saidNow = page => page.evaluate(() => document.getElementById("said").innerText.trim());

await check("the live region reads menus as they stand, Polish with its letters, the answer after a solve and the working after W", async () => {
  await open(page, url);
  const said = () => saidNow(page);
  await keys(page, "ArrowDown");
  expect(await said() === "2. Fractions and rational numbers - part 1", `the start screen's item 2 is read "${await said()}"`);
  await keys(page, "Space");
  expect((await said()).includes("2. Ułamki i liczby wymierne - część 1"), `in Polish: "${await said()}"`);
  await keys(page, "Space", "ArrowUp");
  await keys(page, "Enter", "1", "7", "ArrowRight", "5", "ArrowDown", "Enter");
  await frames(page);
  expect((await said()).includes("17 = 5 * 3 + 2"), `the live region says ${await said()}`);
  const region = await page.evaluate(() => {
    const said = document.getElementById("said");
    return [said.getAttribute("role"), said.getBoundingClientRect().right];
  });
  expect(region[0] === "status" && region[1] <= 0, `the live region is ${region}`);
  await keys(page, "w");
  await frames(page);
  expect((await said()).includes("Remainder of 17 by 5") && (await said()).includes("17 : 5 = 3 remainder 2"),
         `after W the live region says ${await said()}`);
}, ["Escape", "Escape"]);

await check("a name typed in Options takes Polish letters (AltGr), Space and Backspace, and is read as it grows", async () => {
  await open(page, url);
  const said = () => saidNow(page);
  await keys(page, "ArrowDown", "ArrowDown", "ArrowDown", "ArrowDown", "Enter", ...Array(5).fill("ArrowDown"), "Enter");
  expect((await said()).startsWith("Type your name"), `typing starts with "${await said()}"`);
  await dispatch(page, "Ł", "KeyL", 76, 3 | 8);  // AltGr+Shift+L on a Polish keyboard
  await keys(page, "o", "w", "Space", "x", "Backspace");
  await numpad(page, "7");
  expect(await said() === "Łow 7", `while typing the live region says "${await said()}"`);
  await keys(page, "Enter");
  expect(await said() === "Name: Łow 7", `after Enter: "${await said()}"`);
  const kept = await page.evaluate(() => Object.values(localStorage).some(v => String(v).includes("pupil=Łow 7\n")));
  expect(kept, "the name is not in the page's local storage");
  await keys(page, "Enter", ...Array(5).fill("Backspace"), "Enter");  // no name again, for the checks after this one
  expect(await said() === "Name:", `after the name was taken back: "${await said()}"`);
}, ["Escape", "Escape"]);

await check("chapter 4: numpad digits, point, minus and Enter; the minus key; boxes, grid and lines on the desktop's pixels", async () => {
  await open(page, url);
  await keys(page, "ArrowDown", "ArrowDown", "ArrowDown", "ArrowDown", "Enter", "ArrowDown", "Enter", "Escape");  // grid lines on
  await keys(page, "ArrowUp", "Enter");
  await numpad(page, "Enter");
  expect(await screen(page) === "part4 program1", `screen ${await screen(page)}`);
  await numpad(page, "1", "Decimal", "5");
  expect(await field(page, "part4_program1_a1") === "1.5", `numpad typed ${await field(page, "part4_program1_a1")}`);
  await keys(page, "Delete", "ArrowDown");
  await numpad(page, "Subtract", "2");
  expect(await field(page, "part4_program1_b1") === "-2", `numpad typed ${await field(page, "part4_program1_b1")}`);
  await keys(page, "Delete", "ArrowUp");
  const values = ["2", "-1", "-0.5", "3", "1", "0"];
  for (const [i, value] of values.entries()) await keys(page, ...typed(value), ...(i < 5 ? ["ArrowDown"] : []));
  expect(await field(page, "part4_program1_b1") === "-1", "the minus key did not type \"-\"");
  await keys(page, "ArrowDown", "ArrowDown", "ArrowDown");  // the marker on the second item, as in the desktop frame
  const frame = "lines-values-grid.png";
  const web = await pixels(page, 0, 0, 1000, 700), desktop = await pixels(page, 0, 0, 1000, 700, frame);
  const equations = (x, y) => x >= 360 && x < 480 && y >= 75 && y < 165;  // the lines' equations, over the grid
  const texts = (x, y) => x < 330 || equations(x, y);  // panel and equation texts
  const lines = colourDifferences(web, desktop, [[255, 0, 0], [0, 0, 255], [0, 128, 0]], texts, 1000);
  expect(lines.length === 0, `${lines.length} plot line pixels differ: ${lines.slice(0, 8).join("; ")}`);
  const axisEndLabel = (x, y) => x >= 640 && x < 675 && y >= 640 && y < 660;  // "-10" touches the axis
  // Glyphs over grid lines are smoothed a shade differently by the page's font.
  const edges = edgeDifferences(web, desktop, 1000, (x, y) => axisEndLabel(x, y) || equations(x, y));
  expect(edges.length === 0, `${edges.length} edges of boxes or lines differ: ${edges.slice(0, 8).join("; ")}`);
}, ["Escape", "Escape"]);

await check("texts as wide as the desktop's: Goldbach's 2500 fills the panel without running out", async () => {
  await open(page, url);
  await keys(page, "Enter", ..."ArrowDown ArrowDown ArrowDown ArrowDown ArrowRight".split(" "), ..."2500", "ArrowDown", "Enter");
  await frames(page);
  const black = (r, g, b) => r < 100 && g < 100 && b < 100;
  const web = await pixels(page, 100, 10, 900, 170), desktop = await pixels(page, 100, 10, 900, 170, "part1-goldbach.png");
  for (let row = 0; row < 5; ++row) {
    const w = inkBox(web.slice(row * 30 * 900 * 4, (row + 1) * 30 * 900 * 4), 900, black);
    const d = inkBox(desktop.slice(row * 30 * 900 * 4, (row + 1) * 30 * 900 * 4), 900, black);
    expect(Math.abs(w.left - d.left) <= 1 && Math.abs(w.right - d.right) <= 1,
           `answer row ${row + 1}: ink from ${w.left} to ${w.right}, on the desktop from ${d.left} to ${d.right}`);
  }
}, ["Escape"]);

await check("full screen from Options, and followed when the browser leaves it", async () => {
  await open(page, url);
  await keys(page, "ArrowDown", "ArrowDown", "ArrowDown", "ArrowDown", "Enter", "Enter");
  await page.waitForFunction(() => document.fullscreenElement === canvas && canvas.width === 1024, {timeout: 10000});
  await page.evaluate(() => document.exitFullscreen());
  await frames(page);
  await keys(page, "Enter");  // the program knows it is windowed: Enter asks for full screen again
  await page.waitForFunction(() => document.fullscreenElement === canvas, {timeout: 10000});
  await keys(page, "Enter");
  await page.waitForFunction(() => !document.fullscreenElement, {timeout: 10000});
}, ["Escape"]);

await check("Size in Options draws the canvas at 150% and 200% behind the same place on the page", async () => {
  await open(page, url);
  const shown = () => page.evaluate(() => [canvas.width, Math.round(canvas.getBoundingClientRect().width)]);
  const [, width] = await shown();
  await keys(page, "ArrowDown", "ArrowDown", "ArrowDown", "ArrowDown", "Enter", "ArrowDown", "ArrowDown");
  // Back at 100% the canvas takes the mode every switch of the display sets, 1024 by 768.
  for (const backing of [1500, 2000, 1024]) {
    await keys(page, "Enter");
    await page.waitForFunction(w => canvas.width === w, {timeout: 10000}, backing)
      .catch(async () => { throw new Error(`the canvas is ${await page.evaluate(() => canvas.width)} wide, not ${backing}`); });
    await frames(page);
    const [, now] = await shown();
    if (backing !== 1024) expect(Math.abs(now - width) <= 1, `at ${backing} pixels the canvas is shown ${now} wide, not ${width}`);
  }
}, ["Escape"]);

for (const [name, viewport] of [["1366x657", {width: 1366, height: 657}], ["800x600", {width: 800, height: 600}]])
  await check(`the whole program fits a ${name} window`, async () => {
    await page.setViewport(viewport);
    await open(page, url);  // a fresh start: the canvas 1000 by 700 again
    await keys(page, "Enter", "1", "7", "ArrowRight", "5", "ArrowDown", "Enter");
    await fitsWhole(page, name);
  }, ["Escape"]);

// Zoomed in, the page shows the program larger, as it shows text larger.
await check("at 150% zoom the exercise and its answer are shown at full size; the keypad's key shows the whole", async () => {
  await page.setViewport({width: 911, height: 438, deviceScaleFactor: 1.5});
  await open(page, url);
  await keys(page, "Enter", "1", "7", "ArrowRight", "5", "ArrowDown", "Enter");
  for (const [x, y, what] of [[110, 25, "the answer"], [240, 290, "the calculate button"]])
    expect(await seenAtFullSize(page, x, y), `${what} is not shown at full size`);
  await page.click("#keys");
  await page.click('#keypad [data-key="whole"]');
  await fitsWhole(page, "150-percent");
  await page.click('#keypad [data-key="whole"]');
  await page.click("#keys");
}, ["Escape"]);

// ?seed=N fixes the problems: with 2026 the first GCD problem is 18 and 6, as on the desktop.
const practising = watchConsole(await browser.newPage());
await check("?seed=2026 gives the desktop's GCD problem; practice.csv is offered with both answers", async () => {
  await practising.setViewport({width: 1100, height: 800});
  await open(practising, url + "?seed=2026");
  await keys(practising, "Enter", "ArrowDown", "ArrowDown", "ArrowDown", "ArrowDown", "p", "1", "0", "8", "Enter",
             "Backspace", "Backspace", "Backspace", "6", "Enter");
  expect(await screen(practising) === "practice", `on ${await screen(practising)}`);
  const link = await practising.evaluate(async () => {
    const a = document.getElementById("practice.csv");
    return {hidden: a.hidden, bytes: a.href ? await (await fetch(a.href)).text() : ""};
  });
  const rows = link.bytes.split("\n").map(row => row.split(",").slice(1).join(","));
  expect(!link.hidden && rows[0] === "exercise,level,problem,answer,verdict,hints" &&
         rows[1] === "gcd,1,Find the greatest common divisor of 18 and 6,108,wrong,0" &&
         rows[2] === "gcd,1,Find the greatest common divisor of 18 and 6,6,correct,0", `practice.csv: ${link.bytes}`);
  // Each new problem is heard whole, in either language.
  const heard = [];
  for (const [key, expected] of [["Enter", "level 1"], ["s", "Skipped"], ["Enter", "level 1"], ["ArrowRight", "level 2"],
                                 ["Space", "NWD - największy wspólny dzielnik, poziom 2"], ["Space", "GCD"]]) {
    await keys(practising, key);
    const said = await saidNow(practising);
    heard.push(`${key}: ${said}`);
    expect(said.includes(expected) && (key === "s" || said.includes("GCD =") || said.includes("NWD =")), heard.join(" | "));
  }
});
await practising.close();

// A phone: the keypad shows by itself, every key and button on screen and
// 44 pixels or more, down to 320 by 480 either way up; the program is shown
// at full size around the highlight, the whole of it one key away, and taps
// alone solve an exercise.
const phone = watchConsole(await browser.newPage());
for (const [name, viewport] of [["390x844", {width: 390, height: 844}], ["844x390", {width: 844, height: 390}],
                                ["320x480", {width: 320, height: 480}], ["480x320", {width: 480, height: 320}]])
  await check(`a ${name} phone: the keypad and the program at full size fit, and taps alone solve an exercise`, async () => {
    await phone.setViewport({...viewport, deviceScaleFactor: 2, isMobile: true, hasTouch: true});
    await open(phone, url);
    const targets = await tapTargets(phone);
    expect(targets.filter(t => t.name !== "keys").length === 41, `${targets.length} buttons`);
    const small = targets.filter(b => b.w < 44 || b.h < 44 || !b.inside);
    expect(small.length === 0, `buttons too small or outside: ${JSON.stringify(small)}`);
    if (viewport.width < 390 || viewport.height < 390) return;
    expect(await seenAtFullSize(phone, 60, 255), "the start screen's first item is not shown at full size");
    for (const key of ["Enter", "1", "7", "ArrowRight", "5", "ArrowDown", "Enter"]) {
      await phone.tap(`#keypad [data-key="${key}"]`);
      await frames(phone);
    }
    await frames(phone);
    expect((await answer(phone)).startsWith("17 = 5 * 3 + 2"), `answer ${await answer(phone)}`);
    expect(await phone.evaluate(() => document.activeElement === canvas), "a tap took the focus");
    for (const [x, y, what] of [[110, 25, "the answer"], [240, 290, "the calculate button"]])
      expect(await seenAtFullSize(phone, x, y), `${what} is not shown at full size`);
    await phone.tap('#keypad [data-key="whole"]');
    await fitsWhole(phone, name);
    await phone.tap('#keypad [data-key="whole"]');
  });
await phone.close();

await check("after going offline the page reloads from its cache", async () => {
  await page.setViewport({width: 1100, height: 800});
  await page.evaluate(() => navigator.serviceWorker.ready);
  await page.waitForFunction(async () => (await caches.keys()).length === 1 &&
                                         (await (await caches.open((await caches.keys())[0])).keys()).length >= 8);
  server.closeAllConnections();
  await new Promise(closed => server.close(closed));
  await open(page, url);
  await keys(page, "Enter", "1", "ArrowDown", "Enter");
  expect((await answer(page)).length > 0, "no answer offline");
}, ["Escape"]);

await check("Exit leaves the program for a message in its language, and \"Start again\" starts it again", async () => {
  await keys(page, "Space", ..."123456".split("").map(() => "ArrowDown"), "Enter");
  await page.waitForFunction(() => !document.getElementById("ended").hidden, {timeout: 10000});
  const ended = await page.evaluate(() => ({text: document.getElementById("ended").innerText,
    canvas: getComputedStyle(canvas).display, focused: document.activeElement.id}));
  expect(ended.text.includes("Calcora zakonczyla prace.") && ended.text.includes("Uruchom ponownie"), ended.text);
  expect(ended.canvas === "none" && ended.focused === "again", JSON.stringify(ended));
  await Promise.all([page.waitForNavigation(), page.keyboard.press("Enter")]);
  await page.waitForFunction(() => typeof Module !== "undefined" && Module.calledRun &&
                                   Module.ccall("calcora_screen", "string", [], []) === "start screen");
});
await page.close();

// ---- the page in other situations -------------------------------------------------

// A build of the page with a mark in each of its main files, and its service
// worker written for them as the build writes it.
function markedBuild(mark, daysOld) {
  const folder = mkdtempSync(join(tmpdir(), `calcora-build-${mark}-`));
  cpSync(site, folder, {recursive: true});
  const html = join(folder, "index.html");
  writeFileSync(html, readFileSync(html, "utf8").replace("<head>", `<head>\n<meta name="build" content="${mark}">`));
  appendFileSync(join(folder, "calcora.js"), `\nvar calcoraScriptBuild = "${mark}";\n`);
  const name = Buffer.from("build");  // a custom section: id 0, size, name size, name, contents
  appendFileSync(join(folder, "calcora.wasm"), Buffer.concat([Buffer.from([0, name.length + 2, name.length]), name, Buffer.from(mark)]));
  appendFileSync(join(folder, "calcora.data"), mark);
  execFileSync("cmake", [`-DSITE=${folder}`, `-DTEMPLATE=${join(source, "web", "sw.js.in")}`, "-P",
                         join(source, "web", "Version.cmake")]);
  const time = new Date(Date.now() - daysOld * 24 * 3600 * 1000);
  for (const file of readdirSync(folder)) utimesSync(join(folder, file), time, time);
  return folder;
}

// Which build each of the main files that ran came from.
const BUILD_MARKS = () => {
  window.marks = {};
  const instantiated = result => {
    const module = result.module || result;
    const section = WebAssembly.Module.customSections(module, "build")[0];
    if (section) window.marks.wasm = new TextDecoder().decode(section);
    return result;
  };
  for (const name of ["instantiate", "instantiateStreaming"]) {
    const original = WebAssembly[name];
    WebAssembly[name] = (...args) => original(...args).then(instantiated);
  }
  const open = XMLHttpRequest.prototype.open;
  XMLHttpRequest.prototype.open = function (method, url, ...rest) {
    if (String(url).includes("calcora.data"))
      this.addEventListener("load", () => { window.marks.data = String.fromCharCode(new Uint8Array(this.response).at(-1)); });
    return open.call(this, method, url, ...rest);
  };
};

await check("an update arrives whole: B runs whole or is offered, never mixed with A", async () => {
  const a = markedBuild("A", 5), b = markedBuild("B", 2);
  const plain = {folder: a};
  const plainServer = await serve(plain);
  const home = `http://127.0.0.1:${plainServer.address().port}/`;
  const context = await browser.createBrowserContext();
  const visitor = await context.newPage();
  await visitor.evaluateOnNewDocument(BUILD_MARKS);
  const visits = [];
  const visit = async load => {
    await load();
    await visitor.waitForFunction(() => typeof Module !== "undefined" && Module.calledRun && window.marks.wasm &&
                                        window.marks.data);
    const seen = await visitor.evaluate(() => ({html: document.querySelector('meta[name="build"]').content,
      js: window.calcoraScriptBuild, wasm: window.marks.wasm, data: window.marks.data}));
    visits.push(Object.values(seen).join(""));
    expect(new Set(Object.values(seen)).size === 1, `a page ran mixed builds: ${JSON.stringify(seen)}`);
    return seen.js;
  };
  const offered = () => visitor.evaluate(() => !document.getElementById("update").hidden);
  try {
    await visit(() => visitor.goto(home));
    await visitor.evaluate(() => navigator.serviceWorker.ready);
    await visit(() => visitor.reload());
    plain.folder = b;
    let build = "A";
    for (let i = 0; i < 2 && build === "A"; ++i) {
      build = await visit(() => visitor.reload());
      if (build === "A") await visitor.waitForFunction(() => !document.getElementById("update").hidden, {timeout: 10000})
        .catch(() => {});
      if (build === "A" && await offered()) break;
    }
    expect(build === "B" || await offered(), `after two reloads: ${visits.join(", ")}, and no offer`);
    if (build === "A") {
      const text = await visitor.evaluate(() => document.getElementById("update").innerText);
      expect(text.replace(/\s+/g, " ").trim() === "A new version is ready: reload", `the offer reads "${text}"`);
      build = await visit(() => Promise.all([visitor.waitForNavigation(), visitor.click("#reload")]));
    }
    expect(build === "B", `after taking the update: ${visits.join(", ")}`);
  } finally {
    await context.close();
    plainServer.closeAllConnections();
    plainServer.close();
    rmSync(a, {recursive: true, force: true});
    rmSync(b, {recursive: true, force: true});
  }
});

await check("opened from the disk, with JavaScript off, or with a file or its font missing, the page says what to do", async () => {
  const context = await browser.createBrowserContext();
  try {
    const disk = await context.newPage();
    await disk.goto("file://" + join(site, "index.html"));
    const fromDisk = await disk.evaluate(() => document.getElementById("status").textContent);
    expect(fromDisk.includes("python3 -m http.server") && fromDisk.includes("W tym folderze"), fromDisk);
    const noScript = await context.newPage();
    await noScript.setJavaScriptEnabled(false);
    await noScript.goto("file://" + join(site, "index.html"));
    const text = await noScript.evaluate(() => document.body.innerText);
    expect(text.includes("Calcora needs JavaScript") && text.includes("Calcora potrzebuje JavaScriptu"), text);
    const broken = {folder: mkdtempSync(join(tmpdir(), "calcora-broken-"))};
    cpSync(site, broken.folder, {recursive: true});
    rmSync(join(broken.folder, "calcora.wasm"));
    const brokenServer = await serve(broken);
    const missing = await context.newPage();
    await missing.goto(`http://127.0.0.1:${brokenServer.address().port}/`);
    await missing.waitForFunction(() => document.getElementById("status").className === "failed", {timeout: 10000});
    const failure = await missing.evaluate(() => document.getElementById("status").textContent);
    expect(failure.includes("could not be loaded") && failure.includes("Nie udalo sie"), failure);
    // Without its font the program runs in the browser's, and the page says so.
    cpSync(site, broken.folder, {recursive: true});
    rmSync(join(broken.folder, "calcora.woff2"));
    const fontless = await context.newPage();
    await open(fontless, `http://127.0.0.1:${brokenServer.address().port}/`);
    const fontMessage = await fontless.evaluate(() => !document.getElementById("font-failed").hidden &&
                                                      document.getElementById("font-failed").textContent);
    expect(fontMessage && fontMessage.includes("font calcora.woff2 could not be loaded") &&
           fontMessage.includes("czcionki calcora.woff2"), `the missing font is told as ${JSON.stringify(fontMessage)}`);
    brokenServer.closeAllConnections();
    brokenServer.close();
    rmSync(broken.folder, {recursive: true, force: true});
  } finally {
    await context.close();
  }
});

await check("no console errors", async () => {
  expect(consoleErrors.length === 0, consoleErrors.join("\n"));
});

await browser.close();
rmSync(profile, {recursive: true, force: true});
const failed = results.filter(([, error]) => error).length;
console.log(`${results.length - failed} passed, ${failed} failed`);
process.exit(failed ? 1 : 0);
