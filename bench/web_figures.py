"""Figures of the browser build beside the desktop's, measured in one run:
the time from opening the page to its first frame and to the title (the
desktop's title frame, sparkles aside), then in play the frame rate, the
CPU of all of headless Chromium's processes (WebGL in software through
SwiftShader) and the program's own work a frame (from each wake to the
next wait, Asyncify's unwinding and rewinding included), and the desktop
program's CPU and frame rate in play at 1x under Xvfb (llvmpipe).
Run by hand after scripts/web.sh and a Linux build with its tests:
  python3 bench/web_figures.py build-web build [seconds]"""
import os
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "tests", "e2e"))
import webdriver  # noqa: E402

# Counts the frames shown (each is drawn into the window once) from the
# page's start, noting when the first one came.
COUNT_FRAMES = """
var bind = WebGLRenderingContext.prototype.bindFramebuffer;
window.shownFrames = 0;
WebGLRenderingContext.prototype.bindFramebuffer = function (target, framebuffer) {
  if (framebuffer === null && window.shownFrames++ === 0) window.firstFrameAt = performance.now();
  return bind.call(this, target, framebuffer);
};"""
# Adds up the time the program works between a wake and its next wait.
COUNT_WORK = """
var sleep = Asyncify.handleSleep, woken = null;
window.workMs = 0;
Asyncify.handleSleep = function (start) {
  if (Asyncify.state === Asyncify.State.Normal && woken !== null) {
    window.workMs += performance.now() - woken;
    woken = null;
  }
  return sleep.call(Asyncify, function (wakeUp) {
    start(function () { woken = performance.now(); wakeUp(); });
  });
};"""

web, linux = sys.argv[1], sys.argv[2]
seconds = float(sys.argv[3]) if len(sys.argv) > 3 else 20
TICK = os.sysconf("SC_CLK_TCK")


def cpu_seconds(pids):
    total = 0
    for pid in pids:
        try:
            fields = open("/proc/%d/stat" % pid).read().rsplit(")", 1)[1].split()
            total += int(fields[11]) + int(fields[12])
        except OSError:
            pass
    return total / TICK


def descendants(root):
    children = {}
    for entry in os.listdir("/proc"):
        if entry.isdigit():
            try:
                parent = int(open("/proc/%s/stat" % entry).read().rsplit(")", 1)[1].split()[1])
            except OSError:
                continue
            children.setdefault(parent, []).append(int(entry))
    found, todo = [], [root]
    while todo:
        pid = todo.pop()
        found.append(pid)
        todo += children.get(pid, [])
    return found


scratch = tempfile.mkdtemp()
subprocess.run([os.path.join(linux, "tests", "title_frame"), linux, os.path.join(scratch, "title.rgba"),
                scratch], env=dict(os.environ, SDL_VIDEODRIVER="offscreen", SDL_AUDIODRIVER="dummy"),
               check=True)
server = subprocess.Popen([sys.executable, "-m", "http.server", "--bind", "127.0.0.1",
                           "--directory", web, "8641"], stdout=subprocess.DEVNULL,
                          stderr=subprocess.DEVNULL)
browser = webdriver.Browser(os.path.join(scratch, "profile"), os.path.join(scratch, "driver.log"))
try:
    time.sleep(0.5)
    browser._call("POST", browser.session + "/goog/cdp/execute",
                  {"cmd": "Page.addScriptToEvaluateOnNewDocument", "params": {"source": COUNT_FRAMES}})
    browser.open("http://127.0.0.1:8641/orvessa.html")
    browser.compare_canvas(open(os.path.join(scratch, "title.rgba"), "rb").read())
    while browser.compare_canvas()[1] > 640 * 480 // 50:
        time.sleep(0.05)
    print("page to first frame: %.2f s, to the title: %.1f s"
          % (browser.run("return firstFrameAt") / 1000, browser.run("return performance.now()") / 1000))
    browser.run(COUNT_WORK)
    browser.keys("Enter")
    time.sleep(2.5)
    browser.keys("Enter")
    time.sleep(3)
    pids = descendants(browser.driver.pid)
    counts = "return [window.shownFrames, window.workMs]"
    (frames, work), cpu, wall = browser.run(counts), cpu_seconds(pids), time.time()
    time.sleep(seconds)
    frames, work = [b - a for a, b in zip((frames, work), browser.run(counts))]
    cpu, wall = cpu_seconds(pids) - cpu, time.time() - wall
    print("browser in play: %.1f frames/s, %.0f %% of one core (%d processes), "
          "the program's work %.2f ms a frame" % (frames / wall, 100 * cpu / wall, len(pids), work / frames))
finally:
    browser.close()
    server.terminate()

# The desktop program at 1x on an X server of its own (a free display number).
xvfb = subprocess.Popen(["Xvfb", "-displayfd", "1", "-screen", "0", "1024x768x24", "-nolisten", "tcp"],
                        stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
try:
    display = ":" + xvfb.stdout.readline().decode().strip()
    env = dict(os.environ, DISPLAY=display, SDL_AUDIODRIVER="dummy",
               ORVESSA_STATS=os.path.join(scratch, "stats.txt"))
    game = subprocess.Popen([os.path.join(linux, "orvessa"), "--scale", "1"], env=env)
    time.sleep(9)
    for _ in range(2):
        subprocess.run(["xdotool", "search", "--name", "Orvessa", "windowfocus", "key", "Return"],
                       env=env, stderr=subprocess.DEVNULL)
        time.sleep(3)
    cpu, wall = cpu_seconds([game.pid]), time.time()
    time.sleep(seconds)
    cpu, wall = cpu_seconds([game.pid]) - cpu, time.time() - wall
    game.kill()
    lines = [line.split() for line in open(env["ORVESSA_STATS"])]
    frames = int(lines[-1][4]) - int(lines[-1 - int(seconds)][4])
    print("desktop in play at 1x: %.1f frames/s, %.0f %% of one core (%s)"
          % (frames / seconds, 100 * cpu / wall, lines[-1][7]))
finally:
    xvfb.terminate()
