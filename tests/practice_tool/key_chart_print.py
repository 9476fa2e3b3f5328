#!/usr/bin/env python3
"""Renders a key chart page in Debian's headless Chromium and checks it prints.

    key_chart_print.py PAGE PRACTICE_TOOL VERSION WORK_FOLDER

PAGE (keys-86.html or keys-98.html) must print on exactly one A4 page,
landscape, at 100 % and at 110 % print scale; at a 1366x768 window it must be no
wider than the window, its text no smaller than 8 pt and its key-name
characters no smaller than 24 pt; and each key's letter with its place number,
key-name character and radicals, as `PRACTICE_TOOL keys --wubi=VERSION` lists
them, must be in the printed page's text (pdftotext). Leaves in WORK_FOLDER the
PDFs, a screenshot of the window and a picture of the printed page.

Chromium is driven over its DevTools protocol on a pipe (fds 3 and 4), which
its command line lacks the print scale for; nothing but Chromium and poppler's
tools is needed.
"""
import base64
import html
import json
import os
import re
import shutil
import subprocess
import sys

FLAGS = ["--headless", "--no-sandbox", "--disable-gpu", "--no-first-run",
         "--disable-background-networking", "--disable-component-update", "--disable-sync",
         "--remote-debugging-pipe", "--window-size=1366,768"]
A4_LANDSCAPE = (841.89, 595.28)  # points
POINT = 96 / 72  # CSS pixels a point


class Browser:
    """Chromium with a fresh profile and a home of its own in `folder`, so that
    nothing outside it is written."""

    def __init__(self, folder):
        home = os.path.join(folder, "home")
        environment = dict(os.environ, HOME=home, XDG_CONFIG_HOME=os.path.join(home, "config"),
                           XDG_CACHE_HOME=os.path.join(home, "cache"))
        commands_read, self.commands = os.pipe()
        self.replies, replies_write = os.pipe()
        self.process = subprocess.Popen(
            ["sh", "-c", 'exec "$0" "$@" 3<&%d 4>&%d' % (commands_read, replies_write),
             "chromium", "--user-data-dir=" + os.path.join(folder, "profile")] + FLAGS,
            pass_fds=(commands_read, replies_write), env=environment,
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(commands_read)
        os.close(replies_write)
        self.next_id = 0
        self.buffer = b""
        self.events = []

    def read_message(self):
        while b"\0" not in self.buffer:
            chunk = os.read(self.replies, 1 << 16)
            if not chunk:
                raise RuntimeError("Chromium closed its DevTools pipe")
            self.buffer += chunk
        message, self.buffer = self.buffer.split(b"\0", 1)
        return json.loads(message)

    def call(self, method, session=None, **params):
        self.next_id += 1
        message = {"id": self.next_id, "method": method, "params": params}
        if session:
            message["sessionId"] = session
        os.write(self.commands, json.dumps(message).encode() + b"\0")
        while True:
            reply = self.read_message()
            if reply.get("id") == self.next_id:
                if "error" in reply:
                    raise RuntimeError("%s: %s" % (method, reply["error"]))
                return reply["result"]
            self.events.append(reply.get("method"))

    def wait_for(self, event):
        while event not in self.events:
            self.events.append(self.read_message().get("method"))

    def close(self):
        try:
            self.call("Browser.close")
            self.process.wait(timeout=20)
        except (RuntimeError, OSError, subprocess.TimeoutExpired):
            self.process.kill()
            self.process.wait()


# What the window shows: its width (the window's unless the page is wider),
# how far right the page reaches, the smallest text and the smallest key-name
# character, in CSS pixels.
MEASURE = """JSON.stringify((() => {
  const sizes = [...document.querySelectorAll('body *')]
    .filter(e => [...e.childNodes].some(n => n.nodeType === 3 && n.data.trim()))
    .map(e => parseFloat(getComputedStyle(e).fontSize));
  const names = [...document.querySelectorAll('.key[title] .name')]
    .map(e => parseFloat(getComputedStyle(e).fontSize));
  const right = Math.max(...[...document.querySelectorAll('body *')]
    .map(e => e.getBoundingClientRect().right));
  return {width: document.documentElement.scrollWidth, right: right, smallest: Math.min(...sizes),
          smallestName: Math.min(...names), names: names.length};
})())"""


def render(page, work, stem):
    folder = os.path.join(work, stem + "-chromium")
    shutil.rmtree(folder, ignore_errors=True)
    browser = Browser(folder)
    try:
        target = browser.call("Target.createTarget", url="about:blank")["targetId"]
        session = browser.call("Target.attachToTarget", targetId=target, flatten=True)["sessionId"]
        browser.call("Emulation.setDeviceMetricsOverride", session, width=1366, height=768,
                     deviceScaleFactor=1, mobile=False)
        browser.call("Page.enable", session)
        browser.call("Page.navigate", session, url="file://" + os.path.abspath(page))
        browser.wait_for("Page.loadEventFired")
        browser.call("Runtime.evaluate", session, expression="document.fonts.ready",
                     awaitPromise=True)
        measured = json.loads(browser.call("Runtime.evaluate", session,
                                           expression=MEASURE)["result"]["value"])
        shot = browser.call("Page.captureScreenshot", session, format="png")["data"]
        with open(os.path.join(work, stem + "-screen.png"), "wb") as file:
            file.write(base64.b64decode(shot))
        pdfs = {}
        for scale in (100, 110):
            pdfs[scale] = os.path.join(work, "%s-%d.pdf" % (stem, scale))
            printed = browser.call("Page.printToPDF", session, scale=scale / 100,
                                   preferCSSPageSize=True, displayHeaderFooter=False)
            with open(pdfs[scale], "wb") as file:
                file.write(base64.b64decode(printed["data"]))
    finally:
        browser.close()
        shutil.rmtree(folder, ignore_errors=True)
    return measured, pdfs


def pages_and_size(pdf):
    info = subprocess.run(["pdfinfo", pdf], capture_output=True, text=True, check=True).stdout
    pages = int(re.search(r"^Pages:\s+(\d+)", info, re.M).group(1))
    size = re.search(r"^Page size:\s+([\d.]+) x ([\d.]+) pts", info, re.M)
    return pages, (float(size.group(1)), float(size.group(2)))


def printed_words(pdf):
    """Each printed word: its text and box (left, top, right, bottom) in points."""
    boxes = subprocess.run(["pdftotext", "-bbox", pdf, "-"], capture_output=True, text=True,
                           check=True).stdout
    pattern = r'<word xMin="([\d.-]+)" yMin="([\d.-]+)" xMax="([\d.-]+)" yMax="([\d.-]+)">([^<]*)<'
    return [(html.unescape(word), tuple(map(float, box)))
            for *box, word in re.findall(pattern, boxes)]


def type_size(word, box):
    """The size a word of Chinese characters is printed in (each is 1 em wide), or None."""
    if not re.fullmatch("[\u4e00-\u9fff]+", word):
        return None
    return (box[2] - box[0]) / len(word)


def listed_keys(tool, version):
    """Each key as the tool lists it: letter, place, key-name character, radicals."""
    listing = subprocess.run([tool, "keys", "--wubi=" + version], capture_output=True,
                             check=True, env=dict(os.environ, LC_ALL="C.UTF-8")).stdout
    keys = []
    for line in listing.decode("utf-8").splitlines():
        letter, place, _zone, name, _stroke, _short, chart, _verse = line.split("\t")
        keys.append((letter.upper(), place, name, chart.split(" ")))
    return keys


def main():
    page, tool, version, work = sys.argv[1:5]
    os.makedirs(work, exist_ok=True)
    stem = os.path.splitext(os.path.basename(page))[0]
    failures = []
    measured, pdfs = render(page, work, stem)
    print("%s at 1366x768: %s" % (stem, measured))
    if measured["width"] > 1366 or measured["right"] > 1366:
        failures.append("%d pixels wide at a 1366-pixel window" % measured["width"])
    if measured["smallest"] < 8 * POINT - 0.01:
        failures.append("text of %.1f pt" % (measured["smallest"] / POINT))
    if measured["names"] != 25 or measured["smallestName"] < 24 * POINT - 0.01:
        failures.append("%d key-name characters, the smallest %.1f pt" %
                        (measured["names"], measured["smallestName"] / POINT))
    keys = listed_keys(tool, version)
    for scale, pdf in pdfs.items():
        pages, size = pages_and_size(pdf)
        words = printed_words(pdf)
        right = max(box[2] for _, box in words)
        bottom = max(box[3] for _, box in words)
        # Chromium shrinks a page too wide for the paper: the type sizes tell.
        sizes = [type_size(*word) for word in words]
        smallest = min(size for size in sizes if size) / (scale / 100)
        names = [max((type_size(*word) or 0 for word in words if word[0] == key[2]), default=0)
                 for key in keys]
        print("%s printed at %d %%: %d page(s) of %.2f x %.2f pt, text up to %.0f x %.0f pt, "
              "Chinese in %.1f pt and up, key names in %.1f pt and up (at 100 %%)" %
              ((stem, scale, pages) + size + (right, bottom, smallest,
                                              min(names) / (scale / 100))))
        if pages != 1 or any(abs(a - b) > 1 for a, b in zip(size, A4_LANDSCAPE)):
            failures.append("printed at %d %%: %d pages of %s pt" % (scale, pages, size))
        if right > size[0] or bottom > size[1]:
            failures.append("printed at %d %%: text runs off the page" % scale)
        if smallest < 7.95 or min(names) / (scale / 100) < 23.95:
            failures.append("printed at %d %%: type shrunk below 8 pt (key names 24 pt)" % scale)
        text = re.sub(r"\s+", "", subprocess.run(["pdftotext", pdf, "-"], capture_output=True,
                                                 text=True, check=True).stdout)
        for letter, place, name, radicals in keys:
            for shown in [letter + place, name] + radicals:
                if shown not in text:
                    failures.append("printed at %d %%, key %s: %s is not on the page" %
                                    (scale, letter, shown))
        if "学习键" not in text:
            failures.append("printed at %d %%: Z, the learning key, is not on the page" % scale)
    subprocess.run(["pdftoppm", "-r", "80", "-png", "-singlefile", pdfs[100],
                    os.path.join(work, stem + "-print")], check=True)
    for failure in failures:
        print("FAIL: " + failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
