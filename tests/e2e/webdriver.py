"""A small client of WebDriver (Debian's chromedriver driving headless
Chromium), enough for the browser's end-to-end test: open a page, run
script in it, press keys, take screenshots, read the page's console."""
import base64
import json
import os
import socket
import subprocess
import time
import urllib.request

# Headless Chromium as root, drawing WebGL in software (SwiftShader), with
# nothing fetched from outside.
CHROMIUM_FLAGS = ["--headless=new", "--no-sandbox", "--use-angle=swiftshader",
                  "--enable-unsafe-swiftshader", "--disable-gpu-sandbox", "--no-first-run",
                  "--disable-background-networking", "--disable-component-update",
                  "--disable-sync", "--window-size=1024,768", "--autoplay-policy=user-gesture-required"]

# WebDriver's codes of the keys the game uses.
KEYS = {"Enter": "\ue007", "Escape": "\ue00c", "Space": " ", "Left": "\ue012", "Up": "\ue013",
        "Right": "\ue014", "Down": "\ue015", "Backspace": "\ue003"}


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

    def run(self, script, *args):
        """Runs a function body in the page; its return value comes back."""
        return self._call("POST", self.session + "/execute/sync", {"script": script, "args": list(args)})

    def run_async(self, script, *args):
        """Runs a function body whose last argument is the callback to call."""
        return self._call("POST", self.session + "/execute/async", {"script": script, "args": list(args)})

    def keys(self, *names, pause_ms=60):
        """Presses and releases each key in turn, as a person types."""
        steps = []
        for name in names:
            key = KEYS.get(name, name)
            steps += [{"type": "keyDown", "value": key}, {"type": "pause", "duration": pause_ms},
                      {"type": "keyUp", "value": key}, {"type": "pause", "duration": pause_ms}]
        self._call("POST", self.session + "/actions",
                   {"actions": [{"type": "key", "id": "keyboard", "actions": steps}]})

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
