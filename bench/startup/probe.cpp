// startup-probe RUNS PROGRAM...
//
// Measures, for each program in turn and RUNS times (after one unmeasured
// warm-up run of each), the time from the fork of the process to the mapping
// of its first top-level window on the X display ($DISPLAY). The programs are
// started without arguments and with their output discarded, so they run
// exactly as a person starts them; each is ended with SIGTERM once its
// window is shown. Prints every sample and the median per program, in ms.

#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

double nowMs()
{
    using namespace std::chrono;
    return duration<double, std::milli>(steady_clock::now().time_since_epoch()).count();
}

void drain(xcb_connection_t *c)
{
    while (xcb_generic_event_t *e = xcb_poll_for_event(c))
        free(e);
}

// Starts the program and returns the milliseconds until one of its top-level
// windows is mapped; -1 on timeout.
double measure(xcb_connection_t *c, const char *program)
{
    drain(c);
    const double start = nowMs();
    const pid_t pid = fork();
    if (pid == 0) {
        const int null = open("/dev/null", O_WRONLY);
        dup2(null, 1);
        dup2(null, 2);
        execl(program, program, static_cast<char *>(nullptr));
        _exit(127);
    }
    double shown = -1;
    const int fd = xcb_get_file_descriptor(c);
    while (shown < 0 && nowMs() - start < 20000) {
        pollfd p{fd, POLLIN, 0};
        poll(&p, 1, 100);
        while (xcb_generic_event_t *e = xcb_poll_for_event(c)) {
            if ((e->response_type & 0x7F) == XCB_MAP_NOTIFY) {
                auto *map = reinterpret_cast<xcb_map_notify_event_t *>(e);
                if (!map->override_redirect && shown < 0)
                    shown = nowMs() - start;
            }
            free(e);
        }
    }
    kill(pid, SIGTERM);
    int status = 0;
    waitpid(pid, &status, 0);
    usleep(100000); // let the server settle before the next start
    drain(c);
    return shown;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n == 0 ? 0 : (n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2);
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s RUNS PROGRAM...\n", argv[0]);
        return 2;
    }
    const int runs = std::atoi(argv[1]);
    int screenNumber = 0;
    xcb_connection_t *c = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(c)) {
        std::fprintf(stderr, "cannot open the display\n");
        return 1;
    }
    xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(c, screen->root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(c);

    const int programs = argc - 2;
    std::vector<std::vector<double>> samples(static_cast<size_t>(programs));
    for (int p = 0; p < programs; ++p)
        measure(c, argv[2 + p]); // warm-up: libraries and fonts into the cache
    for (int r = 0; r < runs; ++r) {
        for (int p = 0; p < programs; ++p) { // interleaved: same conditions for all
            const double ms = measure(c, argv[2 + p]);
            if (ms < 0) {
                std::fprintf(stderr, "%s: no window within 20 s\n", argv[2 + p]);
                return 1;
            }
            samples[size_t(p)].push_back(ms);
        }
    }
    for (int p = 0; p < programs; ++p) {
        std::printf("%s:", argv[2 + p]);
        for (double ms : samples[size_t(p)])
            std::printf(" %.1f", ms);
        std::printf("\nmedian %.1f ms\n", median(samples[size_t(p)]));
    }
    for (int p = 1; p < programs; ++p)
        std::printf("ratio %s / %s: %.2f\n", argv[2], argv[2 + p], median(samples[0]) / median(samples[size_t(p)]));
    xcb_disconnect(c);
    return 0;
}
