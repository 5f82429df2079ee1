"""A small client of WebDriver (Debian's chromedriver driving headless
Chromium), enough for the browser's end-to-end test: open a page, run
script in it, press keys, take screenshots, read the page's console."""
import base64
import json
import socket
import subprocess
import time
import urllib.request

# Headless Chromium as root, drawing WebGL in software (SwiftShader), with
# nothing fetched from outside.
CHROMIUM_FLAGS = ["--headless=new", "--no-sandbox", "--use-angle=swiftshader",
                  "--enable-unsafe-swiftshader", "--disable-gpu-sandbox", "--no-first-run",
                  "--disable-background-networking", "--disable-component-update",
                  "--disable-sync", "--window-size=1024,768"]

# WebDriver's codes of the keys the game uses.
KEYS = {"Enter": "\ue007", "Space": " ", "Left": "\ue012", "Right": "\ue014"}


def free_port():
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


class Browser:
    def __init__(self, user_data_dir, log_path):
        self.port = free_port()
        self.log = open(log_path, "w")
        self.driver = subprocess.Popen(
            ["chromedriver", "--port=%d" % self.port, "--allowed-ips=127.0.0.1"],
            stdout=self.log, stderr=subprocess.STDOUT)
        for _ in range(100):
            try:
                self._call("GET", "/status")
                break
            except OSError:
                time.sleep(0.1)
        caps = {"capabilities": {"alwaysMatch": {
            "browserName": "chrome",
            "goog:chromeOptions": {"binary": "/usr/bin/chromium",
                                   "args": CHROMIUM_FLAGS + ["--user-data-dir=" + user_data_dir]},
            "goog:loggingPrefs": {"browser": "ALL"}}}}
        self.session = "/session/" + self._call("POST", "/session", caps)["sessionId"]

    def _call(self, method, path, body=None):
        data = json.dumps(body).encode() if body is not None else None
        request = urllib.request.Request("http://127.0.0.1:%d%s" % (self.port, path), data=data,
                                         method=method,
                                         headers={"Content-Type": "application/json"})
        with urllib.request.urlopen(request, timeout=120) as answer:
            return json.loads(answer.read())["value"]

    def open(self, url):
        self._call("POST", self.session + "/url", {"url": url})

    def run(self, script, *args, way="sync"):
        """Runs a function body in the page, its return value coming back
        (way "async": its last argument is the callback to call with it)."""
        return self._call("POST", "%s/execute/%s" % (self.session, way), {"script": script, "args": list(args)})

    def keys(self, *names, pause_ms=30):
        """Presses and releases each key in turn, as a person types."""
        steps = []
        for name in names:
            key = KEYS.get(name, name)
            steps += [{"type": "keyDown", "value": key}, {"type": "pause", "duration": pause_ms},
                      {"type": "keyUp", "value": key}, {"type": "pause", "duration": pause_ms}]
        self._call("POST", self.session + "/actions",
                   {"actions": [{"type": "key", "id": "keyboard", "actions": steps}]})

    def compare_canvas(self, frame=None):
        """Compares the canvas (its last whole frame) with a 640 x 480 RGBA
        frame, handed over once: pixels that differ, those by more than 1 in
        a channel, and the largest difference."""
        return self.run("""
            if (arguments[0]) window.frame = Uint8Array.from(atob(arguments[0]), c => c.charCodeAt(0));
            var c = document.createElement('canvas'); c.width = 640; c.height = 480;
            var g = c.getContext('2d'); g.drawImage(document.getElementById('canvas'), 0, 0);
            var got = g.getImageData(0, 0, 640, 480).data, counts = [0, 0, 0];
            for (var i = 0; i < got.length; i += 4) {
              var d = Math.max(Math.abs(got[i] - frame[i]), Math.abs(got[i + 1] - frame[i + 1]),
                               Math.abs(got[i + 2] - frame[i + 2]));
              counts = [counts[0] + (d > 0), counts[1] + (d > 1), Math.max(counts[2], d)];
            }
            return counts;""", base64.b64encode(frame).decode() if frame else "")

    def screenshot(self, path):
        with open(path, "wb") as out:
            out.write(base64.b64decode(self._call("GET", self.session + "/screenshot")))

    def console(self):
        """The console's messages since the last call: (level, text) pairs."""
        entries = self._call("POST", self.session + "/se/log", {"type": "browser"})
        return [(e["level"], e["message"]) for e in entries]

    def close(self):
        try:
            self._call("DELETE", self.session)
        finally:
            self.driver.terminate()
            self.driver.wait(10)
            self.log.close()
