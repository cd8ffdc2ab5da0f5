#pragma once
// Runs a test body as an ordinary user: root writes files and folders that are read-only for
// everyone else, so as root the body runs in a child process that has become "nobody".

#include <grp.h>
#include <pwd.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <functional>
#include <optional>

namespace tavelo::test {

// Whether the body passed, as `failed` tells in the process that ran it; nullopt when root
// has no "nobody" to become.
inline std::optional<bool> RunUnprivileged(const std::function<void()>& body,
                                           const std::function<bool()>& failed) {
    if (geteuid() != 0) {
        body();
        return !failed();
    }
    const passwd* nobody = getpwnam("nobody");
    if (!nobody) return std::nullopt;
    constexpr int kCannotBecome = 3;
    std::fflush(nullptr);
    const pid_t child = fork();
    if (child == 0) {
        const bool became = setgroups(0, nullptr) == 0 && setgid(nobody->pw_gid) == 0 &&
                            setuid(nobody->pw_uid) == 0;
        if (became) body();
        std::fflush(nullptr);
        _exit(!became ? kCannotBecome : failed() ? 1 : 0);
    }
    int status = 0;
    if (child < 0 || waitpid(child, &status, 0) != child || !WIFEXITED(status)) return false;
    if (WEXITSTATUS(status) == kCannotBecome) return std::nullopt;
    return WEXITSTATUS(status) == 0;
}

}  // namespace tavelo::test
