#!/usr/bin/python3
"""The running calculator as a screen reader meets it: every key of the main window
(compact and extended), of the hex pad and of the value dialog is a push button with a
name and a press action, no two keys of a window share a name, pressing 7 + 5 = through
the actions leaves 12 in the display's text, and Tab walks the
keys row by row. The value dialog's buttons, the binary window's digits, a message box
and the About box are readable. Run inside run_session.sh, which appends the program's
pid."""
import subprocess
import sys
import time

import pyatspi

failures = []


def check(ok, what):
    if not ok:
        failures.append(what)
        print("FAIL:", what, flush=True)


def wait_for(find, what, seconds=10):
    end = time.time() + seconds
    while time.time() < end:
        found = find()
        if found:
            return found
        time.sleep(0.1)
    sys.exit("not found: " + what)


def walk(node):
    yield node
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield from walk(child)


def application(pid):
    desktop = pyatspi.Registry.getDesktop(0)
    for app in desktop:
        if app is not None and app.get_process_id() == pid:
            return app
    return None


def windows(app):
    return [w for w in (app.getChildAtIndex(i) for i in range(app.childCount)) if w is not None]


def showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def keys(window):
    return [n for n in walk(window) if n.getRole() == pyatspi.ROLE_PUSH_BUTTON and showing(n)]


def named(window, role, name):
    for n in walk(window):
        if n.getRole() == role and n.name == name:
            return n
    return None


def display_of(app, name):
    for w in windows(app):
        if showing(w):
            d = named(w, pyatspi.ROLE_TEXT, name)
            if d:
                return w, d
    return None


def editable(node):
    return node.getRole() == pyatspi.ROLE_TEXT and node.getState().contains(pyatspi.STATE_EDITABLE)


def position(node):
    box = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return (box.y, box.x)


def press(key):
    action = key.queryAction()
    for i in range(action.nActions):
        if action.getName(i).lower() == "press":
            action.doAction(i)
            return
    raise AssertionError("no press action: " + key.name)


def check_keys(window, label, expected_at_least):
    found = keys(window)
    check(len(found) >= expected_at_least, f"{label}: {len(found)} keys, expected {expected_at_least}")
    names = [k.name for k in found]
    for k in found:
        check(k.name.strip() != "", f"{label}: a key without a name at {position(k)}")
        action = k.queryAction()
        check(any(action.getName(i).lower() == "press" for i in range(action.nActions)),
              f"{label}: key {k.name} has no press action")
    check(len(set(names)) == len(names), f"{label}: names shared: {sorted(n for n in names if names.count(n) > 1)}")
    return found


def text_of(node):
    return node.queryText().getText(0, -1)


def focused(window):
    # The window counts as focused too while its display holds the focus for it.
    for n in walk(window):
        if n is not window and n.getState().contains(pyatspi.STATE_FOCUSED):
            return n
    return None


def moved_from(window, previous, seconds=5):
    """The focused object once the focus has left `previous` (None if it stays)."""
    end = time.time() + seconds
    while time.time() < end:
        now = focused(window)
        if now is not None and (previous is None or now.name != previous.name):
            return now
        time.sleep(0.1)
    return None


def xkey(*names):
    subprocess.run(["xdotool", "key", "--clearmodifiers", *names], check=True)
    time.sleep(0.3)


def key_named(window, name):
    return wait_for(lambda: next((k for k in keys(window) if k.name == name), None), "key " + name)


def check_message_box(app, title, words):
    box = wait_for(lambda: next((w for w in windows(app) if showing(w) and w.name == title), None), title)
    said = [n.name for n in walk(box) if n.getRole() in (pyatspi.ROLE_LABEL, pyatspi.ROLE_TEXT)]
    check(any(words in s for s in said), f"{title}: message not readable: {said}")
    buttons = keys(box)
    check(len(buttons) == 1 and buttons[0].name.strip() != "" and "キー: " in buttons[0].description,
          f"{title}: buttons {[(b.name, b.description) for b in buttons]}")
    xkey("Return")
    wait_for(lambda: not any(showing(w) and w.name == title for w in windows(app)) or None, title + " closed")


def main():
    pid = int(sys.argv[-1])
    app = wait_for(lambda: application(pid), "the program on the accessibility bus", 60)
    main_window, display = wait_for(lambda: display_of(app, "10進数表示"), "the decimal display", 30)
    wait_for(lambda: len(keys(main_window)) >= 23, "the compact keypad")

    compact = check_keys(main_window, "main window", 23)
    for name in ["7", "プラス", "5", "イコール"]:
        press(key_named(main_window, name))
        time.sleep(0.2)
    wait_for(lambda: text_of(display) == "12" or None, "12 in the display", 10)
    check(text_of(display) == "12", f"display after 7 + 5 =: {text_of(display)!r}")

    press(key_named(main_window, "2進数表示"))
    binary, digits = wait_for(lambda: display_of(app, "2進数表示"), "the binary window")
    check(text_of(digits).replace(" ", "").endswith("1100"), f"binary window: {text_of(digits)!r}")
    names = sorted(k.name for k in check_keys(binary, "binary window", 2))
    check(names == ["複写", "閉じる"], f"binary window: {names}")
    xkey("Escape")
    wait_for(lambda: display_of(app, "2進数表示") is None or None, "the binary window closed")

    # Tab from the display visits every shown key once, row by row, and comes back.
    expected = [k.name for k in sorted(compact, key=position)]
    walked = []
    previous = display
    for _ in range(len(expected) + 1):
        xkey("Tab")
        previous = moved_from(main_window, previous)
        walked.append(previous.name if previous else None)
    check(walked == expected + ["10進数表示"], f"Tab order {walked}, expected {expected}")
    xkey("shift+Tab")
    now = moved_from(main_window, previous)
    check(now is not None and now.name == expected[-1], "Shift+Tab from the display goes to the last key")

    xkey("ctrl+e")  # the extended keypad
    wait_for(lambda: len(keys(main_window)) > len(compact), "the extended keypad")
    check_keys(main_window, "extended main window", 44)
    xkey("ctrl+e")

    press(key_named(main_window, "16進数入力"))
    pad, _ = wait_for(lambda: display_of(app, "16進数入力表示"), "the hex pad")
    check_keys(pad, "hex pad", 20)
    press(key_named(pad, "閉じる"))
    wait_for(lambda: display_of(app, "16進数入力表示") is None or None, "the hex pad closed")

    xkey("ctrl+e")
    press(key_named(main_window, "XのY乗"))
    dialog = wait_for(lambda: next((w for w in windows(app) if showing(w) and w is not main_window and
                                    any(editable(n) for n in walk(w))), None),
                      "the value dialog")
    buttons = check_keys(dialog, "value dialog", 2)
    check(sorted(b.name for b in buttons) == ["値を入力", "取りやめ"], f"value dialog: {[b.name for b in buttons]}")
    check(all("キー: " in b.description for b in buttons), "value dialog: a button without its keys")
    edit = next(n for n in walk(dialog) if editable(n))
    check(edit.name.strip() != "", "the value dialog's edit box has no name")
    xkey("Escape")

    # The logarithm of the preset 0 is refused in a message box; F1 shows the About box.
    press(key_named(main_window, "常用対数"))
    wait_for(lambda: any(editable(n) for w in windows(app) if showing(w) for n in walk(w)) or None, "the log dialog")
    xkey("Return")
    check_message_box(app, "log X Error", "範囲")
    xkey("F1")
    check_message_box(app, "About me", "version")

    if failures:
        sys.exit(f"{len(failures)} failures")
    print("accessibility tree: all checks passed")


main()
