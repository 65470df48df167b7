// Root reads and writes every file whatever its mode, so a test about a file or folder
// that may not be written runs its checks as the unprivileged user `nobody` when the
// suite runs as root (as CI does): in a child process that drops to that user first.
#pragma once

#include <cerrno>
#include <functional>
#include <sys/wait.h>
#include <unistd.h>

#include <grp.h>

constexpr uid_t kUidNadie = 65534;

// Runs `prueba` as a user without privileges and returns its result. The child leaves
// with _exit, so nothing of the test program's own shutdown runs twice.
inline bool ComoUsuarioComun(const std::function<bool()> &prueba)
{
    if (::geteuid() != 0)
        return prueba();
    const pid_t hijo = ::fork();
    if (hijo < 0)
        return false;
    if (hijo == 0) {
        const bool sinPrivilegios
            = ::setgroups(0, nullptr) == 0 && ::setgid(kUidNadie) == 0 && ::setuid(kUidNadie) == 0;
        ::_exit(sinPrivilegios && prueba() ? 0 : 1);
    }
    int estado = 0;
    pid_t fin;
    do
        fin = ::waitpid(hijo, &estado, 0);
    while (fin < 0 && errno == EINTR);
    return fin == hijo && WIFEXITED(estado) && WEXITSTATUS(estado) == 0;
}
