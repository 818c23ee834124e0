// Start-up benchmark: launches a program and one or more baselines in turn on the current X
// display and measures, per run, the time from fork/exec until the X server maps the program's
// first top-level window, and the peak resident memory (VmHWM) a moment later. Prints each
// one's medians and the ratios of the program's medians to each baseline's. The targets hold
// against the first baseline. Meant for a private Xvfb where nothing else maps windows.
//
// Usage: startup_bench [--runs N] [--settle-ms MS] PROGRAM BASELINE...

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

struct Sample {
  double mapMs = 0;    // fork to MapNotify
  long hwmKiB = 0;     // VmHWM just before SIGTERM
  long maxrssKiB = 0;  // ru_maxrss from wait4, the same figure seen by the kernel at exit
};

struct Series {
  std::string path;
  std::vector<Sample> samples;
};

// A window the program destroyed before we asked about it is not an error worth stopping for.
int IgnoreXErrors(Display*, XErrorEvent*) { return 0; }

std::optional<pid_t> WindowPid(Display* dpy, Window window, Atom netWmPid) {
  Atom type = None;
  int format = 0;
  unsigned long count = 0, after = 0;
  unsigned char* data = nullptr;
  if (XGetWindowProperty(dpy, window, netWmPid, 0, 1, False, XA_CARDINAL, &type, &format, &count, &after, &data) !=
      Success)
    return std::nullopt;
  std::optional<pid_t> pid;
  if (data && type == XA_CARDINAL && format == 32 && count == 1)
    pid = static_cast<pid_t>(*reinterpret_cast<unsigned long*>(data));
  if (data) XFree(data);
  return pid;
}

long VmHwmKiB(pid_t pid) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind("VmHWM:", 0) == 0) return std::strtol(line.c_str() + 6, nullptr, 10);
  return 0;
}

// Waits for a MapNotify of a top-level whose _NET_WM_PID is the child's; false on timeout or
// when the child dies first.
bool WaitForMap(Display* dpy, Atom netWmPid, pid_t child, Clock::time_point deadline) {
  const int fd = ConnectionNumber(dpy);
  for (;;) {
    while (XPending(dpy)) {
      XEvent event;
      XNextEvent(dpy, &event);
      if (event.type != MapNotify || event.xmap.override_redirect) continue;
      if (WindowPid(dpy, event.xmap.window, netWmPid) == child) return true;
    }
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    if (left <= 0) return false;
    // WNOWAIT leaves the child to be reaped, with its rusage, by the caller.
    siginfo_t info{};
    if (waitid(P_PID, static_cast<id_t>(child), &info, WEXITED | WNOHANG | WNOWAIT) == 0 && info.si_pid == child)
      return false;
    pollfd p{fd, POLLIN, 0};
    poll(&p, 1, static_cast<int>(std::min<long long>(left, 50)));
  }
}

std::optional<Sample> RunOnce(Display* dpy, Atom netWmPid, const std::string& path, int settleMs) {
  XSync(dpy, True);  // forget the previous run's events
  const auto start = Clock::now();
  const pid_t child = fork();
  if (child < 0) {
    std::perror("fork");
    return std::nullopt;
  }
  if (child == 0) {
    const int null = open("/dev/null", O_WRONLY);
    if (null >= 0) {
      dup2(null, STDOUT_FILENO);
      dup2(null, STDERR_FILENO);
    }
    execl(path.c_str(), path.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  const bool mapped = WaitForMap(dpy, netWmPid, child, start + std::chrono::seconds(20));
  const auto mappedAt = Clock::now();
  Sample sample;
  if (mapped) {
    sample.mapMs = std::chrono::duration<double, std::milli>(mappedAt - start).count();
    // The first paint follows the map; memory is read once it has landed.
    std::this_thread::sleep_for(std::chrono::milliseconds(settleMs));
    sample.hwmKiB = VmHwmKiB(child);
  }
  kill(child, SIGTERM);
  int status = 0;
  rusage usage{};
  if (wait4(child, &status, 0, &usage) == child) sample.maxrssKiB = usage.ru_maxrss;
  if (!mapped) {
    const std::string how = WIFEXITED(status)     ? "it exited with status " + std::to_string(WEXITSTATUS(status))
                            : WIFSIGNALED(status) ? "it ended by signal " + std::to_string(WTERMSIG(status))
                                                  : "it did not end";
    std::fprintf(stderr, "%s: no window mapped within 20 s; %s\n", path.c_str(), how.c_str());
    return std::nullopt;
  }
  return sample;
}

template <typename T, typename F>
double Median(const std::vector<T>& items, F value) {
  std::vector<double> v;
  for (const T& item : items) v.push_back(value(item));
  std::sort(v.begin(), v.end());
  const size_t n = v.size();
  return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

template <typename T, typename F>
std::pair<double, double> Range(const std::vector<T>& items, F value) {
  double lo = value(items.front()), hi = lo;
  for (const T& item : items) lo = std::min(lo, value(item)), hi = std::max(hi, value(item));
  return {lo, hi};
}

std::string BaseName(const std::string& path) {
  const size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

int Usage(const char* argv0) {
  std::fprintf(stderr, "usage: %s [--runs N] [--settle-ms MS] PROGRAM BASELINE...\n", argv0);
  return 2;
}

// The program's targets against the first baseline, a window with one label of text like the
// About window's notice.
constexpr double kTimeTarget = 1.15;
constexpr double kMemoryTarget = 1.10;

}  // namespace

int main(int argc, char** argv) {
  int runs = 15, settleMs = 500;
  std::vector<std::string> programs;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--runs" && i + 1 < argc)
      runs = std::atoi(argv[++i]);
    else if (arg == "--settle-ms" && i + 1 < argc)
      settleMs = std::atoi(argv[++i]);
    else if (!arg.empty() && arg[0] == '-')
      return Usage(argv[0]);
    else
      programs.push_back(arg);
  }
  if (programs.size() < 2 || runs < 1) return Usage(argv[0]);
  for (const std::string& p : programs)
    if (access(p.c_str(), X_OK) != 0) {
      std::fprintf(stderr, "%s: not an executable\n", p.c_str());
      return 2;
    }

  Display* dpy = XOpenDisplay(nullptr);
  if (!dpy) {
    std::fprintf(stderr, "cannot open display \"%s\"\n", XDisplayName(nullptr));
    return 2;
  }
  // The children must not inherit our connection.
  fcntl(ConnectionNumber(dpy), F_SETFD, FD_CLOEXEC);
  XSetErrorHandler(IgnoreXErrors);
  const Atom netWmPid = XInternAtom(dpy, "_NET_WM_PID", False);
  // Selected before any child starts, so no map can slip past.
  XSelectInput(dpy, DefaultRootWindow(dpy), SubstructureNotifyMask);
  XSync(dpy, False);
  // Both programs must find the X server, not an offscreen platform.
  setenv("QT_QPA_PLATFORM", "xcb", 1);

  std::vector<Series> series;
  for (const std::string& p : programs) series.push_back({p, {}});
  // One untimed run each, so neither pays alone for a cold page cache.
  for (Series& s : series)
    if (!RunOnce(dpy, netWmPid, s.path, settleMs)) return 1;
  // Interleaved, the order rotated every round, so drift in the machine's load hits all alike.
  const size_t count = series.size();
  for (int round = 0; round < runs; ++round)
    for (size_t k = 0; k < count; ++k) {
      Series& s = series[(round + k) % count];
      const std::optional<Sample> sample = RunOnce(dpy, netWmPid, s.path, settleMs);
      if (!sample) return 1;
      s.samples.push_back(*sample);
    }
  XCloseDisplay(dpy);

  std::printf("startup bench: %d runs each, interleaved, on display %s\n", runs, XDisplayName(nullptr));
  const auto ms = [](const Sample& s) { return s.mapMs; };
  const auto hwm = [](const Sample& s) { return static_cast<double>(s.hwmKiB); };
  const auto rss = [](const Sample& s) { return static_cast<double>(s.maxrssKiB); };
  for (const Series& s : series) {
    const auto [tlo, thi] = Range(s.samples, ms);
    const auto [mlo, mhi] = Range(s.samples, hwm);
    std::printf(
        "%-16s fork to map: median %6.1f ms (min %6.1f, max %6.1f)   VmHWM: median %6.0f KiB (min %6.0f, "
        "max %6.0f)   ru_maxrss: median %6.0f KiB\n",
        BaseName(s.path).c_str(), Median(s.samples, ms), tlo, thi, Median(s.samples, hwm), mlo, mhi,
        Median(s.samples, rss));
  }
  for (size_t b = 1; b < count; ++b) {
    const std::string against = BaseName(series[b].path);
    const double timeRatio = Median(series[0].samples, ms) / Median(series[b].samples, ms);
    const double memRatio = Median(series[0].samples, hwm) / Median(series[b].samples, hwm);
    if (b == 1) {
      std::printf("startup time ratio against %s: %.2f (target <= %.2f)\n", against.c_str(), timeRatio, kTimeTarget);
      std::printf("peak memory ratio against %s: %.2f (target <= %.2f)\n", against.c_str(), memRatio, kMemoryTarget);
    } else {
      std::printf("startup time ratio against %s: %.2f (no target)\n", against.c_str(), timeRatio);
      std::printf("peak memory ratio against %s: %.2f (no target)\n", against.c_str(), memRatio);
    }
  }
  return 0;
}
