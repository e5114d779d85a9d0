// Whole-line reading over C streams: no fixed buffer, so a long line is never split in two.
#include "common/options/text_input.h"

#include <sys/stat.h>

#include <cstdlib>

FilePtr f_openFile(const std::string& path, const char* mode)
{
    FilePtr file(std::fopen(path.c_str(), mode));
    if (!file) return file;
    struct stat info;
    if (fstat(fileno(file.get()), &info) == 0 && S_ISDIR(info.st_mode)) file.reset();
    return file;
}

bool f_readLine(std::FILE* file, std::string& line)
{
    line.clear();
    char chunk[4096];
    for (;;) {
        // fgets cannot tell NUL bytes from the end of its text, so read byte-wise through the
        // stream's own buffer instead.
        std::size_t used = 0;
        int c = 0;
        while (used < sizeof chunk && (c = getc_unlocked(file)) != EOF) {
            chunk[used++] = static_cast<char>(c);
            if (c == '\n') break;
        }
        line.append(chunk, used);
        if (c == '\n' || c == EOF) break;
    }
    return !line.empty();
}
