// One libFuzzer program per reader: FUZZ_BODY names the harness function it feeds.
#include "harness.h"

#include <cstdio>

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // The readers' reports would drown libFuzzer's output, which goes to standard error.
    if (!std::freopen("/dev/null", "w", stdout))
        return 1;
    HarnessSetUp();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FUZZ_BODY(data, size);
    return 0;
}
