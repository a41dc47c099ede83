// Starts one program on the X server in DISPLAY and measures its start-up: the time from exec until
// its first top-level window is mapped, the processor time it has used once it has settled, and its
// resident memory then. Prints "map_ms=… cpu_ms=… rss_kb=…" and ends the program with SIGTERM.
//
//   startup-probe SETTLE_MS PROGRAM [ARGS…]
// STARTUP_PROBE_LIMIT_S is how long it waits for the window, and then for the program to end, before it
// gives up (20 s by default; more for a program under valgrind).
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

namespace {

long windowPid(Display* display, Window window)
{
    const Atom pidAtom = XInternAtom(display, "_NET_WM_PID", False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    long pid = -1;
    if (XGetWindowProperty(display, window, pidAtom, 0, 1, False, XA_CARDINAL, &type, &format, &count, &after, &data) ==
            Success &&
        data != nullptr) {
        if (count == 1 && format == 32) pid = static_cast<long>(*reinterpret_cast<unsigned long*>(data));
        XFree(data);
    }
    return pid;
}

// Processor time of all threads of a process in milliseconds, from the scheduler's nanosecond counts.
double cpuMs(pid_t pid)
{
    const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
    double total = 0;
    for (const auto& task : std::filesystem::directory_iterator(tasks)) {
        std::ifstream in(task.path() / "schedstat");
        double ns = 0;
        if (in >> ns) total += ns;
    }
    return total / 1e6;
}

long rssKb(pid_t pid)
{
    std::ifstream in("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(in, line)) {
        if (line.rfind("VmRSS:", 0) == 0) return std::atol(line.c_str() + 6);
    }
    return -1;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: startup-probe SETTLE_MS PROGRAM [ARGS...]\n");
        return 2;
    }
    const int settleMs = std::atoi(argv[1]);
    const char* limitText = std::getenv("STARTUP_PROBE_LIMIT_S");
    const int limitS = limitText != nullptr && std::atoi(limitText) > 0 ? std::atoi(limitText) : 20;
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "startup-probe: no X display\n");
        return 2;
    }
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[2], argv + 2);
        _exit(127);
    }
    double mapMs = -1;
    pollfd fd{ConnectionNumber(display), POLLIN, 0};
    while (mapMs < 0) {
        while (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MapNotify && !event.xmap.override_redirect &&
                windowPid(display, event.xmap.window) == child) {
                mapMs = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
                break;
            }
        }
        if (mapMs >= 0) break;
        int status = 0;
        if (waitpid(child, &status, WNOHANG) == child) {
            std::fprintf(stderr, "startup-probe: %s ended before it showed a window\n", argv[2]);
            return 1;
        }
        if (std::chrono::steady_clock::now() - start > std::chrono::seconds(limitS)) {
            kill(child, SIGKILL);
            std::fprintf(stderr, "startup-probe: no window within %d s\n", limitS);
            return 1;
        }
        poll(&fd, 1, 50);
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(settleMs));
    std::printf("map_ms=%.1f cpu_ms=%.1f rss_kb=%ld\n", mapMs, cpuMs(child), rssKb(child));
    std::fflush(stdout);
    kill(child, SIGTERM);
    for (int i = 0; i < limitS * 20; ++i) {
        int status = 0;
        if (waitpid(child, &status, WNOHANG) == child) return 0;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    return 0;
}
