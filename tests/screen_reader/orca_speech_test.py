#!/usr/bin/python3
"""What Orca says while a keyboard user works Velmora: Xvfb, a private session bus (which
starts the accessibility bus), Orca without a synthesizer writing each utterance to its debug
log as a "SPEECH OUTPUT:" line (Orca 43 and Orca 48 both do), Velmora, keys typed by xdotool;
each expected utterance is waited for, with a bound only to fail.
Usage: orca_speech_test.py VELMORA. Exit 77, skipped: a tool is missing, or an Orca already
runs for this user (only one may)."""
import os, re, shutil, subprocess, sys, tempfile, time

# Orca runs on the system's Python, whatever Python runs this test.
PYTHON = "/usr/bin/python3"
missing = [t for t in ("Xvfb", "dbus-daemon", "xdotool", "orca", "pgrep") if not shutil.which(t)]
if missing:
    sys.exit(print("skipped: not installed: " + ", ".join(missing)) or 77)
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
work = tempfile.mkdtemp(prefix="velmora-orca-")
log, errors, started = os.path.join(work, "debug.log"), os.path.join(work, "orca.err"), []


def start(*command, output=subprocess.DEVNULL, error=subprocess.DEVNULL):
    started.append(subprocess.Popen(command, stdout=output, stderr=error))
    return started[-1]


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
    subprocess.run(["xdotool", "key", "--clearmodifiers", "--delay", "100", *keys], check=True)
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
    xvfb = start("Xvfb", "-displayfd", "1", "-nolisten", "tcp", output=subprocess.PIPE)
    bus = start("dbus-daemon", "--session", "--nofork", "--print-address=1", output=subprocess.PIPE)
    os.environ.update(DISPLAY=":" + xvfb.stdout.readline().decode().strip(),
                      DBUS_SESSION_BUS_ADDRESS=bus.stdout.readline().decode().strip(),
                      HOME=work, XDG_RUNTIME_DIR=work, XDG_CONFIG_HOME=work,
                      GSETTINGS_BACKEND="memory", SPEECHD_CMD="/bin/false", QT_QPA_PLATFORM="xcb",
                      QT_ACCESSIBILITY="1", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    open(log, "w").close()
    start(PYTHON, "-c", ORCA, log, "-u", work, error=open(errors, "w"))
    said("Screen reader on", bound=60)
    start(sys.argv[1])
    subprocess.run(["xdotool", "search", "--sync", "--name", "Compression Ratio Calculator$",
                    "windowfocus", "--sync"], check=True, timeout=30)
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
    for wrong in ("layered pane", "notification"):
        if any(wrong in line for line in spoken()):
            fail("spoken: %r" % wrong)
finally:
    for process in reversed(started):
        process.terminate()
        try:
            process.wait(5)
        except subprocess.TimeoutExpired:
            process.kill()
    shutil.rmtree(work, ignore_errors=True)
