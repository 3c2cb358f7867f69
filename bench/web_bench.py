#!/usr/bin/python3
"""Times the page with big texts in headless Chromium, and its core under node.

Usage: web_bench.py PAGE CORE_BENCH FLG2SCN_CLI WORK_DIR

Loads a 5 MB flag file with LF line ends and a 30 MB one with CR LF through
CommonDialog1, then presses each key ten times and prints the slowest: the
time from the key's event to the next frame the page draws. Then the load and
a Convert of each, to the next frame as well. Last, a 100 MB flag file
converted by the core under node (CORE_BENCH, the fastest of five) and by
flg2scn-cli (the fastest of five whole runs).
"""
import os
import subprocess
import sys
import time

from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "tests", "web"))
import headless_chromium  # noqa: E402

PAGE, CORE_BENCH, CLI, WORK = (os.path.abspath(arg) for arg in sys.argv[1:5])

# Records, for each key event, the time until the frame after it.
TIMING = """
window.keyTimes = [];
document.addEventListener('keydown', (event) => {
  const start = performance.now();
  requestAnimationFrame(() => setTimeout(() => window.keyTimes.push(performance.now() - start), 0));
}, true);
"""
KEYS = [("End", [Keys.END]), ("Ctrl+End", [Keys.CONTROL, Keys.END]), ("typing", ["x"]),
        ("Left", [Keys.LEFT]), ("Ctrl+A", [Keys.CONTROL, "a"]), ("Ctrl+C", [Keys.CONTROL, "c"]),
        ("Right", [Keys.RIGHT])]


def flag_file(path, megabytes, line_end):
    """A flag file padded with notes to `megabytes`."""
    line = b"  a note in the flag file, not a flag line" + line_end
    with open(path, "wb") as file:
        file.write(line_end.join([b"#Harbour", b"<100 200 40>", b"<1024 512 96>", b""]))
        file.write(line * (megabytes * 1000000 // len(line)))


def core_against_cli():
    path = os.path.join(WORK, "100mb.flg")
    flag_file(path, 100, b"\r\n")
    node = subprocess.run(["node", "--no-experimental-fetch", CORE_BENCH, path],
                          capture_output=True, text=True, check=True).stdout
    runs = []
    for _ in range(5):
        start = time.monotonic()
        subprocess.run([CLI, "-o", os.devnull, path], check=True)
        runs.append((time.monotonic() - start) * 1000)
    print(f"\n100 MB flag file, core under node:\n{node}flg2scn-cli: {min(runs):.0f} ms")


def wait(what, seconds=120):
    deadline = time.monotonic() + seconds
    while not what():
        if time.monotonic() > deadline:
            raise SystemExit("timed out")
        time.sleep(0.005)


def main():
    driver = headless_chromium.start(WORK)
    driver.set_script_timeout(120)
    js = driver.execute_script
    frame = "const done = arguments[0]; requestAnimationFrame(() => setTimeout(done, 0));"
    print("| text | step | ms (slowest of 10 for keys) |\n|---|---|---|")
    try:
        for label, megabytes, line_end in (("5 MB, LF", 5, b"\n"), ("30 MB, CR LF", 30, b"\r\n")):
            path = os.path.join(WORK, "big.flg")
            flag_file(path, megabytes, line_end)
            driver.get("file://" + PAGE)
            wait(lambda: js("return document.body.dataset.ready"))
            start = time.monotonic()
            driver.find_element(By.ID, "CommonDialog1").send_keys(path)
            wait(lambda: js("return document.querySelector('#rows .row').textContent.length > 0"))
            driver.execute_async_script(frame)
            print(f"| {label} | Load | {(time.monotonic() - start) * 1000:.0f} |")
            js(TIMING)
            text1 = driver.find_element(By.ID, "Text1")
            for name, keys in KEYS:
                js("window.keyTimes = []")
                for _ in range(10):
                    text1.send_keys(*keys)
                wait(lambda: js("return window.keyTimes.length") >= 10 * len(keys))
                print(f"| {label} | {name} | {max(js('return window.keyTimes')):.0f} |")
            text1.send_keys(Keys.CONTROL, Keys.HOME)
            start = time.monotonic()
            driver.find_element(By.ID, "mnuConvert").click()
            driver.execute_async_script(frame)
            print(f"| {label} | Convert | {(time.monotonic() - start) * 1000:.0f} |")
    finally:
        driver.quit()
    core_against_cli()


if __name__ == "__main__":
    main()
