// The text area "Text1" as it takes the user's keys, typing, clipboard and
// mouse, each handed to the text editor in C++ (page_text_exports.cpp), after
// which the text area is drawn again (text_view.js). Text1 is a textarea kept
// empty at the caret: it takes the keys, the typed text and what an input method
// composes, which it shows while it is composed.
"use strict";

Module.textInput = (() => {
  const call = (name, ...args) => Module["_" + name](...args);
  const textView = Module.textView;
  let text1;
  let dragging = false;

  function type(text, pasted) {
    const at = Module._malloc(Math.max(text.length, 1) * 2);
    for (let i = 0; i < text.length; ++i) Module.HEAPU16[(at >> 1) + i] = text.charCodeAt(i);
    call("page_type", at, text.length, pasted ? 1 : 0);
    textView.showCaret();
  }
  function act(name, ...args) {
    call(name, ...args);
    textView.showCaret();
  }
  // The keys by their flg2scn::Key, the letters by the key's place on the
  // keyboard, so that they act whatever the layout types.
  const keyNames = ["ArrowLeft", "ArrowRight", "ArrowUp", "ArrowDown", "PageUp", "PageDown",
                    "Home", "End", "Backspace", "Delete", "Insert", "Enter"];
  const letterCodes = ["KeyA", "KeyC", "KeyV", "KeyX", "KeyY", "KeyZ"];
  const mac = /^(Mac|iPhone|iPad)/.test(navigator.platform);
  // What each key does is the C++ side's (a Mac's keys on a Mac); Page Up and
  // Page Down also scroll the view by the rows that the caret moves.
  function onKeyDown(event) {
    if (event.isComposing || event.keyCode === 229) return;
    const letter = letterCodes.indexOf(event.code);
    const key = letter >= 0 ? keyNames.length + letter : keyNames.indexOf(event.key);
    if (key < 0) return;
    const held = (event.ctrlKey ? 1 : 0) | (event.shiftKey ? 2 : 0) | (event.altKey ? 4 : 0) |
                 (event.metaKey ? 8 : 0);
    // Only a page's move needs the view's size, which may cost a layout.
    const paging = { PageUp: -1, PageDown: 1 }[event.key];
    const g = paging ? textView.geometry() : null;
    const page = g ? Math.max(1, Math.floor(g.fit) - 1) : 1;
    if (!call("page_key", key, held, mac ? 1 : 0, page)) return;
    event.preventDefault();
    if (paging && g.count > g.fit) {
      const top = Math.max(0, g.top + paging * page);
      textView.view().scrollTop = (top * g.range) / (g.count - g.fit);
    }
    textView.showCaret();
  }

  // What the browser would put in Text1: typed text, and edits from elsewhere
  // (a phone's keyboard, the browser's Edit menu).
  function onBeforeInput(event) {
    const edits = {
      insertText: () => type(event.data || "", false),
      insertReplacementText: () => type(event.dataTransfer ? event.dataTransfer.getData("text/plain") : event.data || "", false),
      insertLineBreak: () => type("\r\n", false),
      insertParagraph: () => type("\r\n", false),
      deleteContentBackward: () => act("page_erase", 0, 0),
      deleteContentForward: () => act("page_erase", 1, 0),
      deleteWordBackward: () => act("page_erase", 0, 1),
      deleteWordForward: () => act("page_erase", 1, 1),
      historyUndo: () => act("page_undo", 0),
      historyRedo: () => act("page_undo", 1),
    };
    if (event.inputType === "insertCompositionText") return;
    if (edits[event.inputType]) edits[event.inputType]();
    if (event.cancelable) event.preventDefault();
  }

  // A big selection goes to the clipboard a part at a time between the page's
  // other work, which a promise of the text lets the clipboard wait for: Ctrl+C
  // of megabytes would otherwise hold up the keys after it.
  const kCopiedAtOnce = 1 << 20;
  let copies = 0;
  function copy(event, cut) {
    event.preventDefault();
    const length = call("page_copy");
    if (length === 0) return;
    if (length <= kCopiedAtOnce || typeof ClipboardItem !== "function" || !navigator.clipboard) {
      event.clipboardData.setData("text/plain", textView.unitsAt(call("page_copied"), length));
    } else {
      navigator.clipboard.write([new ClipboardItem({ "text/plain": copiedText(length) })])
        .catch((error) => console.warn("The text was not copied:", error));
    }
    if (cut) act("page_erase", 0, 0);
  }
  function copiedText(length) {
    const copy = ++copies;
    const parts = [];
    return new Promise((resolve, reject) => {
      const step = (done) => {
        if (copy !== copies) return reject(new Error("copied again"));
        let end = Math.min(length, done + kCopiedAtOnce);
        const last = Module.HEAPU16[(call("page_copied") >> 1) + end - 1];
        if (end < length && last >= 0xd800 && last < 0xdc00) --end;  // a pair stays whole
        parts.push(new Blob([textView.unitsAt(call("page_copied") + 2 * done, end - done)]));
        if (end < length) setTimeout(() => step(end), 0);
        else resolve(new Blob(parts, { type: "text/plain" }));
      };
      setTimeout(() => step(0), 0);
    });
  }

  function onMouseDown(event) {
    const view = textView.view();
    const box = view.getBoundingClientRect();
    const onScrollBar = event.clientX - box.left >= view.clientLeft + view.clientWidth ||
                        event.clientY - box.top >= view.clientTop + view.clientHeight;
    if (event.button !== 0 || onScrollBar) return;
    event.preventDefault();
    text1.focus({ preventScroll: true });
    const place = textView.placeAt(event);
    dragging = event.detail < 2;
    if (dragging) act("page_place", place.row, place.column, event.shiftKey ? 1 : 0);
    else act("page_select_word", place.row, place.column);
  }
  function onMouseMove(event) {
    if (!dragging) return;
    if (!(event.buttons & 1)) {
      dragging = false;
      return;
    }
    const place = textView.placeAt(event);
    act("page_place", place.row, place.column, 1);
  }

  function start() {
    textView.start();
    text1 = document.getElementById("Text1");
    text1.addEventListener("keydown", onKeyDown);
    text1.addEventListener("beforeinput", onBeforeInput);
    text1.addEventListener("compositionstart", () => text1.classList.add("composing"));
    text1.addEventListener("compositionend", (event) => {
      text1.classList.remove("composing");
      text1.value = "";
      type(event.data || "", false);
    });
    text1.addEventListener("input", () => {
      if (!text1.classList.contains("composing")) text1.value = "";
    });
    text1.addEventListener("copy", (event) => copy(event, false));
    text1.addEventListener("cut", (event) => copy(event, true));
    text1.addEventListener("paste", (event) => {
      event.preventDefault();
      type(event.clipboardData.getData("text/plain"), true);
    });
    textView.view().addEventListener("mousedown", onMouseDown);
    document.addEventListener("mousemove", onMouseMove);
    document.addEventListener("mouseup", () => (dragging = false));
  }

  return { start };
})();
