#pragma once
// Runs a test body as an ordinary user: root writes even read-only files and folders, so as
// root the body runs in a child process that has become "nobody".

#include <grp.h>
#include <pwd.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <functional>
#include <optional>

namespace tavelo::test {

// Whether the body passed, as `failed` tells where it ran; nullopt when root cannot become
// "nobody".
inline std::optional<bool> RunUnprivileged(const std::function<void()>& body,
                                           const std::function<bool()>& failed) {
    const passwd* nobody = geteuid() == 0 ? getpwnam("nobody") : nullptr;
    if (geteuid() != 0) body();
    if (!nobody) return geteuid() != 0 ? std::optional(!failed()) : std::nullopt;
    std::fflush(nullptr);
    const pid_t child = fork();
    if (child == 0) {
        if (setgroups(0, nullptr) != 0 || setgid(nobody->pw_gid) != 0 ||
            setuid(nobody->pw_uid) != 0)
            _exit(2);
        body();
        std::fflush(nullptr);
        _exit(failed() ? 1 : 0);
    }
    int status = 0;
    if (child < 0 || waitpid(child, &status, 0) != child || !WIFEXITED(status)) return false;
    if (WEXITSTATUS(status) == 2) return std::nullopt;
    return WEXITSTATUS(status) == 0;
}

}  // namespace tavelo::test
