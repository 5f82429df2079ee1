"""The game in headless Chromium, end to end: the page's title equals the
desktop's title frame, the default score file is the desktop's, a game is
played by key presses to game over under a typed name, and after a reload
the tables still hold it. The page's console must stay free of errors.
Usage: web_play.py <page URL> <desktop title frame .rgba> <desktop scores.dat>
                   <artifact folder> <scratch folder>"""
import base64
import os
import sys
import time

import webdriver

SCORES = "/home/web_user/.local/share/orvessa/scores.dat"
# What the page may say on its console: emscripten's notes on its OpenGL
# emulation and Chromium's on the audio node SDL uses.
KNOWN = ("using emscripten GL emulation", "GL immediate mode emulation",
         "ScriptProcessorNode is deprecated")

url, title_frame, default_scores, artifacts, scratch = sys.argv[1:6]
os.makedirs(artifacts, exist_ok=True)
failures = []
passes = 0


def check(condition, what):
    global passes
    print(("ok   " if condition else "FAIL ") + what, flush=True)
    if condition:
        passes += 1
    else:
        failures.append(what)


def wait_for(what, seconds, test, pause=0.25):
    started = time.time()
    while time.time() - started < seconds:
        value = test()
        if value:
            return value
        time.sleep(pause)
    return None


# Reads the canvas (the last whole frame shown) and compares it with the
# expected frame given once as base64: how many pixels differ in any
# channel, how many by more than 1, and the largest difference.
COMPARE = """
if (arguments[0]) window.expectedFrame = Uint8Array.from(atob(arguments[0]), c => c.charCodeAt(0));
var shown = document.createElement('canvas');
shown.width = 640; shown.height = 480;
var context = shown.getContext('2d');
context.drawImage(document.getElementById('canvas'), 0, 0);
var got = context.getImageData(0, 0, 640, 480).data, want = window.expectedFrame;
var differ = 0, beyond_one = 0, largest = 0;
for (var i = 0; i < got.length; i += 4) {
  var d = Math.max(Math.abs(got[i] - want[i]), Math.abs(got[i + 1] - want[i + 1]),
                   Math.abs(got[i + 2] - want[i + 2]));
  if (d) differ++;
  if (d > 1) beyond_one++;
  largest = Math.max(largest, d);
}
return [differ, beyond_one, largest];
"""

READ_SCORES = """
try { return Array.from(FS.readFile(arguments[0])); } catch (e) { return null; }
"""

# Writes a file into the page's file system and waits until it is stored.
STORE_SCORES = """
var done = arguments[arguments.length - 1];
FS.writeFile(arguments[0], Uint8Array.from(arguments[1]));
FS.syncfs(false, function (error) { done(error ? String(error) : 'stored'); });
"""

LOW_SCORES = (b"Low one\r\n\x03\x00\x00\x00Low two\r\n\x02\x00\x00\x00Low three\r\n\x01\x00\x00\x00"
              b"Eff one\r\n\x03\x00\x00\x00Eff two\r\n\x02\x00\x00\x00Eff three\r\n\x01\x00\x00\x00")

browser = webdriver.Browser(os.path.join(scratch, "profile"), os.path.join(artifacts, "chromedriver.log"))
console = []
try:
    expected = base64.b64encode(open(title_frame, "rb").read()).decode()
    started = time.time()
    browser.open(url)
    browser.run(COMPARE, expected)  # hands the expected frame over once
    # Sparkle bursts come and go over the title; between them it is still.
    match = wait_for("the title", 90, lambda: browser.run(COMPARE, "")[1] == 0 or None, 0.1)
    to_title = time.time() - started
    browser.screenshot(os.path.join(artifacts, "01-title.png"))
    differ, beyond, largest = browser.run(COMPARE, "")
    check(match is not None, "the title equals the desktop's frame within 1 per channel "
          "(%.1f s from opening the page; %d pixels differ, largest by %d)" % (to_title, differ, largest))

    shown = bytes(browser.run(READ_SCORES, SCORES) or [])
    check(shown == open(default_scores, "rb").read(), "a first visit's scores.dat is the desktop's default file")

    check(browser.run_async(STORE_SCORES, SCORES, list(LOW_SCORES)) == "stored", "low scores stored")
    console += browser.console()
    browser.open(url)
    wait_for("the low scores", 60, lambda: bytes(browser.run(READ_SCORES, SCORES) or []) == LOW_SCORES)
    time.sleep(9)  # the splash, then the title
    # Browsers start sound at the first key or click at the latest (headless
    # Chromium at once); from then on SDL's callback feeds the page's audio.
    browser.keys("Left", "Enter")
    playing = "return Module.SDL2.audioContext.state == 'running' && !!Module.SDL2.audio.currentOutputBuffer"
    check(wait_for("sound", 5, lambda: browser.run(playing)) is not None,
          "the sound plays once the first key has been pressed")
    time.sleep(0.5)
    browser.keys(*"Web Ada", pause_ms=80)
    browser.keys("Enter", "Right", "Enter")
    time.sleep(2.5)
    browser.screenshot(os.path.join(artifacts, "02-character-select.png"))
    browser.keys("Enter")
    time.sleep(2.5)

    def ended():
        return bytes(browser.run(READ_SCORES, SCORES) or []) != LOW_SCORES

    sweeps, limit = 0, time.time() + 600
    while not ended() and time.time() < limit:
        for move in ["Right"] * 8 + ["Left"] * 8:
            browser.keys("Space")
            if ended():
                break
            browser.keys(move)
        sweeps += 1
        if sweeps == 2:
            browser.screenshot(os.path.join(artifacts, "03-play.png"))
    check(ended(), "a game played to game over (%d sweeps)" % sweeps)
    time.sleep(3)
    browser.screenshot(os.path.join(artifacts, "04-game-over.png"))
    saved = bytes(browser.run(READ_SCORES, SCORES) or [])
    check(saved.startswith(b"Web Ada\r\n"), "the game entered the tables under the typed name")
    browser.keys("Enter")
    time.sleep(2)
    console += browser.console()

    browser.open(url)
    kept = wait_for("the kept scores", 60, lambda: bytes(browser.run(READ_SCORES, SCORES) or []) or None)
    check(kept == saved, "after a reload the tables still hold the game")
    time.sleep(10)
    browser.screenshot(os.path.join(artifacts, "05-title-after-reload.png"))
    console += browser.console()
finally:
    console += browser.console()
    browser.close()

with open(os.path.join(artifacts, "console.txt"), "w") as out:
    out.writelines("%s %s\n" % entry for entry in console)
errors = [entry for entry in console
          if entry[0] == "SEVERE" or not any(known in entry[1] for known in KNOWN)]
check(not errors, "the page's console shows no error (%s)" % (errors[:3] or "console.txt"))
print("web: %d passed, %d failed" % (passes, len(failures)))
sys.exit(1 if failures else 0)
