// Output files written through a temporary file and a rename.
//   1. temporaries removed on interrupting signals   2. creating   3. committing
#include "common/io/file_output.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>

namespace {

// ---- 1. temporaries removed on interrupting signals ----

constexpr int kPendingSlots = 8;
constexpr std::size_t kPathRoom = 4096;
char g_pending[kPendingSlots][kPathRoom];
volatile sig_atomic_t g_pendingUsed[kPendingSlots];

extern "C" void removePendingAndReraise(int signalNumber)
{
    for (int i = 0; i < kPendingSlots; ++i)
        if (g_pendingUsed[i]) unlink(g_pending[i]);
    signal(signalNumber, SIG_DFL);
    raise(signalNumber);
}

// Pictures may be written side by side: the slots, the signal handlers and the file mask are
// taken under this lock.
std::mutex g_lock;

void installInterruptCleanup()
{
    const std::lock_guard<std::mutex> guard(g_lock);
    static bool installed = false;
    if (installed) return;
    installed = true;
    for (int s : {SIGINT, SIGTERM, SIGHUP}) {
        struct sigaction current;
        if (sigaction(s, nullptr, &current) == 0 && current.sa_handler == SIG_DFL) {
            struct sigaction action;
            std::memset(&action, 0, sizeof action);
            action.sa_handler = removePendingAndReraise;
            sigaction(s, &action, nullptr);
        }
    }
}

int claimSlot(const std::string& temporary)
{
    const std::lock_guard<std::mutex> guard(g_lock);
    if (temporary.size() >= kPathRoom) return -1;
    for (int i = 0; i < kPendingSlots; ++i) {
        if (g_pendingUsed[i]) continue;
        std::memcpy(g_pending[i], temporary.c_str(), temporary.size() + 1);
        g_pendingUsed[i] = 1;
        return i;
    }
    return -1;  // more open files than slots: still written, just not cleaned up on a signal
}

void releaseSlot(atomic_file& file)
{
    const std::lock_guard<std::mutex> guard(g_lock);
    if (file.pendingSlot >= 0) g_pendingUsed[file.pendingSlot] = 0;
    file.pendingSlot = -1;
}

void removeTemporary(atomic_file& file)
{
    if (!file.temporary.empty()) unlink(file.temporary.c_str());
    file.temporary.clear();
    releaseSlot(file);
}

// ---- 2. creating ----

// The file that writing to path reaches: a symbolic link is followed to what it names.
std::string followLink(const std::string& path)
{
    struct stat info;
    if (lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return path;
    char* resolved = realpath(path.c_str(), nullptr);
    if (resolved == nullptr) return path;  // a dangling link: the name itself is replaced
    std::string target = resolved;
    std::free(resolved);
    return target;
}

mode_t newFileMode()
{
    const std::lock_guard<std::mutex> guard(g_lock);
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

}  // namespace

atomic_file::~atomic_file()
{
    stream.reset();
    removeTemporary(*this);
}

bool f_createAtomicFile(atomic_file& file, const std::string& path)
{
    file.stream.reset();
    removeTemporary(file);
    if (path.empty()) return false;

    const std::string target = followLink(path);
    struct stat info;
    const bool exists = stat(target.c_str(), &info) == 0;
    if (exists && (S_ISDIR(info.st_mode) || access(target.c_str(), W_OK) != 0 ||
                   (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0))
        return false;
    if (exists && !S_ISREG(info.st_mode)) {  // a device or a pipe cannot be replaced
        file.stream = f_openFile(target, "wb");
        file.target = target;
        return static_cast<bool>(file.stream);
    }

    installInterruptCleanup();
    std::string temporary = target + ".tmp.XXXXXX";
    const int fd = mkstemp(temporary.data());
    if (fd < 0) return false;
    file.temporary = temporary;
    file.pendingSlot = claimSlot(temporary);
    file.stream.reset(fdopen(fd, "wb"));
    if (!file.stream || fchmod(fd, exists ? (info.st_mode & 07777) : newFileMode()) != 0) {
        if (!file.stream) close(fd);
        file.stream.reset();
        removeTemporary(file);
        return false;
    }
    file.target = target;
    return true;
}

// ---- 3. committing ----

bool f_commitAtomicFile(atomic_file& file)
{
    if (!file.stream) {
        removeTemporary(file);
        return false;
    }
    bool written = std::fflush(file.stream.get()) == 0 && std::ferror(file.stream.get()) == 0;
    written = std::fclose(file.stream.release()) == 0 && written;
    if (file.temporary.empty()) return written;
    if (written && std::rename(file.temporary.c_str(), file.target.c_str()) == 0) {
        file.temporary.clear();
        releaseSlot(file);
        return true;
    }
    removeTemporary(file);
    return false;
}

bool f_writeFileAtomically(const std::string& path, const void* data, std::size_t size)
{
    atomic_file file;
    if (!f_createAtomicFile(file, path)) return false;
    if (size > 0 && std::fwrite(data, 1, size, file.stream.get()) != size) return false;
    return f_commitAtomicFile(file);
}
