// Starts a program and reports how long it took for its first top-level
// window to be mapped, and its memory a while (--settle, 1 s) later.
//
//   mapwatch [--settle MS] [--timeout MS] -- PROGRAM [ARGS...]
//
// Prints one line: "map_ms=<float> cpu_ms=<float> rss_kb=<int> anon_kb=<int>".
// The clock starts just before fork(); it stops when the X server's
// MapNotify for a new child of the root window (not override-redirect)
// reaches us; cpu_ms is the CPU time the program had used by then. We
// select SubstructureNotify on the root before forking, so no map can be
// missed. With no window manager running, that MapNotify is the window
// appearing.

#include <xcb/xcb.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <poll.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

struct Memory
{
    long residentKb = -1; // VmRSS: all resident pages, shared library code included
    long anonymousKb = -1; // RssAnon: the process's own heap and stacks
};

Memory memoryOf(pid_t pid)
{
    Memory memory;
    const std::string path = "/proc/" + std::to_string(pid) + "/status";
    FILE *file = std::fopen(path.c_str(), "r");
    if (!file)
        return memory;
    char line[256];
    while (std::fgets(line, sizeof line, file)) {
        if (std::strncmp(line, "VmRSS:", 6) == 0)
            memory.residentKb = std::strtol(line + 6, nullptr, 10);
        else if (std::strncmp(line, "RssAnon:", 8) == 0)
            memory.anonymousKb = std::strtol(line + 8, nullptr, 10);
    }
    std::fclose(file);
    return memory;
}

// CPU time the process has had so far, all its threads: less disturbed by
// other load on the machine than the wall-clock time to the map.
double cpuMs(pid_t pid)
{
    const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
    DIR *dir = opendir(tasks.c_str());
    if (!dir)
        return -1;
    double ns = 0;
    while (const dirent *entry = readdir(dir)) {
        if (entry->d_name[0] == '.')
            continue;
        FILE *file = std::fopen((tasks + '/' + entry->d_name + "/schedstat").c_str(), "r");
        if (!file)
            continue;
        unsigned long long onCpu = 0;
        if (std::fscanf(file, "%llu", &onCpu) == 1)
            ns += double(onCpu);
        std::fclose(file);
    }
    closedir(dir);
    return ns / 1e6;
}

// Ends the program however it answers SIGTERM: its exit status and what it
// prints are not looked at, and one that has not gone after 2 s is killed.
void stop(pid_t pid)
{
    kill(pid, SIGTERM);
    for (int i = 0; i < 200; ++i) { // up to 2 s for a clean end
        if (waitpid(pid, nullptr, WNOHANG) == pid)
            return;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}

int usage()
{
    std::fputs("usage: mapwatch [--settle MS] [--timeout MS] -- PROGRAM [ARGS...]\n", stderr);
    return 2;
}

} // namespace

int main(int argc, char **argv)
{
    int settleMs = 1000;
    int timeoutMs = 20000;
    int i = 1;
    for (; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--") {
            ++i;
            break;
        }
        if (arg == "--settle" && i + 1 < argc)
            settleMs = std::atoi(argv[++i]);
        else if (arg == "--timeout" && i + 1 < argc)
            timeoutMs = std::atoi(argv[++i]);
        else
            return usage();
    }
    if (i >= argc)
        return usage();

    // An X server that resets after its last client has left refuses
    // connections for a moment: try again for a few seconds before giving up.
    int screenNumber = 0;
    xcb_connection_t *connection = nullptr;
    for (int attempt = 0;; ++attempt) {
        connection = xcb_connect(nullptr, &screenNumber);
        const int error = xcb_connection_has_error(connection);
        if (!error)
            break;
        xcb_disconnect(connection);
        if (attempt == 100) {
            std::fprintf(
                    stderr,
                    "mapwatch: cannot connect to the X display (xcb error %d after %d tries)\n",
                    error, attempt + 1);
            return 1;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    const int fd = xcb_get_file_descriptor(connection);
    fcntl(fd, F_SETFD, FD_CLOEXEC); // the child must not share our connection

    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection));
    for (int s = 0; s < screenNumber; ++s)
        xcb_screen_next(&screens);
    const xcb_window_t root = screens.data->root;

    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_generic_error_t *error = xcb_request_check(
            connection,
            xcb_change_window_attributes_checked(connection, root, XCB_CW_EVENT_MASK, &mask));
    if (error) {
        std::fputs("mapwatch: cannot watch the root window\n", stderr);
        return 1;
    }

    // Our standard output carries the one line of figures; what the program
    // prints, while it runs or when it is ended, goes nowhere.
    const int null = open("/dev/null", O_WRONLY | O_CLOEXEC);

    const Clock::time_point start = Clock::now();
    const pid_t child = fork();
    if (child < 0) {
        std::perror("mapwatch: fork");
        return 1;
    }
    if (child == 0) {
        if (null >= 0)
            dup2(null, STDOUT_FILENO);
        execvp(argv[i], argv + i);
        std::perror("mapwatch: exec");
        _exit(127);
    }
    if (null >= 0)
        close(null);

    double mapMs = -1;
    double mapCpuMs = -1;
    bool exited = false;
    while (mapMs < 0) {
        xcb_generic_event_t *event = xcb_poll_for_event(connection);
        if (!event) {
            if (xcb_connection_has_error(connection))
                break;
            const double left = timeoutMs - msSince(start);
            if (left <= 0)
                break;
            if (waitpid(child, nullptr, WNOHANG) == child) {
                exited = true;
                break;
            }
            pollfd pfd{fd, POLLIN, 0};
            poll(&pfd, 1, int(left) + 1);
            continue;
        }
        if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY) {
            const auto *map = reinterpret_cast<xcb_map_notify_event_t *>(event);
            if (map->event == root && !map->override_redirect) {
                mapMs = msSince(start);
                mapCpuMs = cpuMs(child);
            }
        }
        std::free(event);
    }

    if (mapMs < 0) {
        std::fprintf(stderr, "mapwatch: %s mapped no window\n", argv[i]);
        if (!exited)
            stop(child);
        return 1;
    }

    std::this_thread::sleep_for(std::chrono::milliseconds(settleMs));
    const Memory memory = memoryOf(child);
    stop(child);
    xcb_disconnect(connection);
    std::printf("map_ms=%.3f cpu_ms=%.3f rss_kb=%ld anon_kb=%ld\n", mapMs, mapCpuMs,
                memory.residentKb, memory.anonymousKb);
    return memory.residentKb < 0 ? 1 : 0;
}
