"""Desktop sessions that the tests start headless, each on private buses, and drive as a
keyboard user would: X11 (Xvfb), and on Wayland sway and GNOME Shell. A session types keys
(xdotool's key names, "ctrl+Tab"), takes screenshots, lists its windows, at the scale it starts with.
Tests import this module and call become_user() first: run as root, they go on as the user
nobody, since sway refuses to run as root."""
import atexit, ctypes, glob, json, os, re, shutil, subprocess, sys, tempfile, time

def need(*tools):
    """Skips the test, with CTest's code, where a tool is not installed."""
    missing = [t for t in tools if not shutil.which(t)]
    if missing:
        sys.exit(print("skipped: not installed: " + ", ".join(missing)) or 77)


def become_user(*programs):
    """Run as root, goes on as nobody, with copies of the programs where nobody may run them
    (root's own folders are closed to others). Gives the programs' paths."""
    if os.getuid() != 0:
        return programs
    copies = tempfile.mkdtemp(prefix="velmora-programs-")
    atexit.register(shutil.rmtree, copies, True)
    programs = [shutil.copy(p, copies) for p in programs]
    for path in [copies, *programs]:
        os.chown(path, 65534, 65534)
    os.setgroups([])
    os.setgid(65534)
    os.setuid(65534)
    return programs


def wait_for(what, condition, bound=30, log=None, fail=True):
    """The first true value of condition(), tried every tenth of a second. On time out it
    fails with the end of the log, if one is given, or gives None when not to fail."""
    end = time.monotonic() + bound
    while time.monotonic() < end:
        value = condition()
        if value:
            return value
        time.sleep(0.1)
    if not fail:
        return None
    tail = "".join(open(log, errors="replace").readlines()[-30:]) if log else ""
    sys.exit("timed out waiting for " + what + (":\n" + tail if tail else ""))


class Session:
    """A home and runtime folder of its own, a private session bus, and the processes started
    in it, which end with it. Its settings are GSettings' keyfile, so that each process of the
    session reads the same."""
    settings = {}

    def __init__(self):
        self.work = tempfile.mkdtemp(prefix="velmora-session-")
        self.started = []
        atexit.register(self.close)  # also when starting it fails half-way
        config = os.path.join(self.work, "config")
        os.makedirs(os.path.join(config, "glib-2.0", "settings"))
        with open(os.path.join(config, "glib-2.0", "settings", "keyfile"), "w") as f:
            for group, keys in self.settings.items():
                f.write("[%s]\n" % group + "".join("%s=%s\n" % kv for kv in keys.items()))
        os.environ.update(HOME=self.work, XDG_RUNTIME_DIR=self.work, XDG_CONFIG_HOME=config,
                          GSETTINGS_BACKEND="keyfile")
        for name in ("DISPLAY", "XAUTHORITY", "WAYLAND_DISPLAY", "SWAYSOCK", "QT_QPA_PLATFORM",
                     "XDG_SESSION_TYPE", "XDG_CURRENT_DESKTOP", "QT_SCALE_FACTOR",
                     "DBUS_SYSTEM_BUS_ADDRESS"):
            os.environ.pop(name, None)
        bus = self.start("dbus-daemon", "--session", "--nofork", "--print-address=1",
                         output=subprocess.PIPE)
        os.environ["DBUS_SESSION_BUS_ADDRESS"] = bus.stdout.readline().decode().strip()

    def accessibility_bus(self):
        """Starts the accessibility bus, as a screen reader or GNOME Shell does: Qt joins it
        only once it is there."""
        subprocess.run(["dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus",
                        "/org/a11y/bus", "org.a11y.Bus.GetAddress"], check=True,
                       stdout=subprocess.DEVNULL)

    def start(self, *command, output=subprocess.DEVNULL, error=subprocess.DEVNULL, env=None):
        self.started.append(subprocess.Popen(command, stdout=output, stderr=error,
                                             env=None if env is None else dict(os.environ, **env)))
        return self.started[-1]

    def close(self):
        while self.started:
            process = self.started.pop()
            process.terminate()
            try:
                process.wait(5)
            except subprocess.TimeoutExpired:
                process.kill()
                process.wait()  # reaped here: in a PID namespace nothing else may reap it
        shutil.rmtree(self.work, ignore_errors=True)

    def __enter__(self):
        return self

    def __exit__(self, *_):
        self.close()


class X11(Session):
    """Xvfb, no window manager; keys from xdotool."""
    name = "X11"

    def __init__(self):
        need("Xvfb", "dbus-daemon", "xdotool")
        super().__init__()
        xvfb = self.start("Xvfb", "-displayfd", "1", "-nolisten", "tcp", output=subprocess.PIPE)
        os.environ.update(DISPLAY=":" + xvfb.stdout.readline().decode().strip(),
                          QT_QPA_PLATFORM="xcb")

    def keys(self, *keys):
        subprocess.run(["xdotool", "key", "--clearmodifiers", "--delay", "100", *keys], check=True)

    def await_window(self, title):
        subprocess.run(["xdotool", "search", "--sync", "--name", title, "windowfocus", "--sync"],
                       check=True, timeout=30)


class Sway(Session):
    """sway on its headless backend, drawn in software, with no XWayland; keys from wtype."""
    name = "sway"

    def __init__(self, scale=1):
        need("sway", "swaymsg", "wtype", "grim", "wl-copy", "wl-paste", "dbus-daemon")
        super().__init__()
        config = os.path.join(self.work, "sway.config")
        with open(config, "w") as f:
            # Big enough for the window at scale 2.
            f.write("xwayland disable\noutput HEADLESS-1 resolution 2040x1530 scale %g\n" % scale)
        log = os.path.join(self.work, "sway.log")
        self.start("sway", "-c", config, error=open(log, "w"),
                   env=dict(WLR_BACKENDS="headless", WLR_RENDERER="pixman",
                            WLR_LIBINPUT_NO_DEVICES="1"))
        socket = wait_for("sway", lambda: [s for s in glob.glob(os.path.join(self.work, "wayland-*"))
                                           if not s.endswith(".lock")], log=log)
        os.environ.update(WAYLAND_DISPLAY=os.path.basename(socket[0]))
        os.environ["SWAYSOCK"] = wait_for("sway's socket",
                                          lambda: glob.glob(os.path.join(self.work, "sway-ipc.*")))[0]

    def keys(self, *keys):
        # Each wtype makes a new virtual keyboard, which loses its first key, and more
        # when the compositor is slow to take its keymap: a Shift, then a pause.
        command = ["wtype", "-k", "Shift_L", "-s", "300"]
        for combination in keys:
            *modifiers, key = combination.split("+")
            command += [a for m in modifiers for a in ("-M", m)] + ["-k", key, "-s", "100"]
            command += [a for m in reversed(modifiers) for a in ("-m", m)]
        subprocess.run(command, check=True)

    def screenshot(self, path):
        subprocess.run(["grim", path], check=True)

    def await_window(self, title):
        wait_for("the window", lambda: [w for w in self.windows() if title in w["title"]])

    def windows(self):
        """Each window's title, Wayland app id and box, frame left out, in the output's
        pixels."""
        tree = json.loads(subprocess.run(["swaymsg", "-t", "get_tree"], check=True,
                                         capture_output=True).stdout)
        found = []

        def walk(node):
            if node.get("pid"):
                box, inner = node["rect"], node["window_rect"]
                found.append(dict(title=node["name"], app_id=node.get("app_id"),
                                  x=box["x"] + inner["x"],
                                  y=box["y"] + inner["y"], width=inner["width"],
                                  height=inner["height"]))
            for child in node.get("nodes", []) + node.get("floating_nodes", []):
                walk(child)
        walk(tree)
        return found


class Gnome(Session):
    """GNOME Shell headless on Wayland, XWayland too, with a private system bus, as a desktop
    user has it. Keys, and the pointer, through mutter's RemoteDesktop API; screenshots and
    the window list from GNOME Shell."""
    name = "GNOME"
    settings = {"org/gnome/desktop/notifications": {"show-banners": "false"},
                "org/gnome/desktop/a11y/applications": {"screen-reader-enabled": "false"}}
    # What GNOME's session starts for X11 programs: their scale and fonts.
    XSETTINGS = "/usr/libexec/gsd-xsettings"

    def __init__(self, scale=1):
        need("gnome-shell", "dbus-daemon", "Xwayland", self.XSETTINGS)
        if not os.path.isdir("/tmp/.X11-unix"):  # made at boot where X11 is installed
            os.mkdir("/tmp/.X11-unix")
            os.chmod("/tmp/.X11-unix", 0o1777)
        if scale != int(scale):  # fractional scales are still an experiment of GNOME's
            self.settings = dict(self.settings, **{
                "org/gnome/mutter": {"experimental-features": "['scale-monitor-framebuffer']"}})
        super().__init__()
        system = os.path.join(self.work, "system-bus.conf")
        with open(system, "w") as f:
            f.write('<busconfig><type>system</type><listen>unix:path=%s/system_bus</listen>'
                    '<auth>EXTERNAL</auth><policy context="default"><allow user="*"/>'
                    '<allow own="*"/><allow send_destination="*"/><allow receive_sender="*"/>'
                    '</policy></busconfig>'
                    % self.work)
        self.start("dbus-daemon", "--config-file=" + system, "--nofork")
        os.environ.update(DBUS_SYSTEM_BUS_ADDRESS="unix:path=%s/system_bus" % self.work,
                          XDG_SESSION_TYPE="wayland", XDG_CURRENT_DESKTOP="GNOME")
        wait_for("the system bus", lambda: os.path.exists(os.path.join(self.work, "system_bus")))
        self.log = os.path.join(self.work, "gnome-shell.log")
        # Unsafe mode gives the test GNOME Shell's window list and screenshots, which it keeps
        # for its own tools otherwise. The monitor is big enough for the window at scale 2.
        self.start("gnome-shell", "--headless", "--unsafe-mode", "--wayland",
                   "--virtual-monitor", "2040x1530", error=open(self.log, "w"))
        from gi.repository import Gio, GLib
        self.GLib = GLib
        self.bus = Gio.DBusConnection.new_for_address_sync(
            os.environ["DBUS_SESSION_BUS_ADDRESS"], Gio.DBusConnectionFlags.AUTHENTICATION_CLIENT |
            Gio.DBusConnectionFlags.MESSAGE_BUS_CONNECTION)
        needed = ("org.gnome.Shell.Screenshot", "org.gnome.Shell.Introspect",
                  "org.gnome.Mutter.RemoteDesktop", "org.gnome.Mutter.DisplayConfig")
        wait_for("GNOME Shell", lambda: all(map(self._has, needed)), 60, self.log)
        display = wait_for("XWayland", lambda: re.search(r"public X11 display (:\d+)",
                                                         open(self.log).read()))
        os.environ.update(WAYLAND_DISPLAY="wayland-0", DISPLAY=display.group(1), XAUTHORITY=glob.glob(
            os.path.join(self.work, ".mutter-Xwaylandauth.*"))[0])
        desk = "org.gnome.Mutter.RemoteDesktop"
        self.remote = self._call(desk, "/org/gnome/Mutter/RemoteDesktop", desk,
                                 "CreateSession")[0]
        self._remote("Start")
        # Out of the way of the pointer's hover; a new keyboard loses its first key.
        self._remote("NotifyPointerMotionRelative", ("(dd)", (-10000.0, -10000.0)))
        self.xkb = ctypes.CDLL("libxkbcommon.so.0")
        self.keys("Shift_L")
        if scale != 1:
            self._scale(scale)
        self.start(self.XSETTINGS)
        wait_for("GNOME's X settings", lambda: self._has("org.gnome.SettingsDaemon.XSettings"))

    def _has(self, name):
        return self._call("org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus",
                          "NameHasOwner", ("(s)", (name,)))[0]

    def _call(self, destination, path, interface, method, args=None):
        value = None if args is None else self.GLib.Variant(*args)
        return self.bus.call_sync(destination, path, interface, method, value, None, 0,
                                  20000).unpack()

    def _remote(self, method, args=None):
        return self._call("org.gnome.Mutter.RemoteDesktop", self.remote,
                          "org.gnome.Mutter.RemoteDesktop.Session", method, args)

    def keys(self, *keys):
        aliases = {"ctrl": "Control_L", "shift": "Shift_L", "alt": "Alt_L"}
        for combination in keys:
            syms = [self.xkb.xkb_keysym_from_name(aliases.get(k, k).encode(), 0)
                    for k in combination.split("+")]
            for down, order in ((True, syms), (False, reversed(syms))):
                for sym in order:
                    self._remote("NotifyKeyboardKeysym", ("(ub)", (sym, down)))
            time.sleep(0.1)

    def await_window(self, title):
        """Waits for the window, then leaves the overview, where GNOME Shell shows it first
        when it was started from outside the shell, and without the focus."""
        wait_for("the window", lambda: [w for w in self.windows() if title in w["title"]])
        self.keys("Escape")

    def screenshot(self, path):
        self._call("org.gnome.Shell.Screenshot", "/org/gnome/Shell/Screenshot",
                   "org.gnome.Shell.Screenshot", "Screenshot", ("(bbs)", (False, False, path)))

    def _scale(self, scale):
        """The virtual monitor's scale, the nearest that GNOME offers for its size."""
        config = "org.gnome.Mutter.DisplayConfig"
        serial, monitors, _, _ = self._call(config, "/org/gnome/Mutter/DisplayConfig", config,
                                            "GetCurrentState")
        (connector, *_), modes, _ = monitors[0]
        mode = next(m for m in modes if m[6].get("is-current"))
        offered = min(mode[5], key=lambda s: abs(s - scale))
        self._call(config, "/org/gnome/Mutter/DisplayConfig", config, "ApplyMonitorsConfig",
                   ("(uua(iiduba(ssa{sv}))a{sv})",
                    (serial, 1, [(0, 0, offered, 0, True, [(connector, mode[0], {})])], {})))

    def windows(self):
        """Each window's title and frame size: GNOME Shell tells no positions."""
        listed = self._call("org.gnome.Shell.Introspect", "/org/gnome/Shell/Introspect",
                            "org.gnome.Shell.Introspect", "GetWindows")[0]
        return [dict(title=w.get("title", ""), width=w["width"], height=w["height"])
                for w in listed.values()]
