// The libFuzzer entry of one target (QAV_FUZZ_ENTRY names it) and the
// check that stops the run, so libFuzzer keeps the input that broke it.
#include "FuzzSupport.h"
#include "FuzzTargets.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    return QAV_FUZZ_ENTRY(data, size);
}

void fuzzCheckFailed(const char* condition, const char* file, int line)
{
    std::fprintf(stderr, "%s:%d: check failed: %s\n", file, line, condition);
    std::abort();
}
