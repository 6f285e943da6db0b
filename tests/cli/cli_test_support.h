// Runs the real plotwise-cli and collects what it printed and its exit code.
#pragma once

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace plotwise::testing_support {

struct CliRun {
    std::string out;
    std::string err;
    int code;
};

inline std::string Quote(const std::string& arg) {
    std::string quoted = "'";
    for (char c : arg)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

inline CliRun RunCli(const std::vector<std::string>& args) {
    // One file per test process: CTest runs tests side by side.
    const std::string errFile =
        testing::TempDir() + "plotwise_cli_stderr_" + std::to_string(getpid()) + ".txt";
    std::string command = PLOTWISE_CLI;
    for (const std::string& arg : args) {
        command += ' ';
        command += Quote(arg);
    }
    command += " 2>";
    command += Quote(errFile);
    CliRun run;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return {"", "popen failed", -1};
    char buffer[4096];
    std::size_t n = 0;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0)
        run.out.append(buffer, n);
    const int status = pclose(pipe);
    run.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    std::ifstream errStream(errFile);
    std::stringstream errText;
    errText << errStream.rdbuf();
    run.err = errText.str();
    std::remove(errFile.c_str());
    return run;
}

}  // namespace plotwise::testing_support
