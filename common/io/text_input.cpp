// Whole-line reading over C streams: no fixed buffer, so a long line is never split in two.
#include "common/io/text_input.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

FilePtr f_openFile(const std::string& path, const char* mode)
{
    FilePtr file(std::fopen(path.c_str(), mode));
    if (!file) return file;
    struct stat info;
    if (fstat(fileno(file.get()), &info) == 0 && S_ISDIR(info.st_mode)) {
        file.reset();
        errno = EISDIR;
    }
    return file;
}

FilePtr f_openInput(const std::string& path)
{
    if (path != "-") return f_openFile(path, "rb");
    const int copy = dup(STDIN_FILENO);
    FilePtr file(copy < 0 ? nullptr : fdopen(copy, "rb"));
    if (copy >= 0 && !file) close(copy);
    return file;
}

std::string f_inputName(const std::string& path) { return path == "-" ? "standard input" : path; }

bool f_readLine(std::FILE* file, std::string& line)
{
    line.clear();
    constexpr std::size_t kChunk = 4096;
    char chunk[kChunk + 1];  // room for the line feed after a carriage return at the chunk's end
    for (;;) {
        // fgets cannot tell NUL bytes from the end of its text, so read byte-wise through the
        // stream's own buffer instead.
        std::size_t used = 0;
        int c = 0;
        bool ended = false;
        while (!ended && used < kChunk && (c = getc_unlocked(file)) != EOF) {
            chunk[used++] = static_cast<char>(c);
            if (c == '\n') {
                ended = true;
            } else if (c == '\r') {
                // A carriage return alone (old Macintosh files) ends a line as a line feed does;
                // before a line feed it is part of that line end.
                const int next = getc_unlocked(file);
                if (next == '\n')
                    chunk[used++] = '\n';
                else if (next != EOF)
                    ungetc(next, file);
                ended = true;
            }
        }
        line.append(chunk, used);
        if (ended || c == EOF) break;
    }
    return !line.empty();
}
