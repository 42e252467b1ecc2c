// Runs a command through the shell, as a user would: its exit code and the
// lines of its standard output.
#pragma once

#include <sys/wait.h>

#include <cstdio>
#include <string>
#include <vector>

namespace morvello::testing {

struct CommandRun {
    int exitCode = -1;
    std::vector<std::string> out;
};

inline CommandRun runCommand(const std::string& command) {
    CommandRun run;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return run;
    char buffer[8192];
    std::string line;
    while (fgets(buffer, sizeof buffer, pipe)) {
        line += buffer;
        if (line.back() == '\n') {
            line.pop_back();
            run.out.push_back(line);
            line.clear();
        }
    }
    run.exitCode = WEXITSTATUS(pclose(pipe));
    return run;
}

}  // namespace morvello::testing
