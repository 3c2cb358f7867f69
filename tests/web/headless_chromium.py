"""Debian's Chromium, headless, driven through its driver, for the page's test
and benchmark."""
import os
import shutil

from selenium import webdriver
from selenium.webdriver.chrome.service import Service


def start(work_dir, logs=None):
    """A new browser with its profile in `work_dir`, which is made anew; `logs`
    names the logs to keep (goog:loggingPrefs)."""
    shutil.rmtree(work_dir, ignore_errors=True)
    os.makedirs(work_dir)
    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    # No sandbox, as root has none; nothing of the browser's own that would go
    # to the network.
    for arg in ("--headless=new", "--no-sandbox", "--disable-gpu", "--no-first-run",
                "--disable-background-networking", "--disable-component-update",
                "--disable-sync", "--user-data-dir=" + os.path.join(work_dir, "profile")):
        options.add_argument(arg)
    if logs:
        options.set_capability("goog:loggingPrefs", logs)
    return webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
