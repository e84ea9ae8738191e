// Times a program from its start until its first window is mapped on the X server, over several
// runs, and prints the median and the fastest run in milliseconds.
//
//   window_shown RUNS PROGRAM [ARG ...]
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// Starts the program and waits for a top-level window of it to be mapped; -1 when none shows.
double TimeOneRun(xcb_connection_t* connection, char** command) {
    const Clock::time_point start = Clock::now();
    const pid_t child = fork();
    if (child < 0) return -1;
    if (child == 0) {
        execv(command[0], command);
        _exit(127);
    }
    double elapsed = -1;
    while (xcb_generic_event_t* event = xcb_wait_for_event(connection)) {
        const bool mapped = (event->response_type & 0x7f) == XCB_MAP_NOTIFY &&
                            !reinterpret_cast<xcb_map_notify_event_t*>(event)->override_redirect;
        std::free(event);
        if (mapped) {
            elapsed = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
            break;
        }
    }
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    return elapsed;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: window_shown RUNS PROGRAM [ARG ...]\n");
        return 64;
    }
    const int runs = std::atoi(argv[1]);
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        std::fprintf(stderr, "window_shown: cannot reach the X server (DISPLAY)\n");
        return 69;
    }
    xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection, screen->root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(connection);

    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        const double elapsed = TimeOneRun(connection, argv + 2);
        if (elapsed < 0) {
            std::fprintf(stderr, "window_shown: %s showed no window\n", argv[2]);
            return 1;
        }
        times.push_back(elapsed);
    }
    std::sort(times.begin(), times.end());
    std::printf("median %.0f ms, fastest %.0f ms over %d runs\n", times[times.size() / 2],
                times.front(), runs);
    xcb_disconnect(connection);
    return 0;
}
