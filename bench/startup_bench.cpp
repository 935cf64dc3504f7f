// Start-up, side by side: runs the probe (the program's own start-up) and the bare Qt
// baseline alternately, each in a fresh process, and compares time to idle, wall time to
// exit, CPU time and peak resident memory. The first pair warms the page cache and is
// not counted; the order alternates so that neither side always runs second.
//   parsella_startup_bench [RUNS]     (RUNS pairs, default 30)
// The Qt platform is whatever the environment selects (QT_QPA_PLATFORM, DISPLAY); the
// children report which one they used.
#include "Stats.h"

#ifdef _WIN32
#include <windows.h>
#include <psapi.h>
#else
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>
#include <vector>

#ifndef _WIN32
extern char **environ;
#endif

namespace {

long long monotonicNs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts.tv_sec * 1000000000LL + ts.tv_nsec;
}

#ifndef _WIN32
double ms(const timeval &tv)
{
    return double(tv.tv_sec) * 1e3 + double(tv.tv_usec) / 1e3;
}
#endif

struct Run {
    double idleMs = 0; // process start to main window shown and idle, as the child saw it
    double wallMs = 0; // process start to exit, as the parent saw it
    double cpuMs = 0;  // user + system
    double rssMiB = 0; // peak resident set
};

// Starts `path` with the current stamp, reads its report and reaps it with its usage.
#ifdef _WIN32
// Windows has neither posix_spawn nor wait4: the same run through CreateProcess, with the
// child's CPU times and peak working set asked of the process handle before it is closed.
bool runOnce(const char *path, Run &run, std::string &platform)
{
    SECURITY_ATTRIBUTES inherit{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    HANDLE readEnd = nullptr, writeEnd = nullptr;
    if (!CreatePipe(&readEnd, &writeEnd, &inherit, 0))
        return false;
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    HANDLE nul = CreateFileA("NUL", GENERIC_WRITE, FILE_SHARE_WRITE, &inherit, OPEN_EXISTING, 0, nullptr);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = nullptr;
    startup.hStdOutput = writeEnd;
    startup.hStdError = nul;
    PROCESS_INFORMATION child{};

    const long long start = monotonicNs();
    std::string command = std::string("\"") + path + "\" " + std::to_string(start);
    const BOOL started = CreateProcessA(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr,
                                        nullptr, &startup, &child);
    CloseHandle(writeEnd);
    if (nul != INVALID_HANDLE_VALUE)
        CloseHandle(nul);
    if (!started) {
        std::fprintf(stderr, "cannot start %s: error %lu\n", path, GetLastError());
        CloseHandle(readEnd);
        return false;
    }
    std::string report;
    char buf[256];
    DWORD n = 0;
    while (ReadFile(readEnd, buf, sizeof buf, &n, nullptr) && n > 0)
        report.append(buf, n);
    CloseHandle(readEnd);
    WaitForSingleObject(child.hProcess, INFINITE);
    const long long end = monotonicNs();
    DWORD exitCode = 1;
    GetExitCodeProcess(child.hProcess, &exitCode);
    FILETIME created, exited, kernel, user;
    GetProcessTimes(child.hProcess, &created, &exited, &kernel, &user);
    PROCESS_MEMORY_COUNTERS memory{};
    GetProcessMemoryInfo(child.hProcess, &memory, sizeof memory);
    CloseHandle(child.hThread);
    CloseHandle(child.hProcess);
    const auto hundredNs = [](const FILETIME &t) {
        return double((ULONGLONG(t.dwHighDateTime) << 32) | t.dwLowDateTime);
    };

    long long idleNs = -1;
    char name[64] = "";
    const bool reported = std::sscanf(report.c_str(), "idle_ns %lld platform %63s", &idleNs, name) == 2
        && idleNs >= 0;
    if (exitCode != 0 || !reported) {
        std::fprintf(stderr, "%s failed (exit code %lu, report \"%s\")\n", path, exitCode, report.c_str());
        return false;
    }
    platform = name;
    run.idleMs = double(idleNs) / 1e6;
    run.wallMs = double(end - start) / 1e6;
    run.cpuMs = (hundredNs(kernel) + hundredNs(user)) / 1e4;
    run.rssMiB = double(memory.PeakWorkingSetSize) / (1024.0 * 1024.0);
    return true;
}
#else
bool runOnce(const char *path, Run &run, std::string &platform)
{
    int out[2];
    if (pipe(out) != 0)
        return false;
    // Qt's notes on stderr are kept aside and shown only if the run fails.
    FILE *err = std::tmpfile();
    if (!err)
        return false;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, fileno(err), STDERR_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    posix_spawn_file_actions_addclose(&actions, out[1]);

    const long long start = monotonicNs();
    std::string stamp = std::to_string(start);
    char *argv[] = {const_cast<char *>(path), stamp.data(), nullptr};
    pid_t pid = 0;
    const int rc = posix_spawn(&pid, path, &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    if (rc != 0) {
        std::fprintf(stderr, "cannot start %s: %s\n", path, std::strerror(rc));
        close(out[0]);
        std::fclose(err);
        return false;
    }

    std::string report;
    char buf[256];
    for (;;) {
        const ssize_t n = read(out[0], buf, sizeof buf);
        if (n > 0)
            report.append(buf, size_t(n));
        else if (n == 0 || errno != EINTR)
            break;
    }
    close(out[0]);

    int status = 0;
    rusage usage{};
    const pid_t reaped = wait4(pid, &status, 0, &usage);
    const long long end = monotonicNs();
    long long idleNs = -1;
    char name[64] = "";
    const bool clean = reaped == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
    const bool reported = std::sscanf(report.c_str(), "idle_ns %lld platform %63s", &idleNs, name) == 2
        && idleNs >= 0;
    if (!clean || !reported) {
        std::fprintf(stderr, "%s failed (status %d, report \"%s\"); its messages:\n", path,
                     status, report.c_str());
        std::rewind(err);
        int c;
        while ((c = std::fgetc(err)) != EOF)
            std::fputc(c, stderr);
        std::fclose(err);
        return false;
    }
    std::fclose(err);
    platform = name;
    run.idleMs = double(idleNs) / 1e6;
    run.wallMs = double(end - start) / 1e6;
    run.cpuMs = ms(usage.ru_utime) + ms(usage.ru_stime);
    run.rssMiB = double(usage.ru_maxrss) / 1024.0; // kilobytes on Linux
    return true;
}
#endif

struct Series {
    std::vector<double> idle, wall, cpu, rss;
    void add(const Run &r)
    {
        idle.push_back(r.idleMs);
        wall.push_back(r.wallMs);
        cpu.push_back(r.cpuMs);
        rss.push_back(r.rssMiB);
    }
};

void row(const char *what, const char *unit, const std::vector<double> &base,
         const std::vector<double> &prog)
{
    const bench::Summary b = bench::summarize(base);
    const bench::Summary p = bench::summarize(prog);
    std::printf("%-22s %-4s %9.2f %9.2f  %9.2f %9.2f  %6.3f %6.3f\n", what, unit, b.median,
                b.min, p.median, p.min, b.median > 0 ? p.median / b.median : 0.0,
                b.min > 0 ? p.min / b.min : 0.0);
}

} // namespace

int main(int argc, char *argv[])
{
    const int runs = argc > 1 ? std::atoi(argv[1]) : 30;
    if (runs < 1) {
        std::fprintf(stderr, "usage: %s [RUNS]\n", argv[0]);
        return 2;
    }
    const char *baseline = PARSELLA_BENCH_BASELINE;
    const char *probe = PARSELLA_BENCH_PROBE;
    std::string platform;

    Series base, prog;
    for (int i = 0; i <= runs; ++i) {
        Run b, p;
        const bool baselineFirst = i % 2 == 0;
        bool ok = baselineFirst ? runOnce(baseline, b, platform) && runOnce(probe, p, platform)
                                : runOnce(probe, p, platform) && runOnce(baseline, b, platform);
        if (!ok)
            return 1;
        if (i == 0)
            continue; // warm-up pair
        base.add(b);
        prog.add(p);
    }

    std::printf("start-up, %d runs each, platform %s\n", runs, platform.c_str());
    std::printf("%-27s %9s %9s  %9s %9s  %6s %6s\n", "", "baseline", "", "parsella", "",
                "ratio", "ratio");
    std::printf("%-27s %9s %9s  %9s %9s  %6s %6s\n", "", "median", "min", "median", "min",
                "median", "min");
    row("time to shown and idle", "ms", base.idle, prog.idle);
    row("wall time to exit", "ms", base.wall, prog.wall);
    row("CPU time (user+sys)", "ms", base.cpu, prog.cpu);
    row("peak RSS", "MiB", base.rss, prog.rss);
    return 0;
}
