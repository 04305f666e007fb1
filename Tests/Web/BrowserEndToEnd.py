#!/usr/bin/python3
"""Plays the web build in Debian's headless Chromium, driven through chromedriver,
as a player would: keys go to the page, and what the canvas shows is saved and
held by ExamineCanvas to the picture the desktop end-to-end test expects.

Usage: BrowserEndToEnd.py DIST_WEB_DIR EXAMINE_CANVAS
Serves DIST_WEB_DIR on 127.0.0.1 only."""

import collections
import functools
import http.server
import os
import subprocess
import sys
import tempfile
import threading
import time
import unittest

from selenium import webdriver
from selenium.webdriver.chrome.options import Options
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys

DIST_DIR, EXAMINER = sys.argv[1], sys.argv[2]
# Generous for a loaded machine; nothing waits this long when the page works.
TIMEOUT_SECONDS = 60.0
CURSOR_STEP = 8.0  # world units an arrow moves the cursor
# What ExamineCanvas sees on the canvas; differences from puzzle 1 as it starts, empty when none.
Look = collections.namedtuple("Look", "x y dots_under banked differences")


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass


def wait_for(condition, what, last_seen=lambda: "nothing to report"):
    deadline = time.monotonic() + TIMEOUT_SECONDS
    while True:
        result = condition()
        if result:
            return result
        if time.monotonic() > deadline:
            raise AssertionError("timed out waiting for %s; last seen: %s" % (what, last_seen()))
        time.sleep(0.05)


class BrowserEndToEnd(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        handler = functools.partial(QuietHandler, directory=DIST_DIR)
        cls.server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
        threading.Thread(target=cls.server.serve_forever, daemon=True).start()
        cls.url = "http://127.0.0.1:%d/" % cls.server.server_address[1]
        cls.scratch = tempfile.TemporaryDirectory()  # removed as the run ends

    def open_page(self, *extra_switches):
        options = Options()
        options.binary_location = "/usr/bin/chromium"
        # Root in a container, no GPU, and a closed network: without the
        # background-networking switches Chromium's own connections are refused
        # and reported. WebGL runs on SwiftShader, Chromium's software GL.
        for switch in ("--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
                       "--disable-background-networking", "--disable-component-update", "--disable-sync",
                       "--use-angle=swiftshader", "--enable-unsafe-swiftshader",
                       "--force-device-scale-factor=1", "--window-size=1280,800",
                       "--user-data-dir=" + tempfile.mkdtemp(dir=self.scratch.name), *extra_switches):
            options.add_argument(switch)
        options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
        self.driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
        self.addCleanup(self.driver.quit)
        self.driver.get(self.url)
        self.canvas = self.driver.find_element(By.ID, "canvas")

    def look(self):
        picture = os.path.join(self.scratch.name, "canvas.png")
        self.assertTrue(self.canvas.screenshot(picture))
        seen = subprocess.run([EXAMINER, picture], capture_output=True, text=True, check=True).stdout
        numbers, _, differences = seen.partition("\n")
        return Look(*map(float, numbers.split()), differences)

    def wait_to_see(self, what, holds):
        looks = [None]

        def check():
            looks[0] = self.look()
            return holds(looks[0])

        wait_for(check, what, lambda: looks[0])
        return looks[0]

    # Holds the key for a few of the browser's frames, each of which runs a game
    # frame: a press and release within one frame would leave no trace, and a
    # key held for half a second repeats. Then waits for the effect.
    def tap_until(self, key, what, holds):
        ActionChains(self.driver).key_down(key).perform()
        self.driver.execute_async_script(
            "var done = arguments[0];"
            "requestAnimationFrame(() => requestAnimationFrame(() => requestAnimationFrame(done)));")
        ActionChains(self.driver).key_up(key).perform()
        return self.wait_to_see(what, holds)

    def test_loads_cleanly_and_plays_unscrolled_in_a_centred_four_by_three_canvas_until_escape(self):
        self.open_page()
        self.wait_to_see("puzzle 1", lambda look: not look.differences)
        self.assertEqual(self.driver.switch_to.active_element, self.canvas, "the game has the keyboard focus")

        # Windows large enough for two pixels or more per world unit, which the
        # expected picture samples one by one.
        for width, height in ((1600, 600), (1000, 1300)):
            self.driver.set_window_size(width, height)

            def fitted():
                left, top, css_width, css_height, inner_width, inner_height = self.driver.execute_script(
                    "var r = document.getElementById('canvas').getBoundingClientRect();"
                    "return [r.left, r.top, r.width, r.height, innerWidth, innerHeight];")
                is_largest_four_by_three = abs(css_width * 3 - css_height * 4) <= 4 and (
                    abs(css_width - 0.9 * inner_width) <= 1 or abs(css_height - 0.9 * inner_height) <= 1)
                is_centred = abs(2 * left + css_width - inner_width) <= 2 and abs(
                    2 * top + css_height - inner_height) <= 2
                return is_largest_four_by_three and is_centred

            wait_for(fitted, "a centred 4:3 canvas in a %d x %d window" % (width, height))
        look = self.wait_to_see("puzzle 1 in the resized canvas", lambda look: not look.differences)
        # Up one step at a time until the square reaches the hint's last line, then
        # one step further, well inside its lines.
        while look.dots_under == 0:
            before = look
            look = self.tap_until(Keys.ARROW_UP, "a step up", lambda look: look.y > before.y)
        look = self.tap_until(Keys.ARROW_UP, "a step up", lambda seen: seen.y > look.y)
        self.assertGreater(look.dots_under, 0)
        # SPACE breaks the dots under the square loose and they fall into the bank.
        self.tap_until(Keys.SPACE, "a banked dot", lambda look: look.banked > 0)
        # Along the lines to the right, breaking at every step, until the bank
        # holds enough to buy the T (18 dots; bought while the bank holds more).
        for _ in range(8):
            before = look
            # Whole steps of half a cursor, however many a loaded machine's repeat
            # makes; the shake of a break may still move the picture while it is read.
            look = self.tap_until(Keys.ARROW_RIGHT, "whole steps right", lambda look: look.x > before.x and (
                look.x - before.x) % CURSOR_STEP == 0)
            self.tap_until(Keys.SPACE, "anything", lambda look: True)
        banked = self.wait_to_see("more than 18 dots banked", lambda look: look.banked > 18).banked
        # The T bought costs its dots; only a purchase takes any from the bank.
        self.tap_until("t", "the T bought", lambda look: look.banked < banked)
        self.assertEqual(self.driver.execute_script("return [scrollX, scrollY]"), [0, 0])

        ActionChains(self.driver).key_down(Keys.ESCAPE).perform()
        wait_for(lambda: self.driver.find_element(By.ID, "ended").is_displayed(), "the page to say the game ended")
        ActionChains(self.driver).key_up(Keys.ESCAPE).perform()
        severe = [entry for entry in self.driver.get_log("browser") if entry["level"] == "SEVERE"]
        self.assertEqual(severe, [])

    def test_a_fatal_report_shows_in_the_page_with_its_text_and_goes_to_the_console(self):
        self.open_page("--disable-webgl")  # no GL context can be made: fatal
        wait_for(lambda: self.driver.find_element(By.ID, "fatal").is_displayed(), "the fatal report")
        self.assertIn("OpenGL", self.driver.find_element(By.ID, "fatal-text").text)
        console = " ".join(entry["message"] for entry in self.driver.get_log("browser"))
        self.assertIn("CreateOpenGLRenderingContext", console)


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1], verbosity=2)
