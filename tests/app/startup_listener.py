"""Prints each start-up notification message sent on the X display, one a line, after "ready".

The protocol's messages come to the root window in pieces of 20 bytes, the first of type
_NET_STARTUP_INFO_BEGIN, until a NUL byte.
"""
from Xlib import X, display

screen_display = display.Display()
root = screen_display.screen().root
root.change_attributes(event_mask=X.PropertyChangeMask)
BEGIN = screen_display.intern_atom("_NET_STARTUP_INFO_BEGIN")
MORE = screen_display.intern_atom("_NET_STARTUP_INFO")
screen_display.sync()
print("ready", flush=True)
pieces = {}
while True:
    event = screen_display.next_event()
    if event.type != X.ClientMessage or event.client_type not in (BEGIN, MORE):
        continue
    sender = event.window.id
    if event.client_type == BEGIN:
        pieces[sender] = b""
    pieces[sender] = pieces.get(sender, b"") + bytes(event.data[1])
    if b"\0" in pieces[sender]:
        print(pieces.pop(sender).split(b"\0")[0].decode("latin-1"), flush=True)
