#!/usr/bin/python3
"""Velmora as a Wayland desktop's user meets it, on headless sway or GNOME Shell: the window's
size; each page pixel for pixel as velmora-screenshot renders it offscreen, at each scale;
a calculation typed in and read back over AT-SPI; the message box over the window, closed
with Enter; on sway the clipboard both ways, on GNOME the title in Qt's or GNOME's frame;
and one application on the accessibility bus.
Usage: wayland_test.py sway|gnome VELMORA VELMORA-SCREENSHOT QT-VERSION
Exit 77, skipped: the compositor or a tool it needs is not installed."""
import os, subprocess, sys, tempfile, time
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import sessions

compositor, qt = sys.argv[1], sys.argv[4]
velmora, renderer = sessions.become_user(*sys.argv[2:4])
Session = sessions.Sway if compositor == "sway" else sessions.Gnome
# The first session, at scale 1, starts the accessibility bus that pyatspi then keeps to.
session = Session()
from PIL import Image, ImageChops  # noqa: E402 (after the first session's buses are set)
import pyatspi  # noqa: E402
from gi.repository import GLib  # noqa: E402

TITLE = "Dynamic Stroke Length, Cam Timing, & Compression Ratio Calculator"
# Qt 6.8 draws at fractional scales itself; older Qt draws at 2 and lets the compositor shrink.
SCALES = (1, 2, 1.5) if tuple(map(int, qt.split(".")[:2])) >= (6, 8) else (1, 2)
failures = []


def check(ok, what):
    print(("ok: " if ok else "FAIL: ") + what, flush=True)
    if not ok:
        failures.append(what)
    return ok


def shot():
    path = os.path.join(session.work, "screen.png")
    session.screenshot(path)
    return Image.open(path).convert("RGB")


def keep(image, name):
    """Keeps an image of a failure where the user can look at it."""
    folder = os.path.join(tempfile.gettempdir(), "velmora-wayland-%s" % compositor)
    os.makedirs(folder, exist_ok=True)
    image.save(os.path.join(folder, name))
    print("  kept " + os.path.join(folder, name))


def locate(screen, window):
    """Where window lies in screen pixel for pixel, found by its busiest row; or None."""
    w, h = window.size
    rows = [window.crop((0, y, w, y + 1)).tobytes() for y in range(h)]
    busiest = max(range(h), key=lambda y: len(set(rows[y][i:i + 3] for i in range(0, 3 * w, 3))))
    whole = window.tobytes()
    for y in range(busiest, screen.height - h + busiest + 1):
        line, start = screen.crop((0, y, screen.width, y + 1)).tobytes(), 0
        while (i := line.find(rows[busiest], start)) >= 0:
            start = i + 1
            box = (i // 3, y - busiest, i // 3 + w, y - busiest + h)
            if i % 3 == 0 and screen.crop(box).tobytes() == whole:
                return box
    return None


def application():
    """Velmora's applications on the accessibility bus, by process."""
    return [a for a in pyatspi.Registry.getDesktop(0) if a and a.get_process_id() == app.pid]


def field(name):
    found = pyatspi.findDescendant(application()[0], lambda a: a.name == name and
                                   a.getRole() == pyatspi.ROLE_TEXT)
    return found.queryText().getText(0, -1) if found else None


def within(inner, outer):
    """Whether the box (left, top, right, bottom) inner lies within outer."""
    return inner[0] >= outer[0] and inner[1] >= outer[1] and inner[2] <= outer[2] and \
        inner[3] <= outer[3]


def box_open():
    return any(w.getRole() in (pyatspi.ROLE_ALERT, pyatspi.ROLE_DIALOG)
               for a in application() for w in a if w)


def start_velmora():
    """Velmora as a desktop starts it, its window in front."""
    process = session.start(velmora, env=dict(QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1"))
    session.await_window("Dynamic Stroke Length")
    return process


def compare_pages(scale):
    """Each page, brought to the front by Ctrl+Tab, as velmora-screenshot renders it
    offscreen at the same scale. Gives where the window lies on the screen."""
    pages = os.path.join(session.work, "pages")
    subprocess.run([renderer, pages], check=True, stdout=subprocess.DEVNULL,
                   env=dict(os.environ, QT_QPA_PLATFORM="offscreen", QT_SCALE_FACTOR="%g" % scale,
                            **({"QT_QPA_PLATFORMTHEME": "gtk3"} if compositor == "gnome" else {})))
    where = None
    for page in range(3):
        if page:
            session.keys("ctrl+Tab")
        reference = Image.open(os.path.join(pages, "page%d.png" % page)).convert("RGB")
        if scale == 1 and page == 0:
            check(reference.size == (462, 540), "the window is %dx%d" % reference.size)
        if compositor == "gnome" and scale != int(scale):
            # Qt's own frame is 11 pixels wide, which puts the window half a pixel off the
            # screen's at 1.5: its last column and row of pixels fall outside Qt's buffer.
            reference = reference.crop((0, 0, reference.width - 1, reference.height - 1))
        end = time.monotonic() + 10
        while (found := locate(screen := shot(), reference)) is None and time.monotonic() < end:
            time.sleep(0.5)
        if check(found, "page %d at scale %g equals its offscreen rendering" % (page, scale)):
            where = where or found
        else:
            keep(screen, "screen-%g-%d.png" % (scale, page))
            keep(reference, "offscreen-%g-%d.png" % (scale, page))
    session.keys("ctrl+Tab")  # back to the first page
    return where


try:
    session.accessibility_bus()
    app = start_velmora()
    window = compare_pages(1)
    listed = [w for w in session.windows() if "Dynamic" in w["title"]]
    title = listed[0]["title"]
    check(title == TITLE or (title.endswith("\u2026") and TITLE.startswith(title[:-1])),
          "the title is whole or ends in an ellipsis: %r" % title)
    if compositor == "sway":
        check((listed[0]["width"], listed[0]["height"]) == (462, 540), "sway's window is 462x540")
        # The desktop finds the window's .desktop entry, and its icon, by this id.
        check(listed[0]["app_id"] == "org.velmora.Velmora", "app id %s" % listed[0]["app_id"])
    elif window:
        # The frame's title bar, right above the window. Its ink falls into runs of columns,
        # split by gaps of more than 8 blank ones: the close button is the last run, well
        # clear of the title's; the title's first run starts clear of the frame's left edge.
        screen = shot()
        bar = screen.crop((window[0], window[1] - 30, window[2], window[1] - 8)).convert("L")
        background = bar.getpixel((bar.width // 2, 0))
        runs = []
        for x in range(bar.width):
            if any(abs(bar.getpixel((x, y)) - background) > 96 for y in range(bar.height)):
                if runs and x - runs[-1][1] <= 8:
                    runs[-1][1] = x
                else:
                    runs.append([x, x])
        if not check(len(runs) >= 2 and runs[0][0] >= 3 and runs[-1][0] > bar.width - 60,
                     "the title lies clear of the frame's edge and its close button: %s" % runs):
            keep(screen, "title.png")

    # Page 0: 3.5, 6 and 60 typed in; Calculate; the results read back as a screen reader does.
    session.keys("Tab", "3", "period", "5", "Tab", "6", "Tab", "6", "0", "Tab", "space")
    sessions.wait_for("the results", lambda: field("Distance of piston from BDC"), 20, fail=False)
    check(field("Dynamic Stroke Length") == "2.81956074013344", "the dynamic stroke length")
    check(field("Distance of piston from BDC") == "0.68043925986656", "the distance from BDC")

    if compositor == "sway":
        # Crank Stroke, three fields back: its text out to the clipboard, another in.
        session.keys("shift+Tab", "shift+Tab", "shift+Tab", "ctrl+a", "ctrl+c")
        time.sleep(0.5)
        pasted = subprocess.run(["wl-paste", "-n"], capture_output=True, text=True, timeout=10)
        check(pasted.stdout == "3.5", "copied to the Wayland clipboard: %r" % pasted.stdout)
        session.start("wl-copy", "--foreground", "4.25")
        session.keys("ctrl+a", "ctrl+v")
        sessions.wait_for("the paste", lambda: field("Crank Stroke") == "4.25", bound=10)
        session.keys("Tab", "Tab", "Tab")  # back on Calculate

    # Clear, then Calculate: a message box over the window, which Enter closes.
    session.keys("Tab", "space", "shift+Tab")
    time.sleep(0.5)
    before = shot()
    session.keys("space")
    sessions.wait_for("the message box", box_open, bound=10)
    time.sleep(1)
    if compositor == "sway":
        main, box = [(w["x"], w["y"], w["x"] + w["width"], w["y"] + w["height"]) for w in
                     sorted(session.windows(), key=lambda w: -w["width"] * w["height"])[:2]]
        check(within(box, main) and abs(box[0] + box[2] - main[0] - main[2]) <= 2,
              "the message box %s is centred over the window %s" % (box, main))
    elif window:
        # All that changed on the screen, the top bar's clock aside, lies inside the window's
        # frame.
        frame = max(w["height"] for w in session.windows() if "Dynamic" in w["title"])
        panel = (0, 40, before.width, before.height)
        changed = ImageChops.difference(before.crop(panel), shot().crop(panel)).getbbox()
        changed = changed and (changed[0], changed[1] + 40, changed[2], changed[3] + 40)
        inside = (window[0] - 2, window[3] - frame - 2, window[2] + 2, window[3] + 2)
        check(changed and within(changed, inside),
              "the message box opens over the window: changed %s, window %s" % (changed, inside))
    session.keys("Return")
    sessions.wait_for("the message box to close", lambda: not box_open(), bound=10)

    # The page brought to the front joins a screen reader's tree: it hears so.
    added = []
    pyatspi.Registry.registerEventListener(lambda event: added.append(event.any_data),
                                           "object:children-changed:add")
    session.keys("ctrl+Tab")

    def heard_page():
        while GLib.MainContext.default().iteration(False):
            pass
        return any(a is not None and a.name == "Cam Timing and Overlap Calculator" for a in added)
    check(sessions.wait_for("the page", heard_page, bound=10, fail=False),
          "the page in front joins the accessible tree")
    names = [a.name for a in application()]
    check(names == ["Velmora"], "one application on the accessibility bus: %s" % names)
finally:
    session.close()
for scale in SCALES[1:]:
    with Session(scale) as session:
        start_velmora()
        compare_pages(scale)
sys.exit("%d of the checks failed on %s" % (len(failures), compositor) if failures else 0)
