// The text area "Text1" as drawn: the rows of the text that are in sight, the
// caret and the selection, from the text editor in C++ (page_text_exports.cpp),
// where the text lives as it is. Text1 itself is a textarea kept empty at the
// caret, which takes the keys (text_input.js).
"use strict";

Module.textView = (() => {
  const $ = (id) => document.getElementById(id);
  const call = (name, ...args) => Module["_" + name](...args);
  // Browsers cap an element's height (Firefox near 18 million pixels); a text of
  // more rows than fit scrolls in proportion to the scroll bar.
  const kMaxHeight = 8e6;
  let view, spacer, marks, rows, caret, text1;
  let lineHeight = 18, charWidth = 9;
  let drawn = new Map();  // row -> its element, for the rows in sight
  let drawnEdits = -1;  // the text's edits when they were drawn
  let framePending = false;
  let drawnTop = -1;  // the view's scrollTop when it was last drawn

  function unitsAt(at, length) {
    const heap = Module.HEAPU16.subarray(at >> 1, (at >> 1) + length);
    let text = "";
    for (let i = 0; i < length; i += 8192) {
      text += String.fromCharCode.apply(null, heap.subarray(i, Math.min(length, i + 8192)));
    }
    return text;
  }

  // The rows, the row at the top of the view (with its fraction) and how many fit.
  function geometry() {
    const count = call("page_rows");
    const fit = view.clientHeight / lineHeight;
    const height = Math.min(count * lineHeight, kMaxHeight);
    const range = height - view.clientHeight;
    const top = range > 0 ? (view.scrollTop / range) * (count - fit) : 0;
    return { count, fit, top, height, range };
  }

  // One row's characters. A control character is its symbol in an element of its
  // own, which draws the control's name instead ("CR", "LF", "00"), as the windows
  // do: few fonts have the symbols.
  function rowElement(row, y) {
    const element = document.createElement("div");
    element.className = "row";
    element.style.top = y + "px";
    const length = call("page_row", row);
    const text = unitsAt(call("page_units"), length);
    const at = call("page_marks");
    const controls = Module.HEAPU8.slice(at, at + length);  // a copy: a name may grow the memory
    if (!controls.includes(1)) {
      element.textContent = text;
      return element;
    }
    let start = 0;
    for (let i = 0; i <= length; ++i) {
      if (i < length && !controls[i]) continue;
      if (i > start) element.append(text.slice(start, i));
      if (i < length) {
        const symbol = document.createElement("span");
        symbol.className = "control";
        symbol.textContent = text[i];
        symbol.dataset.name = controlName(text.charCodeAt(i));
        element.append(symbol);
      }
      start = i + 1;
    }
    return element;
  }

  const controlNames = new Map();
  function controlName(symbol) {
    if (!controlNames.has(symbol)) {
      controlNames.set(symbol, unitsAt(call("page_units"), call("page_control_name", symbol)));
    }
    return controlNames.get(symbol);
  }

  // Where `column` of a drawn row is, in pixels from the row's start.
  function xOf(element, column) {
    let left = column;
    if (left === 0) return 0;
    const walker = document.createTreeWalker(element, NodeFilter.SHOW_TEXT);
    for (let node = walker.nextNode(); node; node = walker.nextNode()) {
      if (left <= node.length) {
        const range = document.createRange();
        range.setStart(node, left - 1);
        range.setEnd(node, left);
        return range.getBoundingClientRect().right - element.getBoundingClientRect().left;
      }
      left -= node.length;
    }
    return element.getBoundingClientRect().width;
  }

  // The column of a drawn row nearest to `x` pixels from its start.
  function columnAt(element, x) {
    let low = 0;
    let high = element.textContent.length;
    while (low < high) {
      const middle = (low + high) >> 1;
      if (xOf(element, middle) < x) low = middle + 1;
      else high = middle;
    }
    return low > 0 && x - xOf(element, low - 1) < xOf(element, low) - x ? low - 1 : low;
  }

  function draw() {
    framePending = false;
    drawnTop = view.scrollTop;
    const g = geometry();
    spacer.style.height = g.height + "px";
    spacer.style.width = (call("page_widest_row") + 2) * charWidth + "px";
    const first = Math.max(0, Math.floor(g.top));
    const last = Math.min(g.count, Math.ceil(g.top + g.fit) + 1);
    // A row drawn before is kept while the text has had no edit since.
    const edits = call("page_edits");
    const kept = edits === drawnEdits ? drawn : new Map();
    drawnEdits = edits;
    drawn = new Map();
    const fragment = document.createDocumentFragment();
    for (let row = first; row < last; ++row) {
      const y = view.scrollTop + (row - g.top) * lineHeight;
      const element = kept.get(row) || rowElement(row, y);
      element.style.top = y + "px";
      drawn.set(row, element);
      fragment.append(element);
    }
    rows.replaceChildren(fragment);
    drawSelection();
    drawCaret();
  }

  function drawSelection() {
    let start = { row: call("page_caret", 0), column: call("page_caret", 1) };
    let end = { row: call("page_caret", 2), column: call("page_caret", 3) };
    if (end.row < start.row || (end.row === start.row && end.column < start.column)) {
      const first = end;
      end = start;
      start = first;
    }
    const boxes = document.createDocumentFragment();
    // No destructuring in for-of here: emscripten's minifier breaks it.
    drawn.forEach((element, row) => {
      if (row < start.row || row > end.row || (start.row === end.row && start.column === end.column)) {
        return;
      }
      const left = row === start.row ? xOf(element, start.column) : 0;
      const right = row === end.row ? xOf(element, end.column)
                                    : xOf(element, element.textContent.length) + charWidth / 2;
      const box = document.createElement("div");
      box.className = "selection";
      box.style.cssText = `top:${element.style.top};left:${left}px;width:${right - left}px`;
      boxes.append(box);
    });
    marks.replaceChildren(boxes);
  }

  // The caret, and Text1 under it; where the caret is out of sight, Text1 stays
  // in sight so that the browser does not scroll to it.
  function drawCaret() {
    const element = drawn.get(call("page_caret", 0));
    const x = element ? xOf(element, call("page_caret", 1)) : view.scrollLeft;
    const y = element ? element.style.top : view.scrollTop + "px";
    caret.hidden = !element;
    caret.style.left = text1.style.left = x + "px";
    caret.style.top = text1.style.top = y;
  }

  // After a key or a click: the caret's row and column brought into view.
  function showCaret() {
    const g = geometry();
    spacer.style.height = g.height + "px";
    const row = call("page_caret", 0);
    let top = g.top;
    if (row < top) top = row;
    else if (row + 1 > top + g.fit) top = row + 1 - g.fit;
    if (top !== g.top) view.scrollTop = g.count > g.fit ? (top * g.range) / (g.count - g.fit) : 0;
    draw();
    const x = parseFloat(caret.style.left);
    if (x < view.scrollLeft) view.scrollLeft = Math.max(0, x - view.clientWidth / 3);
    else if (x > view.scrollLeft + view.clientWidth - charWidth) view.scrollLeft = x - view.clientWidth + 4 * charWidth;
  }

  function textChanged(fromStart) {
    if (fromStart) {
      view.scrollTop = 0;
      view.scrollLeft = 0;
    }
    draw();
  }

  // The place under the mouse: the row from the rows' height, the column from the
  // drawn characters (from their width where the row is not drawn).
  function placeAt(event) {
    const g = geometry();
    const box = view.getBoundingClientRect();
    const y = event.clientY - box.top - view.clientTop;
    const row = Math.max(0, Math.min(g.count - 1, Math.floor(g.top + y / lineHeight)));
    const x = event.clientX - rows.getBoundingClientRect().left;
    const element = drawn.get(row);
    return { row, column: element ? columnAt(element, x) : Math.max(0, Math.round(x / charWidth)) };
  }

  function start() {
    view = $("view");
    spacer = $("spacer");
    marks = $("marks");
    rows = $("rows");
    caret = $("caret");
    text1 = $("Text1");
    const probe = document.createElement("div");
    probe.className = "row";
    probe.textContent = "M".repeat(64);
    rows.append(probe);
    charWidth = probe.getBoundingClientRect().width / 64 || charWidth;
    lineHeight = probe.getBoundingClientRect().height || lineHeight;
    probe.remove();
    text1.addEventListener("focus", () => view.classList.add("focused"));
    text1.addEventListener("blur", () => view.classList.remove("focused"));
    const redraw = () => {
      if (!framePending) requestAnimationFrame(draw);
      framePending = true;
    };
    // The rows stand where the text puts them: a scroll sideways, or one that
    // a key's drawing made already, needs no drawing.
    view.addEventListener("scroll", () => {
      if (view.scrollTop !== drawnTop) redraw();
    });
    window.addEventListener("resize", redraw);
    draw();
  }

  return { start, textChanged, showCaret, geometry, placeAt, unitsAt, view: () => view };
})();
