// The console's own cost per command: a line read, split, dispatched and run against the demo
// desktop with one Inspector open, its output written to /dev/null. Each case runs one
// command line over and over; the commands leave the desktop as they found it.

#include "Console.h"
#include "DesktopSession.h"
#include "InputSource.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <memory>
#include <string>
#include <unistd.h>

namespace {

// Standard output goes to /dev/null while a case runs, so that the terminal's speed is not
// measured; the benchmark's own report prints afterwards.
class QuietOutput {
public:
    QuietOutput() {
        std::fflush(stdout);
        saved_ = dup(STDOUT_FILENO);
        int null = open("/dev/null", O_WRONLY);
        dup2(null, STDOUT_FILENO);
        close(null);
    }
    ~QuietOutput() {
        std::fflush(stdout);
        dup2(saved_, STDOUT_FILENO);
        close(saved_);
    }
    QuietOutput(const QuietOutput&) = delete;
    QuietOutput& operator=(const QuietOutput&) = delete;

private:
    int saved_ = -1;
};

void RunCommand(benchmark::State& state, const std::string& line) {
    QuietOutput quiet;
    setenv("MVDESK_REGISTRY", "/tmp/mvconsole-bench-registry.json", 1);
    DesktopSession session;
    std::string error;
    std::string program = std::string(MV_BUILD_BIN_DIR) + "/mvdesk";
    if (!session.Start({}, program, error)) {
        state.SkipWithError(error.c_str());
        return;
    }
    InputSource input("/dev/null");
    Console console(session, input);
    console.Execute("open Stage");
    for (auto _ : state)
        benchmark::DoNotOptimize(console.Execute(line));
    console.Shutdown();
}

} // namespace

BENCHMARK_CAPTURE(RunCommand, echo, std::string("echo marking a place"));
BENCHMARK_CAPTURE(RunCommand, status, std::string("status 1"));
BENCHMARK_CAPTURE(RunCommand, click, std::string("click 1 9"));
BENCHMARK_CAPTURE(RunCommand, key, std::string("key 1 Down Up"));
BENCHMARK_CAPTURE(RunCommand, show, std::string("show 1"));
BENCHMARK_CAPTURE(RunCommand, unknown, std::string("frobnicate"));

BENCHMARK_MAIN();
