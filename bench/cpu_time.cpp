// Processor time of whole processes in nanoseconds, threads that have already
// ended included (summing /proc/PID/task/*/schedstat would drop those, and the
// game's audio thread ends each time the sound stream closes).
//
// Usage: bench_cpu_time PID...  (one figure a line)
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

int main(int argc, char* argv[])
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s PID...\n", argv[0]);
        return 2;
    }
    for (int i = 1; i < argc; ++i) {
        const auto pid = static_cast<pid_t>(std::atol(argv[i]));
        clockid_t clock{};
        timespec t{};
        const int error = clock_getcpuclockid(pid, &clock);
        if (error != 0 || clock_gettime(clock, &t) != 0) {
            std::fprintf(stderr, "%s: no processor clock for %s: %s\n", argv[0], argv[i],
                         std::strerror(error != 0 ? error : errno));
            return 1;
        }
        std::printf("%lld\n", static_cast<long long>(t.tv_sec) * 1'000'000'000LL + t.tv_nsec);
    }
    return 0;
}
