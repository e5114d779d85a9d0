// Test probe: asks the global allocation routine for the number of bytes given as the last
// argument; "-q" first makes it a quiet run.
#include <cstdlib>
#include <cstring>
#include <new>

#include "common/io/trace.h"

int main(int argc, char** argv)
{
    f_setQuiet(argc > 2 && std::strcmp(argv[1], "-q") == 0);
    // Kept in a volatile pointer so that the compiler cannot leave the allocation out.
    static void* volatile block;
    block = ::operator new(std::strtoull(argv[argc - 1], nullptr, 10));
    ::operator delete(block);
    return 0;
}
