// libFuzzer's entry point for one target, chosen at compile time (FUZZ_TARGET).
#include "tests/fuzz/fuzz_targets.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    return FUZZ_TARGET(data, size);
}
