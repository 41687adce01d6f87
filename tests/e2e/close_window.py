#!/usr/bin/env python3
"""Asks an X window to close, as a window manager's close button does: it sends
the window the WM_DELETE_WINDOW message of the ICCCM.

    close_window.py WINDOW_ID      (on the display in $DISPLAY)
"""
import ctypes
import ctypes.util
import sys

CLIENT_MESSAGE = 33
NO_EVENT_MASK = 0


class ClientMessageEvent(ctypes.Structure):
    # XClientMessageEvent, padded to the size of an XEvent.
    _fields_ = [
        ("type", ctypes.c_int),
        ("serial", ctypes.c_ulong),
        ("send_event", ctypes.c_int),
        ("display", ctypes.c_void_p),
        ("window", ctypes.c_ulong),
        ("message_type", ctypes.c_ulong),
        ("format", ctypes.c_int),
        ("data", ctypes.c_long * 5),
        ("pad", ctypes.c_long * 12),
    ]


def main():
    window = int(sys.argv[1], 0)
    xlib = ctypes.cdll.LoadLibrary(ctypes.util.find_library("X11") or "libX11.so.6")
    xlib.XOpenDisplay.restype = ctypes.c_void_p
    xlib.XOpenDisplay.argtypes = [ctypes.c_char_p]
    xlib.XInternAtom.restype = ctypes.c_ulong
    xlib.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
    xlib.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long,
                                ctypes.POINTER(ClientMessageEvent)]
    xlib.XFlush.argtypes = [ctypes.c_void_p]
    xlib.XCloseDisplay.argtypes = [ctypes.c_void_p]

    display = xlib.XOpenDisplay(None)
    if not display:
        sys.exit("close_window.py: cannot open the display")
    event = ClientMessageEvent()
    event.type = CLIENT_MESSAGE
    event.window = window
    event.message_type = xlib.XInternAtom(display, b"WM_PROTOCOLS", False)
    event.format = 32
    event.data[0] = xlib.XInternAtom(display, b"WM_DELETE_WINDOW", False)
    event.data[1] = 0  # CurrentTime
    if not xlib.XSendEvent(display, window, False, NO_EVENT_MASK, ctypes.byref(event)):
        sys.exit("close_window.py: the message could not be sent")
    xlib.XFlush(display)
    xlib.XCloseDisplay(display)


if __name__ == "__main__":
    main()
