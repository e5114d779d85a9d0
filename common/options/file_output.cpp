// Writing output files through a temporary file beside the target and a rename: a failed or
// interrupted run never leaves a half-written file in place of an old one.
#include "common/options/file_output.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

namespace {

// The temporary file being written, removed if the process is interrupted meanwhile.
char g_pendingTemporary[4096];
volatile sig_atomic_t g_hasPendingTemporary = 0;

extern "C" void removePendingAndReraise(int signalNumber)
{
    if (g_hasPendingTemporary) unlink(g_pendingTemporary);
    signal(signalNumber, SIG_DFL);
    raise(signalNumber);
}

void installInterruptCleanup()
{
    static bool installed = false;
    if (installed) return;
    installed = true;
    for (int s : {SIGINT, SIGTERM, SIGHUP, SIGPIPE}) {
        struct sigaction current;
        if (sigaction(s, nullptr, &current) == 0 && current.sa_handler == SIG_DFL) {
            struct sigaction action;
            std::memset(&action, 0, sizeof action);
            action.sa_handler = removePendingAndReraise;
            sigaction(s, &action, nullptr);
        }
    }
}

// The permissions a newly created file would get, or those of the file it replaces.
mode_t targetMode(const struct stat* existing)
{
    if (existing != nullptr) return existing->st_mode & 07777;
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

bool writeAll(int fd, const unsigned char* data, std::size_t size)
{
    while (size > 0) {
        const ssize_t written = write(fd, data, size);
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        data += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

}  // namespace

bool f_writeFileAtomically(const std::string& path, const void* data, std::size_t size)
{
    struct stat existing;
    const bool exists = stat(path.c_str(), &existing) == 0;
    // A file the user made read-only (even for root, who may write anything), or anything that
    // is not a plain file, is not replaced.
    if (exists && (!S_ISREG(existing.st_mode) || access(path.c_str(), W_OK) != 0 ||
                   (existing.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0))
        return false;
    if (path.size() + 16 > sizeof g_pendingTemporary) return false;

    installInterruptCleanup();
    std::string temporary = path + ".tmp.XXXXXX";
    std::vector<char> name(temporary.begin(), temporary.end());
    name.push_back('\0');
    std::memcpy(g_pendingTemporary, name.data(), name.size());
    const int fd = mkstemp(g_pendingTemporary);
    if (fd < 0) return false;
    g_hasPendingTemporary = 1;

    bool ok = fchmod(fd, targetMode(exists ? &existing : nullptr)) == 0 &&
              writeAll(fd, static_cast<const unsigned char*>(data), size);
    ok = close(fd) == 0 && ok;
    ok = ok && rename(g_pendingTemporary, path.c_str()) == 0;
    if (!ok) unlink(g_pendingTemporary);
    g_hasPendingTemporary = 0;
    return ok;
}

