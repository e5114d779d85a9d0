// Tab-separated table files.
#include "common/io/table_output.h"

#include "common/io/file_output.h"
#include "common/io/trace.h"

bool f_writeTable(const std::string& path, const char* header,
                  const std::function<void(std::FILE*)>& writeRows)
{
    atomic_file file;
    if (!f_createAtomicFile(file, path)) return false;
    std::fputs(header, file.stream.get());
    std::fputc('\n', file.stream.get());
    writeRows(file.stream.get());
    if (!f_commitAtomicFile(file)) return false;
    f_wrote(path);
    return true;
}

void f_cantWriteTable(const std::string& path) { f_fail("\n Can't write table file %s\n", path.c_str()); }
