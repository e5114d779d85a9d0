// Test probe: asks the global allocation routine for the number of bytes given as argument
// ("-q" first: as a quiet run does).
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>

#include "common/io/trace.h"

int main(int argc, char** argv)
{
    if (argc > 1 && std::strcmp(argv[1], "-q") == 0) {
        f_setQuiet(true);
        --argc;
        ++argv;
    }
    if (argc < 2) return 2;
    const std::size_t bytes = std::strtoull(argv[1], nullptr, 10);
    // Kept in a volatile pointer so that the compiler cannot leave the allocation out.
    static char* volatile block;
    block = static_cast<char*>(::operator new(bytes));
    std::printf("allocated %zu\n", bytes);
    ::operator delete(block);
    return 0;
}
