#!/usr/bin/env python3
"""Sends keys, pointer moves and wheel turns to the X display, for the
screenshots of the window under Xvfb (no window manager, no xdotool).

  xinput.py move X Y | key ctrl+s | wheel up|down N [shift|ctrl|alt] | click X Y [left|right] | type TEXT
"""
import ctypes
import sys
import time

x11 = ctypes.CDLL("libX11.so.6")
xtst = ctypes.CDLL("libXtst.so.6")
x11.XOpenDisplay.restype = ctypes.c_void_p
x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
x11.XStringToKeysym.restype = ctypes.c_ulong
x11.XStringToKeysym.argtypes = [ctypes.c_char_p]
x11.XKeysymToKeycode.argtypes = [ctypes.c_void_p, ctypes.c_ulong]
x11.XFlush.argtypes = [ctypes.c_void_p]
xtst.XTestFakeKeyEvent.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.c_int, ctypes.c_ulong]
xtst.XTestFakeButtonEvent.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.c_int, ctypes.c_ulong]
xtst.XTestFakeMotionEvent.argtypes = [ctypes.c_void_p, ctypes.c_int, ctypes.c_int, ctypes.c_int,
                                      ctypes.c_ulong]

NAMES = {"ctrl": "Control_L", "shift": "Shift_L", "alt": "Alt_L", "esc": "Escape"}

display = x11.XOpenDisplay(None)
if not display:
    sys.exit("no display")


def keycode(name):
    return x11.XKeysymToKeycode(display, x11.XStringToKeysym(NAMES.get(name, name).encode()))


def key(combination):
    codes = [keycode(part) for part in combination.split("+")]
    for code in codes:
        xtst.XTestFakeKeyEvent(display, code, 1, 0)
    for code in reversed(codes):
        xtst.XTestFakeKeyEvent(display, code, 0, 0)


# Characters of file names that are no key names of their own.
CHARACTERS = {"/": "slash", ".": "period", "-": "minus", "_": "shift+underscore", " ": "space"}


def type_text(text):
    for c in text:
        if c in CHARACTERS:
            key(CHARACTERS[c])
        elif c.isupper():
            key("shift+" + c.lower())
        else:
            key(c)
        x11.XFlush(display)
        time.sleep(0.02)


def wheel(direction, turns, modifier=None):
    button = 4 if direction == "up" else 5
    if modifier:
        xtst.XTestFakeKeyEvent(display, keycode(modifier), 1, 0)
    for _ in range(turns):
        xtst.XTestFakeButtonEvent(display, button, 1, 0)
        xtst.XTestFakeButtonEvent(display, button, 0, 0)
        x11.XFlush(display)
        time.sleep(0.2)
    if modifier:
        xtst.XTestFakeKeyEvent(display, keycode(modifier), 0, 0)


command = sys.argv[1]
if command == "move":
    xtst.XTestFakeMotionEvent(display, -1, int(sys.argv[2]), int(sys.argv[3]), 0)
elif command == "key":
    key(sys.argv[2])
elif command == "type":
    type_text(sys.argv[2])
elif command == "wheel":
    wheel(sys.argv[2], int(sys.argv[3]), sys.argv[4] if len(sys.argv) > 4 else None)
elif command == "click":
    button = 3 if len(sys.argv) > 4 and sys.argv[4] == "right" else 1
    xtst.XTestFakeMotionEvent(display, -1, int(sys.argv[2]), int(sys.argv[3]), 0)
    x11.XFlush(display)
    time.sleep(0.2)
    xtst.XTestFakeButtonEvent(display, button, 1, 0)
    x11.XFlush(display)
    time.sleep(0.1)
    xtst.XTestFakeButtonEvent(display, button, 0, 0)
x11.XFlush(display)
