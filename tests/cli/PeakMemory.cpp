// Runs a program and prints its exit status, peak resident memory in KiB and time in seconds.
// A program started straight from a test inherits the test's own peak in its account (the
// kernel counts the memory it replaced at exec), so the tests start it through this small one.
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>

// Usage: cli_peak_memory ERROR_FILE PROGRAM [ARGUMENT...]; the program's standard output is
// dropped and its standard error goes to ERROR_FILE.
int main(int argc, char** argv) {
    if (argc < 3) return 2;
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        const int err = open(argv[1], O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const int null = open("/dev/null", O_WRONLY);
        if (err < 0 || null < 0 || dup2(err, 2) < 0 || dup2(null, 1) < 0) _exit(126);
        execv(argv[2], argv + 2);
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    if (pid < 0 || wait4(pid, &status, 0, &usage) != pid) return 2;
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("%d %ld %.3f\n", WIFEXITED(status) ? WEXITSTATUS(status) : -1, usage.ru_maxrss,
                seconds);
    return 0;
}
