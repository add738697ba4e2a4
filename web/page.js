// The page's side of the program. Form1 is in the page from the start; this script and the
// program, in WebAssembly, take it over once it is on the screen. Every event goes to the program
// in one call, and what it answers (web/batch.h) is carried out here in one go, with plain DOM
// calls. Events that come before the program are kept, and handed over in order once it is there.
"use strict";
(() => {
  const root = document.getElementById("program");
  const form1 = document.getElementById("Form1");
  const boxes = [];         // by field number
  const fields = new Map();  // each box's field number
  for (const box of form1.querySelectorAll("[data-field]")) {
    boxes[Number(box.dataset.field)] = box;
    fields.set(box, Number(box.dataset.field));
  }
  const fieldOf = (element) => fields.get(element) ?? 0;
  const encoder = new TextEncoder();
  const decoder = new TextDecoder();
  let program = null;    // the WebAssembly module, once there
  const waiting = [];    // calls made before then
  let applying = false;  // the program's own writes are under way: their events are no user's
  let away = false;      // the page lost the focus to another window
  let pressing = null;   // the box a press (mouse, finger or pen) is bringing the focus to

  const text = (at, length) => {
    const bytes = program.HEAPU8;
    if (length > 32) return decoder.decode(bytes.subarray(at, at + length));
    let ascii = "";
    for (let i = at; i < at + length; ++i) {
      if (bytes[i] > 127) return decoder.decode(bytes.subarray(at, at + length));
      ascii += String.fromCharCode(bytes[i]);
    }
    return ascii;
  };

  function openDialog(html) {
    root.insertAdjacentHTML("beforeend", html);
    const dialog = root.lastElementChild;
    dialog.querySelector("img")?.setAttribute("src", document.querySelector("link[rel=icon]").href);
    dialog.addEventListener("click", onDialogClick);
    dialog.addEventListener("keydown", onDialogKey);
    dialog.addEventListener("close", onDialogClose);
    dialog.showModal();
    dialog.querySelector("[data-action=close]").focus();
  }

  // Carries out a batch: Text box offset length, Select box start end backward, Show box on,
  // Enable box on, Focus box, Blur box, Dialog offset length, End offset length.
  function apply(outbox) {
    const words = program.HEAP32;
    const at = outbox >> 2;
    const start = words[at] >> 2;
    const end = start + words[at + 1];
    const bytes = words[at + 2];
    applying = true;
    try {
      for (let i = start; i < end;) {
        const box = boxes[words[i + 1]];
        switch (words[i]) {
          case 1: box.value = text(bytes + words[i + 2], words[i + 3]); i += 4; break;
          case 2:
            box.setSelectionRange(words[i + 2], words[i + 3], words[i + 4] ? "backward" : "forward");
            i += 5;
            break;
          case 3: box.hidden = !words[i + 2]; i += 3; break;
          case 4: box.disabled = !words[i + 2]; i += 3; break;
          case 5: box.focus(); i += 2; break;
          case 6: box.blur(); i += 2; break;
          case 7: openDialog(text(bytes + words[i + 1], words[i + 2])); i += 3; break;
          default: root.innerHTML = text(bytes + words[i + 1], words[i + 2]); i = end;
        }
      }
    } finally {
      applying = false;
    }
  }

  // A box's selection as the program counts it: its fixed end, and the cursor.
  const backward = (box) => box.selectionDirection === "backward";
  const anchorOf = (box) => (backward(box) ? box.selectionEnd : box.selectionStart);
  const cursorOf = (box) => (backward(box) ? box.selectionStart : box.selectionEnd);

  // Hands a call to the program with the page's focus as it is now, or keeps it until it is there.
  function send(call) {
    if (!program) {
      waiting.push(call);
      return;
    }
    const focused = document.activeElement;
    const field = fieldOf(focused);
    if (field > 0) {
      program._qvFocusIs(field, anchorOf(focused), cursorOf(focused));
    } else {
      program._qvFocusIs(0, 0, 0);
    }
    apply(call());
  }

  // The user changed a box's text: it goes to the program once, as UTF-8 in its memory. A short
  // text of ASCII, as typing makes, is copied byte by byte.
  let buffer = 0;
  let room = 0;
  function edited(field, value, cursor) {
    send(() => {
      if (value.length * 3 > room) {
        room = Math.max(value.length * 3, 256);
        buffer = program._qvTextBuffer(room);
      }
      const bytes = program.HEAPU8;
      let written = 0;
      while (written < value.length && written < 16) {
        const unit = value.charCodeAt(written);
        if (unit > 127) break;
        bytes[buffer + written++] = unit;
      }
      if (written < value.length) {
        written = encoder.encodeInto(value, bytes.subarray(buffer, buffer + room)).written;
      }
      return program._qvEdited(field, written, cursor);
    });
  }

  // Tab and Shift+Tab wrap around the window's tab stops, as in a desktop window, rather than
  // leave the page for the browser's own controls.
  function wrapTab(event) {
    if (event.key !== "Tab" || event.altKey || event.ctrlKey) return;
    const stops = form1.querySelectorAll('[tabindex="0"]:not(:disabled):not([hidden])');
    if (stops.length === 0) return;
    if (event.target !== stops[event.shiftKey ? 0 : stops.length - 1]) return;
    event.preventDefault();
    stops[event.shiftKey ? stops.length - 1 : 0].focus();
  }

  function onFormEvent(event) {
    if (applying) return;
    const target = event.target;
    const field = fieldOf(target);
    const button = field > 0 ? 0 : Number(target.dataset?.button ?? 0);
    switch (event.type) {
      case "keydown": wrapTab(event); return;
      case "mousedown":
        // A press on the window's face leaves the focus where it is, as on the desktop.
        if (!(field > 0 && !target.disabled) && button === 0) event.preventDefault();
        return;
      case "pointerdown":
        // The press that brings the focus also moves the caret, a finger's after the pointer's
        // events: the sheet's selection wins once the press has become a click.
        pressing = field > 0 && document.activeElement !== target ? target : null;
        return;
      case "focusin": {
        // A focus that comes back with the page's window is no focus move of the sheet.
        const windowSwitch = away ? 1 : 0;
        away = false;
        if (field > 0 || button > 0) send(() => program._qvFocusEntered(field, windowSwitch));
        return;
      }
      case "input":
        edited(field, target.value, cursorOf(target));
        return;
      case "paste": {
        // A paste goes in as the value, as a script writes it: the browser's own editing takes
        // its time over a long text. A one-line box drops line breaks, as the browser does.
        const clip = event.clipboardData?.getData("text/plain");
        if (field === 0 || target.readOnly || target.disabled || clip === undefined) return;
        event.preventDefault();
        const line = target.tagName === "INPUT" ? clip.replace(/[\r\n]/g, "") : clip;
        const value = target.value.slice(0, target.selectionStart) + line +
                      target.value.slice(target.selectionEnd);
        const cursor = target.selectionStart + line.length;
        target.value = value;  // the caret at the end
        if (cursor < value.length) target.setSelectionRange(cursor, cursor);
        edited(field, value, cursor);
        return;
      }
      case "click":
        if (button > 0) {
          send(() => program._qvButtonClicked(button));
        } else if (field > 0 && pressing === target) {
          pressing = null;
          if (document.activeElement === target) send(() => program._qvClickSettled(field));
        }
        return;
    }
  }

  function onDialogClick(event) {
    const action = event.target.dataset?.action;
    if (action === "close") event.target.closest("dialog").close();
    if (action === "sysinfo") send(() => program._qvSysInfo());
  }

  // The program says which button a key presses; the browser's own access keys differ.
  function onDialogKey(event) {
    const key = event.key === "Enter" ? 13 : event.key.length === 1 ? event.key.charCodeAt(0) : 0;
    if (key === 0 || event.ctrlKey || (key !== 13 && !event.altKey)) return;
    const dialog = event.currentTarget;
    const buttons = [...dialog.querySelectorAll("button")];
    const pressed = program._qvDialogKey(dialog.querySelector(".about") ? 1 : 0, key,
                                           event.altKey ? 1 : 0, buttons.indexOf(event.target));
    if (pressed < 0) return;
    event.preventDefault();
    buttons[pressed].click();
  }

  function onDialogClose(event) {
    const about = event.target.querySelector(".about") !== null;
    event.target.remove();
    if (about) send(() => program._qvAboutClosed());
  }

  // The disabled boxes' text: the scheme's grey, made readable on their background.
  function followColourScheme() {
    const probe = form1.appendChild(document.createElement("span"));
    probe.style.color = "GrayText";
    const colour = (element, property) => getComputedStyle(element)[property].match(/\d+/g)
      .slice(0, 3).reduce((packed, part) => (packed << 8) | Number(part), 0);
    const readable = program._qvDisabledText(colour(form1, "backgroundColor"),
                                                colour(probe, "color"), colour(form1, "color"));
    probe.remove();
    form1.style.setProperty("--disabled-text", `#${readable.toString(16).padStart(6, "0")}`);
  }

  for (const type of ["input", "paste", "focusin", "pointerdown", "mousedown", "click", "keydown"]) {
    form1.addEventListener(type, onFormEvent);
  }
  window.addEventListener("blur", () => { away = true; });

  // The program itself.
  function attach(module) {
    program = module;
    apply(program._qvStart());
    program._qvWarmUp();
    followColourScheme();
    matchMedia("(prefers-color-scheme: dark)").addEventListener("change", followColourScheme);
    for (const call of waiting.splice(0)) send(call);
  }

  // This script runs once the window is on the screen, and until then the browser alone answered
  // the user. What came of it goes to the program as events: boxes edited and left, then the
  // focus, then the focused box's text.
  const focused = document.activeElement;
  const changed = (box) => box.value !== box.defaultValue;
  for (const box of form1.querySelectorAll("[data-field]")) {
    if (box !== focused && changed(box)) edited(fieldOf(box), box.value, box.value.length);
  }
  if (focused !== form1 && form1.contains(focused)) {
    onFormEvent({ type: "focusin", target: focused });
    if (fieldOf(focused) > 0 && changed(focused)) {
      edited(fieldOf(focused), focused.value, cursorOf(focused));
    }
  }

  // The program's WebAssembly is in the page gzip-compressed, as base64.
  (async () => {
    const packed = atob(document.getElementById("quorvel-wasm").textContent);
    const bytes = new Uint8Array(packed.length);
    for (let i = 0; i < packed.length; ++i) bytes[i] = packed.charCodeAt(i);
    const wasmBinary = await new Response(new Blob([bytes]).stream()
      .pipeThrough(new DecompressionStream("gzip"))).arrayBuffer();
    attach(await createQuorvel({ wasmBinary }));
  })();

  // Served, the page is an installable app that also works offline; opened from a file, it is
  // only itself.
  if (/^https?:$/.test(location.protocol)) {
    const manifest = document.createElement("link");
    manifest.rel = "manifest";
    manifest.href = "manifest.webmanifest";
    document.head.append(manifest);
    // Every visit asks for the worker anew: a new build's takes over for the next visit. Offline
    // the question goes unanswered, and the copy serves on.
    if ("serviceWorker" in navigator) {
      navigator.serviceWorker.register("sw.js").then((worker) => worker.update()).catch(() => {});
    }
  }
})();
