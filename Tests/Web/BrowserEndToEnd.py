#!/usr/bin/python3
"""Plays the web build in Debian's headless Chromium, driven through chromedriver,
as a player would: keys go to the page, and what the canvas shows is saved and
held by ExamineCanvas to the picture the desktop end-to-end test expects.

Usage: BrowserEndToEnd.py DIST_WEB_DIR EXAMINE_CANVAS [FIGURES_FILE]
Serves DIST_WEB_DIR on 127.0.0.1 only. With FIGURES_FILE, appends the time from
navigation to the first drawn frame to it."""

import functools
import http.server
import itertools
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
FIGURES_FILE = sys.argv[3] if len(sys.argv) > 3 else None
# Generous for a loaded machine; nothing waits this long when the page works.
TIMEOUT_SECONDS = 60.0
CURSOR_STEP = 8.0  # world units an arrow moves the cursor
PICTURE_NUMBERS = itertools.count()


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map,
                      ".wasm": "application/wasm", ".js": "text/javascript"}

    def log_message(self, *args):
        pass


def wait_for(condition, what):
    deadline = time.monotonic() + TIMEOUT_SECONDS
    while True:
        result = condition()
        if result:
            return result
        if time.monotonic() > deadline:
            raise AssertionError("timed out waiting for " + what)
        time.sleep(0.05)


class BrowserEndToEnd(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        handler = functools.partial(QuietHandler, directory=DIST_DIR)
        cls.server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
        threading.Thread(target=cls.server.serve_forever, daemon=True).start()
        cls.url = "http://127.0.0.1:%d/" % cls.server.server_address[1]
        cls.scratch = tempfile.TemporaryDirectory()

    @classmethod
    def tearDownClass(cls):
        cls.server.shutdown()
        cls.scratch.cleanup()

    def setUp(self):
        self.driver = None

    def open_page(self, *extra_switches, wait_for_first_frame=True):
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
        self.driver.get(self.url)
        self.canvas = self.driver.find_element(By.ID, "canvas")
        if wait_for_first_frame:
            wait_for(lambda: self.driver.execute_script("return window.dotsunderFirstFrameMs"), "the first frame")

    def tearDown(self):
        if self.driver:
            self.driver.quit()

    # Holds a picture of the canvas, or of the page (with the canvas box), to a check of ExamineCanvas.
    def examine(self, check, *arguments, page=False):
        picture = os.path.join(self.scratch.name, "picture-%d.png" % next(PICTURE_NUMBERS))
        self.assertTrue(self.driver.save_screenshot(picture) if page else self.canvas.screenshot(picture))
        result = subprocess.run([EXAMINER, check, picture, *map(str, arguments)], capture_output=True, text=True)
        self.assertNotEqual(result.returncode, 2, result.stderr)
        return result.returncode == 0, result.stdout.strip()

    def wait_until_seen(self, *arguments):
        last = [""]

        def holds():
            ok, last[0] = self.examine(*arguments)
            return ok

        try:
            wait_for(holds, " ".join(arguments))
        except AssertionError:
            self.fail("%s never held; last seen: %s" % (" ".join(arguments), last[0]))
        return last[0]

    # Holds the key for a few of the browser's frames, each of which runs a game
    # frame: a press and release within one frame would leave no trace, and a
    # key held for half a second repeats. Then waits for the effect.
    def tap_until(self, key, effect):
        ActionChains(self.driver).key_down(key).perform()
        try:
            self.driver.execute_async_script(
                "var done = arguments[0];"
                "requestAnimationFrame(() => requestAnimationFrame(() => requestAnimationFrame(done)));")
        finally:
            ActionChains(self.driver).key_up(key).perform()
        return wait_for(effect, "the effect of " + repr(key))

    def cursor(self):
        ok, seen = self.examine("cursor")
        self.assertTrue(ok, seen)
        x, y, dots_under = seen.split()
        return float(x), float(y), int(dots_under)

    def canvas_box(self):
        return self.driver.execute_script(
            "var r = document.getElementById('canvas').getBoundingClientRect();"
            "return [r.left, r.top, r.width, r.height, innerWidth, innerHeight];")

    def severe_console_entries(self):
        return [entry for entry in self.driver.get_log("browser") if entry["level"] == "SEVERE"]

    def test_loads_cleanly_and_shows_puzzle_one_in_a_four_by_three_canvas_letterboxed_on_resize(self):
        self.open_page()
        if FIGURES_FILE:
            with open(FIGURES_FILE, "a") as figures:
                figures.write("navigation to first frame: %.0f ms\n"
                              % self.driver.execute_script("return window.dotsunderFirstFrameMs"))
        self.assertEqual(self.driver.title, "Dotsunder")
        self.assertFalse(self.driver.find_element(By.ID, "loading").is_displayed())
        self.assertEqual(self.driver.switch_to.active_element, self.canvas, "the game has the keyboard focus")
        self.wait_until_seen("first-puzzle")

        # Windows large enough for two pixels or more per world unit, which the
        # expected picture samples one by one.
        for width, height in ((1600, 600), (1000, 1300), (1280, 800)):
            self.driver.set_window_size(width, height)

            def fitted():
                left, top, css_width, css_height, inner_width, inner_height = self.canvas_box()
                drawable = self.driver.execute_script(
                    "var c = document.getElementById('canvas'); return [c.width, c.height];")
                ratio = self.driver.execute_script("return devicePixelRatio")
                is_largest_four_by_three = abs(css_width * 3 - css_height * 4) <= 4 and (
                    abs(css_width - 0.9 * inner_width) <= 1 or abs(css_height - 0.9 * inner_height) <= 1)
                is_centred = abs(2 * left + css_width - inner_width) <= 2 and abs(
                    2 * top + css_height - inner_height) <= 2
                is_sharp = drawable == [round(css_width * ratio), round(css_height * ratio)]
                return is_largest_four_by_three and is_centred and is_sharp

            wait_for(fitted, "a centred 4:3 canvas in a %d x %d window" % (width, height))
            ok, seen = self.examine("letterboxed", *(int(value) for value in self.canvas_box()[:4]), page=True)
            self.assertTrue(ok, "in a %d x %d window: %s" % (width, height, seen))
        self.assertEqual(self.severe_console_entries(), [])

    def test_arrows_space_letters_and_f4_play_the_game_without_scrolling_and_escape_ends_it(self):
        self.open_page()
        self.wait_until_seen("first-puzzle")
        self.driver.execute_script(
            "window.unpreventedKeys = [];"
            "window.addEventListener('keydown', function (e) {"
            "  if (!e.defaultPrevented) { unpreventedKeys.push(e.key); } });")
        # Up one step at a time until the square reaches the hint's last line.
        x, y, dots_under = self.cursor()
        while dots_under == 0:
            before = y
            self.tap_until(Keys.ARROW_UP, lambda: self.cursor()[1] > before)
            x, y, dots_under = self.cursor()
            # Whole steps of half a cursor: a loaded machine may hold the key into its repeat.
            self.assertEqual((y - before) % CURSOR_STEP, 0, "an arrow steps half a cursor")
        # One step further, well inside the hint's lines, then SPACE breaks the
        # dots under the square loose and they fall into the bank.
        self.tap_until(Keys.ARROW_UP, lambda: self.cursor()[1] > y)
        x, y, dots_under = self.cursor()
        self.assertGreater(dots_under, 0)
        self.tap_until(Keys.SPACE, lambda: self.examine("banked", "0")[0])
        # Along the lines to the right, breaking at every step, until the bank
        # holds enough to buy the T (18 dots; bought while the bank holds more).
        for _ in range(8):
            before = x
            self.tap_until(Keys.ARROW_RIGHT, lambda: self.cursor()[0] > before)
            # Whole steps, as above; the shake of a break may still move the picture
            # while the cursor is read.
            x = wait_for(lambda: next((seen for seen in [self.cursor()[0]]
                                       if seen > before and (seen - before) % CURSOR_STEP == 0), None),
                         "whole steps right")
            self.tap_until(Keys.SPACE, lambda: True)
        self.wait_until_seen("banked", "18")
        self.tap_until("t", lambda: self.examine("bought-first")[0])
        self.tap_until(Keys.F4, lambda: self.examine("dot-count")[0])

        self.assertEqual(self.driver.execute_script("return [scrollX, scrollY]"), [0, 0])
        unprevented = self.driver.execute_script("return unpreventedKeys")
        for key in ("ArrowUp", "ArrowRight", " ", "F4"):
            self.assertNotIn(key, unprevented, "the page let the browser act on " + repr(key))

        ActionChains(self.driver).key_down(Keys.ESCAPE).perform()
        wait_for(lambda: self.driver.find_element(By.ID, "ended").is_displayed(), "the page to say the game ended")
        ActionChains(self.driver).key_up(Keys.ESCAPE).perform()
        self.assertEqual(self.severe_console_entries(), [])

    def test_a_fatal_report_shows_in_the_page_with_its_text_and_goes_to_the_console(self):
        self.open_page("--disable-webgl", wait_for_first_frame=False)  # no GL context can be made: fatal
        wait_for(lambda: self.driver.find_element(By.ID, "fatal").is_displayed(), "the fatal report")
        text = self.driver.find_element(By.ID, "fatal-text").text
        self.assertIn("OpenGL", text)
        self.assertTrue(self.driver.find_element(By.ID, "fatal-title").text)
        self.assertFalse(self.driver.find_element(By.ID, "loading").is_displayed())
        console = " ".join(entry["message"] for entry in self.driver.get_log("browser"))
        self.assertIn("CreateOpenGLRenderingContext", console)


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1], verbosity=2)
