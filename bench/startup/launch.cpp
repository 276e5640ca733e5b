// startup-launch PROGRAM [ARGS...]
//
// Prints "exec" and the CLOCK_MONOTONIC time in ms on stderr, then runs
// PROGRAM in its place: the zero point for the phases the profiling build
// (vkt_startup_profile) prints in the same clock.

#include <cstdio>
#include <ctime>
#include <unistd.h>

int main(int argc, char **argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s PROGRAM [ARGS...]\n", argv[0]);
        return 2;
    }
    timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    std::fprintf(stderr, "%-12s %8.2f\n", "exec", t.tv_sec * 1e3 + t.tv_nsec / 1e6);
    execv(argv[1], argv + 1);
    std::perror(argv[1]);
    return 127;
}
