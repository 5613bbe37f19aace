// first_window: starts a program on the X display and reports, as "key value" lines, how long
// its first window named NAME took to be mapped, then (when asked) how much memory it had
// taken at its peak and how much processor time it spent over an idle stretch. It ends the
// program at the end.
//
//   first_window NAME SETTLE-SECONDS IDLE-SECONDS PROGRAM [ARGUMENT...]
//
// Prints "window_ms" and "window_cpu_ms" (the program's processor time by then), and with
// SETTLE-SECONDS > 0 also "peak_rss_kb" (VmHWM after settling) and "idle_cpu_percent" (of one core,
// over the IDLE-SECONDS that follow the settling). Without a window manager, every top-level window
// is a child of the root window, so the map is seen as it happens. With no such window within a
// minute, it says so on the error stream and exits with 1.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <poll.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

bool Named(Display* display, Window window, const char* name)
{
    char* title = nullptr;
    const bool same = XFetchName(display, window, &title) && title && std::strcmp(title, name) == 0;
    if (title)
        XFree(title);
    return same;
}

long PeakRssKb(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    return -1;
}

// Processor time of the whole process so far, in nanoseconds, threads that have already ended
// included (a program may do part of its start on a thread that is gone by the first window).
// The kernel keeps it to the nanosecond, where /proc/PID/stat counts in clock ticks of 10 ms,
// too coarse for a start of some tens of milliseconds.
long long CpuNanoseconds(pid_t pid)
{
    clockid_t clock {};
    timespec spent {};
    if (clock_getcpuclockid(pid, &clock) != 0 || clock_gettime(clock, &spent) != 0)
        return 0;
    return static_cast<long long>(spent.tv_sec) * 1'000'000'000 + spent.tv_nsec;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 5) {
        std::fputs(
            "Usage: first_window NAME SETTLE-SECONDS IDLE-SECONDS PROGRAM [ARGUMENT...]\n", stderr);
        return 2;
    }
    const char* name = argv[1];
    const double settle = std::atof(argv[2]);
    const double idle = std::atof(argv[3]);
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fputs("first_window: no X display\n", stderr);
        return 1;
    }
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    const auto start = Clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[4], argv + 4);
        _exit(127);
    }
    double windowMs = -1;
    long long windowNs = 0;
    // Ends the program started and lets go of the display.
    const auto end = [&](int status) {
        kill(child, SIGTERM);
        waitpid(child, nullptr, 0);
        XCloseDisplay(display);
        return status;
    };
    // A program that never shows the window (or dies first) is reported, not waited for.
    constexpr auto kGiveUp = std::chrono::seconds(60);
    while (windowMs < 0) {
        if (!XPending(display)) {
            pollfd connection { ConnectionNumber(display), POLLIN, 0 };
            if (Clock::now() - start > kGiveUp || poll(&connection, 1, 500) < 0) {
                std::fprintf(stderr, "first_window: no window named \"%s\" within %lld s\n", name,
                    static_cast<long long>(kGiveUp.count()));
                return end(1);
            }
            continue;
        }
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == MapNotify && Named(display, event.xmap.window, name)) {
            windowMs = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
            windowNs = CpuNanoseconds(child);
        }
    }
    std::printf("window_ms %.1f\n", windowMs);
    // Processor time to the window, which a busy machine's other work does not lengthen.
    std::printf("window_cpu_ms %.1f\n", static_cast<double>(windowNs) / 1e6);
    if (settle > 0) {
        std::this_thread::sleep_for(std::chrono::duration<double>(settle));
        const long long before = CpuNanoseconds(child);
        std::this_thread::sleep_for(std::chrono::duration<double>(idle));
        const long long spent = CpuNanoseconds(child) - before;
        std::printf("peak_rss_kb %ld\n", PeakRssKb(child));
        std::printf("idle_cpu_percent %.3f\n", 100.0 * static_cast<double>(spent) / 1e9 / idle);
    }
    std::fflush(stdout);
    return end(0);
}
