#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

struct ConsoleRun {
    std::string output;
    int status = -1;
};

// Runs the console program on a script given as text, with a registry of its own; `shell`
// runs first in the same shell (a limit, say).
inline ConsoleRun RunConsole(const std::string& script, const std::string& arguments = "",
                             const std::string& shell = "") {
    char directory[] = "/tmp/mvdesk-test-XXXXXX";
    if (mkdtemp(directory) == nullptr)
        return {};
    std::string scriptPath = std::string(directory) + "/script.txt";
    std::ofstream(scriptPath) << script;
    std::string command = (shell.empty() ? "" : shell + "; ") +
                          "MVDESK_REGISTRY=" + std::string(directory) + "/registry.json " +
                          MV_BUILD_BIN_DIR + "/mvdesk " + arguments + " --script " + scriptPath +
                          " 2>&1";
    ConsoleRun run;
    FILE* pipe = popen(command.c_str(), "r");
    char buffer[4096];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
        run.output.append(buffer, n);
    int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    std::string cleanup = "rm -rf " + std::string(directory);
    std::system(cleanup.c_str());
    return run;
}

inline int Count(const std::string& text, const std::string& what) {
    int count = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
        ++count;
    return count;
}

// Each line is found in the output after the one before it.
inline void ExpectInOrder(const std::string& output, const std::vector<std::string>& lines) {
    size_t at = 0;
    for (const std::string& line : lines) {
        size_t found = output.find(line, at);
        EXPECT_NE(found, std::string::npos) << "missing, or out of order: " << line << "\n"
                                            << output;
        if (found != std::string::npos)
            at = found + line.size();
    }
}
