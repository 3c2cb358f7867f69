#!/usr/bin/python3
"""The page in headless Chromium, opened from disk with the network off.

Usage: page_test.py PAGE FLG2SCN_CLI WORK_DIR

Each flag file of the table goes in through CommonDialog1, is converted and
saved by download: the bytes are flg2scn-cli's, or the message box is the
window's. Then About, drops, keys, undo and the question on leaving. No request
may leave the page.
"""
import functools
import http.server
import json
import os
import subprocess
import sys
import threading
import time
import unittest

from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys

import headless_chromium

PAGE, CLI, WORK = (os.path.abspath(arg) for arg in sys.argv[1:4])
DOWNLOADS = os.path.join(WORK, "downloads")


def poll(what, seconds=20):
    """What `what` gives once it is truthy; fails after `seconds`."""
    deadline = time.monotonic() + seconds
    while True:
        value = what()
        if value or time.monotonic() > deadline:
            if not value:
                raise AssertionError("timed out waiting for " + (what.__doc__ or "the page"))
            return value
        time.sleep(0.02)


class PageTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.driver = headless_chromium.start(WORK, {"performance": "ALL"})
        os.makedirs(DOWNLOADS)
        d = cls.driver
        d.execute_cdp_cmd("Network.enable", {})
        d.execute_cdp_cmd("Network.emulateNetworkConditions", {
            "offline": True, "latency": 0, "downloadThroughput": -1, "uploadThroughput": -1})
        d.execute_cdp_cmd("Page.setDownloadBehavior", {"behavior": "allow", "downloadPath": DOWNLOADS})
        # Saving goes by download, as in a browser without a save picker.
        d.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument",
                          {"source": "delete window.showSaveFilePicker;"})

    @classmethod
    def tearDownClass(cls):
        cls.driver.quit()

    def setUp(self):
        self.driver.get_log("performance")  # the browser's own start
        self.driver.get("file://" + PAGE)
        poll(lambda: self.js("return document.body.dataset.ready"))

    def js(self, script, *args):
        return self.driver.execute_script(script, *args)

    def text(self):
        """The rows of the text area in sight, as drawn, one line each."""
        return self.js("return Array.from(document.querySelectorAll('#rows .row'),"
                       " (row) => row.textContent).join('\\n')")

    def type(self, *keys):
        self.driver.find_element(By.ID, "Text1").send_keys(*keys)

    def message(self):
        """The open message box: title, icon, text; None when none is open."""
        return self.js("""const box = document.getElementById('MsgBox');
            return box.open ? [document.getElementById('MsgBoxTitle').textContent,
                               box.dataset.icon, box.querySelector('.text').textContent] : null""")

    def asks_on_leaving(self):
        """Whether leaving the page would ask first."""
        return self.js("const e = new Event('beforeunload', {cancelable: true});"
                       "window.dispatchEvent(e); return e.defaultPrevented")

    def dismiss(self, key=Keys.ENTER):
        self.driver.switch_to.active_element.send_keys(key)
        poll(lambda: self.message() is None)

    def load(self, path):
        self.type(Keys.CONTROL, "a")
        self.type("before")
        # As Load does before it opens the picker, so that the same file loads again.
        self.js("document.getElementById('CommonDialog1').value = ''")
        self.driver.find_element(By.ID, "CommonDialog1").send_keys(path)
        poll(lambda: self.text() != "before" or self.message())

    def save(self, *keys):
        """The bytes of the file that Save, chosen by `keys`, downloads, and its name."""
        for name in os.listdir(DOWNLOADS):
            os.remove(os.path.join(DOWNLOADS, name))
        for key in keys or [(Keys.CONTROL, "s")]:
            self.driver.switch_to.active_element.send_keys(*key)
        def done():
            """the download"""
            # Chromium holds the final name with an empty file while it writes
            # NAME.crdownload, which then takes its place; a scenario is never empty.
            names = os.listdir(DOWNLOADS)
            if any(n.endswith(".crdownload") for n in names):
                return []
            return [n for n in names if os.path.getsize(os.path.join(DOWNLOADS, n)) > 0]

        name = poll(done)[0]
        with open(os.path.join(DOWNLOADS, name), "rb") as file:
            return file.read(), name

    def write(self, name, data):
        path = os.path.join(WORK, name)
        with open(path, "wb") as file:
            file.write(data)
        return path

    def test_files_convert_as_flg2scn_cli_converts_them(self):
        blue, red = b"<100 200 40>", b"<1024 512 96>"
        rows = [  # name, bytes, shown in the text area after the load, message of Convert
            ("harbour.flg", b"#Harbour\r\n" + blue + b"\r\n" + red + b"\r\n", None, None),
            ("hafen.flg", b"#Gr\xf6\xdfe \x80\r\n" + blue + b"\r\n" + red, None, None),
            ("lf.flg", b"#A\n" + blue + b"\n" + red + b"\n", "#A\u240a", ("Error", "warning",
                "Incorrect number of flag locations.")),
            ("cr.flg", b"#A\r" + blue + b"\r" + red, "#A\n<", None),
            ("nul.flg", b"#A\0\r\n" + blue + b"\r\n" + red + b"\r\n", "#A\u2400\n", None),
            ("empty.flg", b"", "", ("Error", "error", "Nothing to convert!")),
        ]
        for name, data, shown, told in rows:
            with self.subTest(name):
                path = self.write(name, data)
                cli = subprocess.run([CLI, "-o", "-", path], capture_output=True)
                self.load(path)
                if shown is not None:
                    self.assertTrue(self.text().startswith(shown), self.text())
                self.driver.find_element(By.ID, "mnuConvert").click()
                if told:
                    self.assertEqual(poll(self.message), list(told))
                    self.assertNotEqual(cli.returncode, 0)
                    self.assertIn(told[2], cli.stderr.decode())
                    self.dismiss()
                    continue
                self.assertTrue(self.text().startswith("SCENARIO"))
                self.assertEqual(self.save(), (cli.stdout, name[:-4] + ".scn"))

    def test_files_that_do_not_load_or_save(self):
        big = os.path.join(WORK, "big.flg")
        with open(big, "wb") as file:
            file.truncate((64 << 20) + 1)
        self.load(big)
        self.assertEqual(self.message(), ["Error", "error",
                                          "Cannot read file big.flg:\nthe file is larger than 64 MiB."])
        self.dismiss(Keys.ESCAPE)
        self.assertEqual(self.text(), "before")
        self.driver.find_element(By.ID, "Text1").send_keys(Keys.CONTROL, "a")
        self.driver.find_element(By.ID, "Text1").send_keys("#\u4e00")
        self.driver.find_element(By.ID, "Text1").send_keys(Keys.CONTROL, "s")
        self.assertEqual(poll(self.message)[2], "Cannot write file big.scn:\nline 1, column 2: "
                         "the character U+4E00 has no place in the Windows-1252 code page.")

    def test_about_drops_keys_undo_and_leaving(self):
        text1 = self.driver.find_element(By.ID, "Text1")
        text1.send_keys(Keys.ALT, "a")
        self.assertEqual(self.message(), ["About", "information",
                                          "Program by Tovrin.\nMany thanks to Greyfallow for his help."])
        self.dismiss()
        drop = """const transfer = new DataTransfer();
            for (const name of arguments[0]) transfer.items.add(new File(['#H\\r\\n<1 2 3>\\r\\n<4 5 6>'], name));
            document.getElementById('Text1').dispatchEvent(new DragEvent('drop', {dataTransfer: transfer, bubbles: true}));"""
        self.js(drop, ["a.flg", "b.flg"])
        self.assertEqual(poll(self.message), ["Error", "warning",
            "Only one file can be loaded at a time.\nPlease drop a single .FLG file."])
        self.dismiss()
        self.js(drop, ["one.flg"])
        loaded = poll(self.text)
        self.assertEqual(loaded, "#H\n<1 2 3>\n<4 5 6>\n")
        text1.send_keys(Keys.ALT, "c")
        self.assertTrue(poll(lambda: self.text().startswith("SCENARIO \"H (CTB)\"")))
        text1.send_keys(Keys.CONTROL, "z")
        self.assertEqual(self.text(), loaded)
        self.assertTrue(self.asks_on_leaving())
        self.assertEqual(self.save((Keys.ALT, "f"), (Keys.ARROW_DOWN,), (Keys.ENTER,))[1], "one.scn")
        self.assertFalse(self.asks_on_leaving())

    def test_text_area_keys_mouse_and_clipboard(self):
        """The text area edits the text as it is: keys, clicks and the clipboard go
        to the text's editor, and a control character is drawn as its symbol while
        a symbol typed stays a character of its own."""
        self.load(self.write("keys.flg", b"#A\0B\r\n<1 2 3>\r\n<4 5 6>\r\n"))
        self.assertEqual(self.text(), "#A\u2400B\n<1 2 3>\n<4 5 6>\n")
        self.assertEqual(self.js("return Array.from(document.querySelectorAll('#rows .control'),"
                                 " (symbol) => symbol.dataset.name)"), ["00"])
        rows = [  # keys, a chord each, and the text drawn after them
            ([(Keys.END,), ("x",)], "#A\u2400Bx\n<1 2 3>"),
            ([(Keys.CONTROL, "z")], "#A\u2400B\n<1 2 3>"),
            ([(Keys.DOWN,), (Keys.END,), (Keys.CONTROL, Keys.LEFT), (Keys.SHIFT, Keys.RIGHT),
              ("9",)], "#A\u2400B\n<1 2 9>"),
            ([(Keys.CONTROL, Keys.END), (Keys.BACKSPACE,), (Keys.UP,), (Keys.HOME,),
              (Keys.DELETE,)], "#A\u2400B\n1 2 9>\n<4 5 6>"),
            ([(Keys.CONTROL, Keys.HOME), (Keys.ENTER,)], "\n#A\u2400B"),
            ([(Keys.CONTROL, "a"), (Keys.CONTROL, "c"), (Keys.CONTROL, Keys.END),
              (Keys.CONTROL, "v")], "\n#A\u2400B\n1 2 9>\n<4 5 6>\n#A"),
            ([(Keys.CONTROL, "a"), (Keys.DELETE,), ("\u240a#",)], "\u240a#"),
        ]
        for chords, drawn in rows:
            with self.subTest(chords=chords):
                for chord in chords:
                    self.type(*chord)
                self.assertTrue(self.text().startswith(drawn), self.text())
        self.assertEqual(self.js("return document.querySelectorAll('#rows .control').length"), 0)
        self.type(Keys.CONTROL, "s")
        self.assertEqual(poll(self.message)[2], "Cannot write file keys.scn:\nline 1, column 1: "
                         "the character U+240A has no place in the Windows-1252 code page.")
        self.dismiss()
        # Pasted line breaks of any kind break the line.
        self.js("""const data = new DataTransfer(); data.setData('text/plain', 'a\\nb\\rc');
                   document.getElementById('Text1').dispatchEvent(
                     new ClipboardEvent('paste', {clipboardData: data, bubbles: true}));""")
        self.assertEqual(self.text(), "\u240a#a\nb\nc")
        # A click puts the caret at the character nearest to it; two select a word.
        click = """const row = document.querySelectorAll('#rows .row')[arguments[0]];
            const box = row.getBoundingClientRect(), width = box.width / row.textContent.length;
            for (const type of ['mousedown', 'mouseup'])
              row.dispatchEvent(new MouseEvent(type, {bubbles: true, detail: arguments[2],
                clientX: box.left + width * arguments[1], clientY: box.top + 2}));"""
        self.js(click, 0, 0.9, 1)
        self.type("-")
        self.assertEqual(self.text(), "\u240a-#a\nb\nc")
        self.js(click, 0, 3.2, 2)
        self.type("w")
        self.assertEqual(self.text(), "\u240a-#w\nb\nc")

    def test_mac_keys(self):
        """On a Mac, Command and an arrow go to the ends, Option and an arrow by words."""
        browser = self.js("return navigator.userAgent")
        self.driver.execute_cdp_cmd("Emulation.setUserAgentOverride",
                                    {"userAgent": "Mozilla/5.0 (Macintosh)", "platform": "MacIntel"})
        try:
            self.setUp()
            self.type("one two\uE007three")
            rows = [  # keys, a chord each, and the text drawn after them
                ([(Keys.COMMAND, Keys.ARROW_UP), ("<",)], "<one two\nthree"),
                ([(Keys.COMMAND, Keys.ARROW_RIGHT), ("!",)], "<one two!\nthree"),
                ([(Keys.ALT, Keys.ARROW_LEFT), ("_",)], "<one _two!\nthree"),
                ([(Keys.COMMAND, Keys.ARROW_DOWN), (Keys.ALT, Keys.BACKSPACE)], "<one _two!\n"),
            ]
            for chords, drawn in rows:
                with self.subTest(chords=chords):
                    for chord in chords:
                        self.type(*chord)
                    self.assertEqual(self.text(), drawn)
        finally:
            self.driver.execute_cdp_cmd("Emulation.setUserAgentOverride", {"userAgent": browser})

    def test_big_texts_scroll_and_copy(self):
        """Only the rows in sight are drawn; a copy of megabytes reaches the clipboard."""
        line = b"<1 2 3> a note that makes the line long\r\n"
        count = 3 * (1 << 20) // len(line)
        self.load(self.write("big.flg", b"#Big\r\n" + line * count))
        self.assertLess(self.js("return document.querySelectorAll('#rows .row').length"), 200)
        self.type(Keys.CONTROL, Keys.END)
        self.assertTrue(self.text().endswith("long\n"), self.text()[-80:])
        self.type(Keys.CONTROL, "a")
        self.type(Keys.CONTROL, "c")
        self.type(Keys.CONTROL, Keys.END)
        self.type(Keys.CONTROL, "v")
        poll(lambda: self.js("return Module._page_rows()") == 2 * (count + 1) + 1)
        self.type(Keys.CONTROL, Keys.HOME)
        self.type(Keys.PAGE_DOWN)
        self.assertTrue(self.text().startswith(line.decode()[:-2]), self.text()[:80])

    def test_save_picker(self):
        """Where the browser has a save picker, Save writes through the file it
        gives, offering the loaded file's name; a write that fails is told."""
        picker = """window.showSaveFilePicker = async (options) => {
            window.offered = options.suggestedName;
            return {name: 'picked.scn', createWritable: async () => {
              if (arguments[0]) throw new Error('the disk is full');
              return {write: async (bytes) => { window.written = Array.from(bytes); },
                      close: async () => {}};
            }};
          };"""
        path = self.write("pick.flg", b"#P\r\n<1 2 3>\r\n<4 5 6>\r\n")
        expected = subprocess.run([CLI, "-o", "-", path], capture_output=True).stdout
        for fails in (False, True):
            with self.subTest(fails=fails):
                self.load(path)
                self.driver.find_element(By.ID, "mnuConvert").click()
                self.js(picker, fails)
                self.driver.find_element(By.ID, "Text1").send_keys(Keys.CONTROL, "s")
                if fails:
                    self.assertEqual(poll(self.message), ["Error", "error",
                                     "Cannot write file picked.scn:\nthe disk is full."])
                    self.dismiss()
                else:
                    self.assertEqual(bytes(poll(lambda: self.js("return window.written"))), expected)
                self.assertEqual(self.js("return window.offered"), "pick.scn")
                self.assertEqual(self.asks_on_leaving(), fails)

    def test_from_a_web_server(self):
        """The page from a static server on this machine: it asks it for nothing more."""
        asked = []

        class Handler(http.server.SimpleHTTPRequestHandler):
            def do_GET(self):
                asked.append(self.path)
                super().do_GET()

            def log_message(self, *args):
                pass

        server = http.server.ThreadingHTTPServer(
            ("127.0.0.1", 0), functools.partial(Handler, directory=os.path.dirname(PAGE)))
        threading.Thread(target=server.serve_forever, daemon=True).start()
        offline = {"latency": 0, "downloadThroughput": -1, "uploadThroughput": -1}
        try:
            self.driver.execute_cdp_cmd("Network.emulateNetworkConditions", {**offline, "offline": False})
            self.driver.get(f"http://127.0.0.1:{server.server_address[1]}/{os.path.basename(PAGE)}")
            poll(lambda: self.js("return document.body.dataset.ready"))
            self.driver.find_element(By.ID, "mnuAbout").click()
            self.assertEqual(poll(self.message)[0], "About")
        finally:
            self.driver.execute_cdp_cmd("Network.emulateNetworkConditions", {**offline, "offline": True})
            server.shutdown()
        self.assertEqual([path for path in asked if path != "/favicon.ico"],
                         ["/" + os.path.basename(PAGE)])

    def test_no_request_leaves_the_page(self):
        self.driver.find_element(By.ID, "mnuAbout").click()
        poll(self.message)
        for entry in self.driver.get_log("performance"):
            message = json.loads(entry["message"])["message"]
            if message["method"] == "Network.requestWillBeSent":
                url = message["params"]["request"]["url"]
                self.assertRegex(url, r"^(file|data|blob):", url)


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1], verbosity=2)
