#!/usr/bin/python3
"""What Orca says while a keyboard user works Velmora: Xvfb, a private session bus (which
starts the accessibility bus), Orca logging each utterance without a synthesizer, Velmora,
keys typed by xdotool; each expected utterance is waited for, with a bound only to fail.
Usage: orca_speech_test.py VELMORA. Exit 77, skipped: a tool is missing, or an Orca
already runs for this user (only one may)."""
import os, shutil, subprocess, sys, tempfile, time

if not all(map(shutil.which, ("Xvfb", "dbus-daemon", "xdotool", "orca", "pgrep"))):
    sys.exit(print("skipped: needs Xvfb, dbus-daemon, xdotool, orca and pgrep") or 77)
if subprocess.run(["pgrep", "-u", str(os.getuid()), "-x", "orca"]).returncode == 0:
    sys.exit(print("skipped: an Orca runs for this user already") or 77)
ORCA = ("import logging, runpy, sys; logging.getLogger('speech').addHandler("
        "logging.FileHandler(sys.argv.pop(1))); sys.argv[0] = 'orca'; "
        "runpy.run_path('/usr/bin/orca', run_name='__main__')")
work = tempfile.mkdtemp(prefix="velmora-orca-")
log, started = os.path.join(work, "speech.log"), []

def start(*command, output=subprocess.DEVNULL):
    started.append(subprocess.Popen(command, stdout=output, stderr=subprocess.DEVNULL))
    return started[-1]

def spoken():
    with open(log) as f:
        return f.read().splitlines()

def said(text, since=0, bound=30):
    """Waits for text in an utterance after the first since; gives the count up to it."""
    end = time.monotonic() + bound
    while time.monotonic() < end:
        found = [i for i, line in enumerate(spoken()) if i >= since and text in line]
        if found:
            return found[0] + 1
        time.sleep(0.1)
    sys.exit("not spoken: %r; spoken since:\n  %s" % (text, "\n  ".join(spoken()[since:])))

def key(*keys):
    """Types keys; gives the count of utterances before them."""
    before = len(spoken())
    subprocess.run(["xdotool", "key", "--clearmodifiers", "--delay", "100", *keys], check=True)
    return before

try:
    xvfb = start("Xvfb", "-displayfd", "1", "-nolisten", "tcp", output=subprocess.PIPE)
    bus = start("dbus-daemon", "--session", "--nofork", "--print-address=1", output=subprocess.PIPE)
    os.environ.update(DISPLAY=":" + xvfb.stdout.readline().decode().strip(),
                      DBUS_SESSION_BUS_ADDRESS=bus.stdout.readline().decode().strip(),
                      HOME=work, XDG_RUNTIME_DIR=work, XDG_CONFIG_HOME=work,
                      GSETTINGS_BACKEND="memory", SPEECHD_CMD="/bin/false", QT_QPA_PLATFORM="xcb",
                      QT_ACCESSIBILITY="1", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    open(log, "w").close()
    start(sys.executable, "-c", ORCA, log, "-u", work)
    said("Screen reader on", bound=60)
    start(sys.argv[1])
    subprocess.run(["xdotool", "search", "--sync", "--name", "Compression Ratio Calculator$",
                    "windowfocus", "--sync"], check=True, timeout=30)
    said("Compression Ratio Calculator frame")
    said("Crank Stroke", said("Dynamic Stroke Length Calculator page tab.", key("Tab")))
    # Calculate: the results with their captions, the focus staying on the button.
    key("3", "period", "4", "8", "Tab", "6", "Tab", "6", "6", "Tab", "space")
    said("Dynamic Stroke Length 2.66211288104682, Distance of piston from BDC 0.81788711895318")
    # Each page's name as it comes to the front; flat review (KP_Up, the line) of it.
    said("Cam Timing and Overlap Calculator page tab.", key("ctrl+Tab"))
    said("Advertised Exhaust Duration", key("KP_Up"))
    said("Compression Ratio Calculator page tab.", key("ctrl+Next"))
    said("'Number of Cylinders 8'", key("KP_Up"))
    said("'Flat or Dished.'", said("What type of pistons do you have? panel", key(*["Tab"] * 8)))
    # Back on the first page: a result on its caption's line.
    said("Dynamic Stroke Length Calculator page tab.", key("ctrl+Tab"))
    said("'Calculate Clear Exit'", key("KP_Up"))
    said("'Dynamic Stroke Length 2.66211288104682'", key("KP_Home", "KP_Home"))
    for wrong in ("layered pane", "notification"):
        if any(wrong in line for line in spoken()):
            sys.exit("spoken: %r" % wrong)
finally:
    for process in reversed(started):
        process.terminate()
        try:
            process.wait(5)
        except subprocess.TimeoutExpired:
            process.kill()
    shutil.rmtree(work, ignore_errors=True)
