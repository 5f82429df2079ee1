"""The game in headless Chromium, end to end: the page's title equals the
desktop's title frame, the default score file is the desktop's, a game is
played by key presses to game over under a typed name, and after a reload
the tables still hold it. The page's console must stay free of errors.
Usage: web_play.py <page URL> <desktop title frame .rgba> <desktop scores.dat>
                   <artifact folder> <scratch folder>"""
import os
import sys
import time

import webdriver

SCORES = "/home/web_user/.local/share/orvessa/scores.dat"
# What the page may say on its console: emscripten's notes on its OpenGL
# emulation, Chromium's on the audio node SDL uses and its WebGL driver's
# notes on performance (the software renderer's own housekeeping).
KNOWN = ("using emscripten GL emulation", "GL immediate mode emulation",
         "ScriptProcessorNode is deprecated", "GL Driver Message (OpenGL, Performance")
# Entries any game beats, so that the game played enters the tables.
LOW_SCORES = b"".join(b"%s\r\n%c\x00\x00\x00" % (name, value) for name, value in (
    (b"Low one", 3), (b"Low two", 2), (b"Low three", 1), (b"Eff one", 3), (b"Eff two", 2), (b"Eff three", 1)))
READ_SCORES = "try { return Array.from(FS.readFile(arguments[0])); } catch (e) { return []; }"
STORE_SCORES = """var done = arguments[2];
FS.writeFile(arguments[0], Uint8Array.from(arguments[1]));
FS.syncfs(false, function (error) { done(error ? String(error) : 'stored'); });"""

url, title_frame, default_scores, artifacts, scratch = sys.argv[1:6]
results = []


def check(condition, what):
    print(("ok   " if condition else "FAIL ") + what, flush=True)
    results.append(bool(condition))


def wait_for(seconds, test, pause=0.25):
    limit = time.time() + seconds
    while time.time() < limit:
        if test():
            return True
        time.sleep(pause)
    return False


browser = webdriver.Browser(os.path.join(scratch, "profile"), os.path.join(artifacts, "chromedriver.log"))
scores = lambda: bytes(browser.run(READ_SCORES, SCORES))  # noqa: E731
shot = lambda name: browser.screenshot(os.path.join(artifacts, name + ".png"))  # noqa: E731
console = []
try:
    started = time.time()
    browser.open(url)
    browser.compare_canvas(open(title_frame, "rb").read())
    # Sparkle bursts come and go over the title; between them it is still.
    # SwiftShader rounds blending otherwise than llvmpipe: the pointer's
    # half-transparent pixels come out 1 apart in a channel.
    seen = []
    matched = wait_for(90, lambda: seen.append(browser.compare_canvas()) or seen[-1][1] == 0, 0.1)
    shot("01-title")
    differ, _, largest = seen[-1]
    check(matched, "the title equals the desktop's frame within 1 a channel (%.1f s from opening "
          "the page; %d pixels differ, by %d at most)" % (time.time() - started, differ, largest))
    check(scores() == open(default_scores, "rb").read(), "a first visit's scores.dat is the desktop's default")
    check(browser.run(STORE_SCORES, SCORES, list(LOW_SCORES), way="async") == "stored", "low scores stored")
    console += browser.console()

    browser.open(url)
    wait_for(60, lambda: scores() == LOW_SCORES)
    time.sleep(9)  # the splash, then the title
    # Browsers start sound at the first key or click at the latest (headless
    # Chromium at once); from then on SDL's callback feeds the page's audio.
    browser.keys("Left", "Enter")
    check(wait_for(5, lambda: browser.run("return Module.SDL2.audioContext.state == 'running' && "
                                          "!!Module.SDL2.audio.currentOutputBuffer")),
          "the sound plays once a key has been pressed")
    time.sleep(0.5)
    browser.keys(*"Web Ada")
    browser.keys("Enter", "Right", "Enter")
    time.sleep(2.5)
    shot("02-character-select")
    browser.keys("Enter")
    time.sleep(2.5)
    sweeps, limit = 0, time.time() + 600
    while scores() == LOW_SCORES and time.time() < limit:
        for move in ["Right"] * 8 + ["Left"] * 8:
            browser.keys("Space")
            if scores() != LOW_SCORES:
                break
            browser.keys(move)
        sweeps += 1
        if sweeps == 2:
            shot("03-play")
    saved = scores()
    check(saved.startswith(b"Web Ada\r\n"), "a game to game over (%d sweeps) entered the tables "
          "under the typed name" % sweeps)
    time.sleep(3)
    shot("04-game-over")
    browser.keys("Enter")
    time.sleep(2)
    console += browser.console()

    browser.open(url)
    check(wait_for(60, lambda: scores() == saved), "after a reload the tables still hold the game")
    time.sleep(10)
    shot("05-title-after-reload")
finally:
    console += browser.console()
    browser.close()

with open(os.path.join(artifacts, "console.txt"), "w") as out:
    out.writelines("%s %s\n" % entry for entry in console)
errors = [e for e in console if e[0] == "SEVERE" or not any(known in e[1] for known in KNOWN)]
check(not errors, "the page's console shows no error (%s)" % (errors[:3] or "console.txt"))
print("web: %d passed, %d failed" % (results.count(True), results.count(False)))
sys.exit(0 if all(results) else 1)
