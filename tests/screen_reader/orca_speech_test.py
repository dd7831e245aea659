#!/usr/bin/python3
"""What Orca says while a keyboard user works Velmora, on X11 (Xvfb, keys from xdotool) or on
GNOME's Wayland session (headless GNOME Shell, keys through mutter, which hands them on to
Orca 48 and later; Velmora a Wayland client, XWayland there only for Orca 48.1, which reads
the keyboard's map through X). Orca runs without a synthesizer and writes each utterance to
its debug log as a "SPEECH OUTPUT:" line (Orca 43 and Orca 48 both do); each expected
utterance is waited for, with a bound only to fail.
Usage: orca_speech_test.py VELMORA [x11|gnome]. Exit 77, skipped: a tool is missing, or an
Orca already runs for this user (only one may)."""
import os, re, subprocess, sys, time
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "desktop"))
import sessions

# Orca runs on the system's Python, whatever Python runs this test.
PYTHON = "/usr/bin/python3"
sessions.need("orca", "pgrep")
if subprocess.run([PYTHON, "-c", "import pyatspi, orca"], capture_output=True).returncode:
    sys.exit(print("skipped: %s cannot import pyatspi and orca (python3-pyatspi, orca)" % PYTHON)
             or 77)
if subprocess.run(["pgrep", "-u", str(os.getuid()), "-x", "orca"]).returncode == 0:
    sys.exit(print("skipped: an Orca runs for this user already") or 77)
# Orca's own debug log, line-buffered and at the level of its speech lines only.
ORCA = ("import runpy, sys; from orca import debug; "
        "debug.debugFile = open(sys.argv.pop(1), 'w', buffering=1); "
        "debug.debugLevel = debug.LEVEL_INFO; sys.argv[0] = 'orca'; "
        "runpy.run_path('/usr/bin/orca', run_name='__main__')")
SPEECH = re.compile(r"SPEECH OUTPUT: '(.*?)'")
velmora, kind = sys.argv[1], sys.argv[2] if len(sys.argv) > 2 else "x11"
session = sessions.X11() if kind == "x11" else sessions.Gnome()
log, errors = os.path.join(session.work, "debug.log"), os.path.join(session.work, "orca.err")


def spoken():
    with open(log, errors="replace") as f:
        return SPEECH.findall(f.read())


def fail(why, since=0):
    with open(errors, errors="replace") as f:
        stderr = f.read().strip()
    sys.exit("%s; spoken since:\n  %s%s" % (why, "\n  ".join(spoken()[since:]),
                                            "\nOrca's errors:\n" + stderr if stderr else ""))


def heard(text, line):
    """text in the utterance line; in quotes, the whole of it."""
    return line == text[1:-1] if text.startswith("'") else text in line


def said(text, since=0, bound=30):
    """Waits for text in an utterance after the first since; gives the count up to it."""
    end = time.monotonic() + bound
    while time.monotonic() < end:
        found = [i for i, line in enumerate(spoken()) if i >= since and heard(text, line)]
        if found:
            return found[0] + 1
        time.sleep(0.1)
    fail("not spoken: %r" % text, since)


def key(*keys):
    """Types keys; gives the count of utterances before them."""
    before = len(spoken())
    session.keys(*keys)
    return before


def turn(keys, page, field, next_field):
    """Brings a page to the front: its name once, then the focused field, and no page's name
    again on the next Tab."""
    start = key(keys)
    said(field, said(page + " page tab", start))
    upto = said(next_field, key("Tab"))
    names = sum("page tab" in line for line in spoken()[start:upto])
    if names != 1:
        fail("a page's name spoken %d times on %s and Tab" % (names, keys), start)


try:
    os.environ.update(SPEECHD_CMD="/bin/false", QT_ACCESSIBILITY="1",
                      QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    open(log, "w").close()
    # Orca keeps its settings to itself: the session's screen reader setting stays off, so
    # that GNOME Shell starts no Orca of its own.
    session.start(PYTHON, "-c", ORCA, log, "-u", session.work, error=open(errors, "w"),
                  env=dict(GSETTINGS_BACKEND="memory"))
    said("Screen reader on", bound=60)
    session.start(velmora)
    session.await_window("Compression Ratio Calculator")
    said("Cam Timing, & Compression Ratio Calculator")  # the window's title
    said("Crank Stroke", said("Dynamic Stroke Length Calculator page tab", key("Tab")))
    # Calculate: the results with their captions, the focus staying on the button.
    key("3", "period", "4", "8", "Tab", "6", "Tab", "6", "6", "Tab", "space")
    said("Dynamic Stroke Length 2.66211288104682, Distance of piston from BDC 0.81788711895318")
    # Each page's name once as it comes to the front, then the focused field; nothing of the
    # strip on a Tab inside the page; flat review (KP_Up, the line) of the focused field's line.
    turn("ctrl+Tab", "Cam Timing and Overlap Calculator", "Advertised Intake Duration",
         "Advertised Exhaust Duration")
    said("Advertised Intake Duration", key("KP_Up"))
    said("Compression Ratio Calculator page tab", key("ctrl+Next"))
    said("'Number of Cylinders 8'", key("KP_Up"))
    said("Flat or Dished", said("What type of pistons do you have?", key(*["Tab"] * 8)))
    # Back on the first page: a result on its caption's line.
    said("Dynamic Stroke Length Calculator page tab", key("ctrl+Tab"))
    said("'Calculate Clear Exit'", key("KP_Up"))
    said("'Dynamic Stroke Length 2.66211288104682'", key("KP_Home", "KP_Home"))
    turn("ctrl+shift+Tab", "Compression Ratio Calculator", "Flat or Dished", "Dome")
    # Calculate with empty fields: the message box's text.
    said("All input boxes must be filled", key("Tab", "Tab", "space"))
    key("Return")
    for wrong in ("layered pane", "notification"):
        if any(wrong in line for line in spoken()):
            fail("spoken: %r" % wrong)
    print("Heard on %s:\n  %s" % (session.name, "\n  ".join(spoken())))
finally:
    session.close()
