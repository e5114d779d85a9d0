// The global allocation routine: memory comes from the process heap; a request that cannot be
// met ends the run with the message "\n Not enough rooms for new N" and exit code 7, so that no
// caller ever has to handle a failed allocation.
#include <cstdio>
#include <cstdlib>
#include <new>

#include "common/io/trace.h"

namespace {

[[noreturn]] void outOfMemory(std::size_t bytes)
{
    // Formatted without the heap: the message must get out when nothing more can be allocated.
    if (f_isQuiet()) std::fflush(stdout);
    std::FILE* stream = f_isQuiet() ? stderr : stdout;
    std::fprintf(stream, "\n Not enough rooms for new %zu", bytes);
    std::fflush(stream);
    std::_Exit(7);
}

void* allocate(std::size_t bytes)
{
    void* p = std::malloc(bytes == 0 ? 1 : bytes);
    if (p == nullptr) outOfMemory(bytes);
    return p;
}

}  // namespace

void* operator new(std::size_t bytes) { return allocate(bytes); }
void* operator new[](std::size_t bytes) { return allocate(bytes); }
void* operator new(std::size_t bytes, const std::nothrow_t&) noexcept { return allocate(bytes); }
void* operator new[](std::size_t bytes, const std::nothrow_t&) noexcept { return allocate(bytes); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { std::free(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { std::free(p); }

// Under AddressSanitizer, let a request that cannot be met return null like the plain heap does,
// so that the message and exit code above stay the same in sanitizer builds.
extern "C" const char* __asan_default_options() { return "allocator_may_return_null=1"; }
