// Times a program's start from outside it: from just before fork() to the
// first drawing into its top-level window of the given title, as the X
// server sees it (the DAMAGE extension), for scripts/startup.
//
// velmora-first-paint [-i] TITLE PROGRAM [ARGUMENTS...]
//
// Prints "PAINT_MS MAXRSS_KIB" and ends the program at once. With -i it
// lets the program go on until it has used no processor time for a second
// (its window idle), then ends it with SIGTERM and prints nothing: so a
// program under callgrind writes its counts up to the idle window.
// It must be the only client making windows on the display: a private Xvfb
// without a window manager, where top-level windows are the root's children.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>
#include <poll.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstring>
#include <ctime>

namespace {

double now_ms() {
  timespec t{};
  clock_gettime(CLOCK_MONOTONIC, &t);
  return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

// Windows vanish between our hearing of them and our requests.
int ignore_errors(Display*, XErrorEvent*) { return 0; }

bool has_title(Display* display, Window window, const char* title) {
  Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
  Atom name = XInternAtom(display, "_NET_WM_NAME", False);
  Atom type;
  int format;
  unsigned long count, after;
  unsigned char* value = nullptr;
  bool same = false;
  if (XGetWindowProperty(display, window, name, 0, 1024, False, utf8, &type, &format, &count,
                         &after, &value) == Success &&
      value != nullptr) {
    same = std::strcmp(reinterpret_cast<const char*>(value), title) == 0;
    XFree(value);
  }
  return same;
}

// The processor time the process has used, in clock ticks.
long long cpu_ticks(pid_t pid) {
  char path[64], line[4096];
  snprintf(path, sizeof path, "/proc/%d/stat", (int)pid);
  std::FILE* f = std::fopen(path, "r");
  if (f == nullptr) return -1;
  const std::size_t n = std::fread(line, 1, sizeof line - 1, f);
  std::fclose(f);
  line[n] = '\0';
  const char* p = std::strrchr(line, ')');  // the command's name may hold blanks
  unsigned long long user = 0, system = 0;
  if (p == nullptr || std::sscanf(p + 2, "%*c %*d %*d %*d %*d %*d %*u %*u %*u %*u %*u %llu %llu",
                                  &user, &system) != 2) {
    return -1;
  }
  return static_cast<long long>(user + system);
}

void wait_until_idle(pid_t pid) {
  long long last = -2;
  for (int quiet = 0; quiet < 10;) {
    usleep(100000);
    const long long ticks = cpu_ticks(pid);
    if (ticks < 0) return;
    quiet = ticks == last ? quiet + 1 : 0;
    last = ticks;
  }
}

}  // namespace

int main(int argc, char** argv) {
  const int idle = argc > 1 && std::strcmp(argv[1], "-i") == 0 ? 1 : 0;
  if (argc < 3 + idle) {
    fprintf(stderr, "usage: velmora-first-paint [-i] TITLE PROGRAM [ARGUMENTS...]\n");
    return 64;
  }
  const char* title = argv[1 + idle];
  Display* display = XOpenDisplay(nullptr);
  int damage_event = 0, damage_error = 0;
  if (display == nullptr || !XDamageQueryExtension(display, &damage_event, &damage_error)) {
    fprintf(stderr, "velmora-first-paint: no X display with the DAMAGE extension\n");
    return 69;
  }
  XSetErrorHandler(ignore_errors);
  XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
  XSync(display, False);

  const double start = now_ms();
  const pid_t pid = fork();
  if (pid == 0) {
    setpgid(0, 0);
    execvp(argv[2 + idle], argv + 2 + idle);
    _exit(127);
  }
  setpgid(pid, pid);
  double painted = -1;
  const int fd = ConnectionNumber(display);
  while (painted < 0) {
    if (XPending(display) == 0) {
      pollfd wake{fd, POLLIN, 0};
      if (poll(&wake, 1, 1000) == 0 && waitpid(pid, nullptr, WNOHANG) == pid) {
        fprintf(stderr, "velmora-first-paint: %s ended before it painted\n", argv[2 + idle]);
        return 1;
      }
      if (now_ms() - start > 60000) {
        fprintf(stderr, "velmora-first-paint: no window \"%s\" painted in 60 s\n", title);
        kill(-pid, SIGKILL);
        return 1;
      }
      continue;
    }
    XEvent event{};
    XNextEvent(display, &event);
    if (event.type == CreateNotify) {
      XDamageCreate(display, event.xcreatewindow.window, XDamageReportNonEmpty);
    } else if (event.type == damage_event + XDamageNotify) {
      const Window window = reinterpret_cast<XDamageNotifyEvent*>(&event)->drawable;
      XWindowAttributes attributes{};
      if (XGetWindowAttributes(display, window, &attributes) &&
          attributes.map_state == IsViewable && has_title(display, window, title)) {
        painted = now_ms() - start;
      }
    }
  }
  if (idle) {
    wait_until_idle(pid);
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    return 0;
  }
  kill(-pid, SIGKILL);
  int status = 0;
  rusage usage{};
  wait4(pid, &status, 0, &usage);
  printf("%.1f %ld\n", painted, usage.ru_maxrss);
  return 0;
}
