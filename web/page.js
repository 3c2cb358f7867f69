// The page's drawing: the menu from the commands' table, the text area, message
// boxes, the file picker, drops, downloads. What each command does is decided in
// the C++ commands (page_exports.cpp); this file only hands them the user's
// files and shows what they give back.
"use strict";

Module.page = (() => {
  const $ = (id) => document.getElementById(id);
  const call = (name, ...args) => Module["_" + name](...args);
  const encoder = new TextEncoder();
  const decoder = new TextDecoder();
  let text1;

  // A JavaScript string as a NUL-ended UTF-8 string in the module's memory,
  // for the length of `use`.
  function withUtf8(text, use) {
    const bytes = encoder.encode(text);
    const at = Module._malloc(bytes.length + 1);
    Module.HEAPU8.set(bytes, at);
    Module.HEAPU8[at + bytes.length] = 0;
    try {
      return use(at);
    } finally {
      Module._free(at);
    }
  }
  function utf8At(at) {
    const heap = Module.HEAPU8;
    let end = at;
    while (heap[end] !== 0) ++end;
    return decoder.decode(heap.subarray(at, end));
  }
  // Message boxes, one at a time, in the order told.
  const icons = { error: "\u26D4", warning: "\u26A0\uFE0F", information: "\u2139\uFE0F" };
  const waiting = [];
  function tell(text, title, icon) {
    waiting.push({ text, title, icon });
    if (!$("MsgBox").open) showNextMessage();
  }
  function showNextMessage() {
    const message = waiting.shift();
    if (!message) {
      text1.focus();
      return;
    }
    const box = $("MsgBox");
    $("MsgBoxTitle").textContent = message.title;
    box.dataset.icon = message.icon;
    box.querySelector(".icon").textContent = icons[message.icon];
    box.querySelector(".text").textContent = message.text.replace(/\r\n/g, "\n");
    box.showModal();
    box.querySelector("button").focus();
  }

  // Files handed to Load: the first one's bytes unless it is too big.
  async function load(files) {
    if (files.length === 0) return;
    const first = files[0];
    const names = Array.from(files, (file) => file.name).join("/");
    let bytes = null;
    if (files.length === 1 && first.size <= call("page_max_bytes")) {
      bytes = new Uint8Array(await first.arrayBuffer());
    }
    const at = bytes ? Module._malloc(Math.max(bytes.length, 1)) : 0;
    if (bytes) Module.HEAPU8.set(bytes, at);
    withUtf8(names, (namesAt) => call("page_load", namesAt, first.size, at, bytes ? bytes.length : 0));
  }

  // Save: the browser's save picker where there is one, else a download.
  async function save() {
    if (!call("page_can_save")) return;
    const offered = utf8At(call("page_save_name"));
    if (typeof window.showSaveFilePicker === "function") {
      let handle;
      try {
        handle = await window.showSaveFilePicker({
          suggestedName: offered,
          types: [{ description: "Scenario File", accept: { "application/octet-stream": [".scn"] } }],
        });
      } catch (error) {
        if (error.name === "AbortError") return;
        throw error;
      }
      if (!withUtf8(handle.name, (at) => call("page_save", at))) return;
      try {
        const writable = await handle.createWritable();
        await writable.write(savedBytes());
        await writable.close();
      } catch (error) {
        withUtf8(handle.name, (nameAt) => withUtf8(error.message, (reasonAt) =>
          call("page_save_failed", nameAt, reasonAt)));
      }
      return;
    }
    if (!withUtf8(offered, (at) => call("page_save", at))) return;
    const link = document.createElement("a");
    link.href = URL.createObjectURL(new Blob([savedBytes()], { type: "application/octet-stream" }));
    link.download = offered;
    document.body.append(link);
    link.click();
    link.remove();
    setTimeout(() => URL.revokeObjectURL(link.href), 60000);
  }
  function savedBytes() {
    const at = call("page_saved_bytes");
    return Module.HEAPU8.slice(at, at + call("page_saved_length"));
  }

  // The menu, drawn from the commands' table. Exit is the browser's: closing the
  // tab or window, which asks first when the text is changed.
  const kLoad = 1, kSave = 2, kConvert = 5, kAbout = 6, kFileMenu = 0;
  const entries = {};
  function run(action) {
    closeFileMenu();
    if (action === kLoad) {
      $("CommonDialog1").value = "";
      $("CommonDialog1").click();
    } else if (action === kSave) {
      save();
    } else if (action === kConvert || action === kAbout) {
      call("page_run", action);
    }
  }
  function captionNodes(caption) {
    const at = caption.indexOf("&");
    if (at < 0) return [document.createTextNode(caption)];
    const key = document.createElement("u");
    key.textContent = caption[at + 1];
    return [document.createTextNode(caption.slice(0, at)), key, document.createTextNode(caption.slice(at + 2))];
  }
  function buildMenu() {
    const bar = $("menubar");
    const fileMenu = document.createElement("div");
    fileMenu.id = "fileMenu";
    fileMenu.setAttribute("role", "menu");
    fileMenu.hidden = true;
    for (const entry of JSON.parse(utf8At(call("page_menu")))) {
      if (![kFileMenu, kLoad, kSave, kConvert, kAbout].includes(entry.action)) continue;
      const button = document.createElement("button");
      button.id = entry.name;
      button.type = "button";
      button.setAttribute("role", "menuitem");
      const at = entry.caption.indexOf("&");
      entry.key = at >= 0 ? entry.caption[at + 1].toUpperCase() : "";
      if (entry.shortcut) {
        const label = document.createElement("span");
        label.append(...captionNodes(entry.caption));
        const hint = document.createElement("span");
        hint.className = "shortcut";
        hint.textContent = entry.shortcut;
        button.append(label, hint);
        button.setAttribute("aria-keyshortcuts", entry.shortcut.replace("Ctrl", "Control"));
      } else {
        button.append(...captionNodes(entry.caption));
      }
      entries[entry.name] = entry;
      if (entry.inFileMenu) {
        fileMenu.append(button);
        button.addEventListener("click", () => run(entry.action));
      } else {
        const holder = document.createElement("div");
        holder.className = "entry";
        holder.append(button);
        bar.append(holder);
        if (entry.action === kFileMenu) {
          holder.append(fileMenu);
          button.setAttribute("aria-haspopup", "menu");
          button.setAttribute("aria-expanded", "false");
          button.addEventListener("click", () => (fileMenu.hidden ? openFileMenu() : closeFileMenu()));
        } else {
          button.addEventListener("click", () => run(entry.action));
        }
      }
    }
  }
  function openFileMenu() {
    $("fileMenu").hidden = false;
    $("mnuFile").setAttribute("aria-expanded", "true");
    $("fileMenu").querySelector("button").focus();
  }
  function closeFileMenu() {
    if (!$("fileMenu") || $("fileMenu").hidden) return;
    $("fileMenu").hidden = true;
    $("mnuFile").setAttribute("aria-expanded", "false");
    text1.focus();
  }

  // Keys: Alt and an access key, a letter or the arrows in the open File menu, and
  // the shortcuts. A Mac's Option key changes the letter
  // (Option+F gives "ƒ"), so a letter is read from the key's place; its
  // Command key stands for Ctrl.
  function onKey(event) {
    if ($("MsgBox").open) return;
    const letter = /^Key[A-Z]$/.test(event.code) ? event.code[3] : null;
    const key = letter || (event.key.length === 1 ? event.key.toUpperCase() : event.key);
    const ctrl = event.ctrlKey || event.metaKey;
    const menuOpen = !$("fileMenu").hidden;
    const pick = (inFileMenu) =>
      Object.values(entries).find((entry) => entry.inFileMenu === inFileMenu && entry.key === key);
    let entry = null;
    if (menuOpen && key === "Escape") {
      closeFileMenu();
    } else if (menuOpen && (key === "ArrowDown" || key === "ArrowUp")) {
      const items = Array.from($("fileMenu").querySelectorAll("button"));
      const at = items.indexOf(document.activeElement) + (key === "ArrowDown" ? 1 : -1);
      items[(at + items.length) % items.length].focus();
    } else if (menuOpen && !ctrl && (entry = pick(true))) {
      run(entry.action);
    } else if (event.altKey && !ctrl && (entry = pick(false))) {
      entry.action === kFileMenu ? openFileMenu() : run(entry.action);
    } else if (ctrl && !event.altKey && !event.shiftKey &&
               (entry = Object.values(entries).find((e) => e.shortcut === "Ctrl+" + key))) {
      run(entry.action);
    } else {
      return;
    }
    event.preventDefault();
  }

  function start() {
    text1 = $("Text1");
    const caption = utf8At(call("page_caption"));
    document.title = caption;
    $("caption").textContent = caption;
    buildMenu();
    Module.textInput.start();
    document.addEventListener("keydown", onKey);
    document.addEventListener("click", (event) => {
      if (!event.target.closest(".entry")) closeFileMenu();
    });
    $("CommonDialog1").addEventListener("change", (event) => load(event.target.files));
    $("MsgBox").addEventListener("close", showNextMessage);
    document.addEventListener("dragover", (event) => {
      if (event.dataTransfer.types.includes("Files")) event.preventDefault();
    });
    document.addEventListener("drop", (event) => {
      event.preventDefault();
      load(event.dataTransfer.files);
    });
    window.addEventListener("beforeunload", (event) => {
      if (call("page_should_ask_to_save")) {
        event.preventDefault();
        event.returnValue = "";
      }
    });
    document.body.dataset.ready = "true";
    text1.focus();
  }

  Module.onRuntimeInitialized = start;
  return { tell };
})();
