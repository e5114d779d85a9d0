// Report file replacement: write to a temporary file beside the target, rename it over the
// target when the report is complete.
#include "dorvex/report_file.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>

namespace {

void removeTemp(report_file& report)
{
    if (!report.temp.empty()) ::unlink(report.temp.c_str());
    report.temp.clear();
}

// The file that writing to target reaches: a symbolic link is followed to what it names.
std::string resolveLink(const std::string& target)
{
    struct stat info;
    if (::lstat(target.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return target;
    char* resolved = ::realpath(target.c_str(), nullptr);
    if (resolved == nullptr) return target;  // a dangling link: the name itself is replaced
    std::string path = resolved;
    std::free(resolved);
    return path;
}

}  // namespace

report_file::~report_file()
{
    file.reset();
    removeTemp(*this);
}

int f_openReport(report_file& report, const std::string& target)
{
    report.file.reset();
    removeTemp(report);
    if (target.empty()) return 1;

    const std::string destination = resolveLink(target);
    struct stat info;
    const bool exists = ::stat(destination.c_str(), &info) == 0;
    if (exists && S_ISDIR(info.st_mode)) return 1;
    if (exists && ::access(destination.c_str(), W_OK) != 0) return 1;
    if (exists && !S_ISREG(info.st_mode)) {
        // A device or a pipe cannot be replaced; it is written as it is.
        report.file = f_openFile(destination, "wt");
        if (!report.file) return 1;
        report.destination = destination;
        return 0;
    }

    // A fresh name beside the destination; "x" refuses a name that is already taken.
    for (int attempt = 0; !report.file; ++attempt) {
        if (attempt == 100) return 1;
        const std::string temp =
            destination + ".tmp" + std::to_string(::getpid()) + "-" + std::to_string(attempt);
        report.file = f_openFile(temp, "wx");
        if (report.file)
            report.temp = temp;
        else if (errno != EEXIST)
            return 1;
    }
    // A new file gets the usual permissions from the open; a replaced one keeps its own.
    if (exists) (void)::fchmod(::fileno(report.file.get()), info.st_mode & 07777);
    report.destination = destination;
    return 0;
}

int f_closeReport(report_file& report)
{
    if (!report.file) {
        removeTemp(report);
        return 1;
    }
    bool written = std::fflush(report.file.get()) == 0 && std::ferror(report.file.get()) == 0;
    written = std::fclose(report.file.release()) == 0 && written;
    if (report.temp.empty()) return written ? 0 : 1;
    if (written && std::rename(report.temp.c_str(), report.destination.c_str()) == 0) {
        report.temp.clear();
        return 0;
    }
    removeTemp(report);
    return 1;
}
