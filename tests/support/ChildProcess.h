// Running part of a test in a child process, which may lower its own limits
// or rights without touching the test process, and running programs.
#pragma once

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <functional>
#include <optional>
#include <string>

namespace orbtest {

// The exit code of a child whose body could not set up what it needed.
inline constexpr int kChildDeclined = 77;

struct ChildResult {
    int exitCode = -1;   // 0 when the body ran, kChildDeclined when it could not
    std::string output;  // what the body returned
};

// Runs `body` in a forked child. It returns the text the test should see, or
// nothing when it cannot do its part. Assertions inside it would be lost, so
// it only reports.
inline ChildResult RunInChild(const std::function<std::optional<std::string>()>& body) {
    ChildResult result;
    int fds[2];
    if (::pipe(fds) != 0) {
        return result;
    }
    const pid_t pid = ::fork();
    if (pid < 0) {
        ::close(fds[0]);
        ::close(fds[1]);
        return result;
    }
    if (pid == 0) {
        ::close(fds[0]);
        const std::optional<std::string> text = body();
        if (!text) {
            ::_exit(kChildDeclined);
        }
        std::size_t done = 0;
        while (done < text->size()) {
            const ssize_t n = ::write(fds[1], text->data() + done, text->size() - done);
            if (n <= 0) {
                ::_exit(1);
            }
            done += static_cast<std::size_t>(n);
        }
        ::_exit(0);
    }
    ::close(fds[1]);
    char buffer[4096];
    ssize_t n = 0;
    while ((n = ::read(fds[0], buffer, sizeof buffer)) > 0) {
        result.output.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(fds[0]);
    int status = 0;
    if (::waitpid(pid, &status, 0) == pid && WIFEXITED(status)) {
        result.exitCode = WEXITSTATUS(status);
    }
    return result;
}

// What a shell command prints on its standard output.
inline std::string CommandOutput(const std::string& command) {
    std::string output;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr) {
        return output;
    }
    char buffer[256];
    while (std::fgets(buffer, sizeof buffer, pipe) != nullptr) {
        output += buffer;
    }
    ::pclose(pipe);
    return output;
}

}  // namespace orbtest
