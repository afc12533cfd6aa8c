// libFuzzer target: arbitrary bytes as answers and data file, through the whole run, for
// both text conventions. Byte 0 chooses the convention, byte 1 the length of the answers
// that follow it (after the fixed data file name); the rest is the data file.
#include "check.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *bytes, size_t size) {
    if (size < 2)
        return 0;
    bool dos = bytes[0] & 1;
    size_t alen = bytes[1] < size - 2 ? bytes[1] : size - 2;
    const char *p = (const char *)bytes + 2;
    std::string answers = "d " + std::string(p, alen);
    std::string data(p + alen, size - 2 - alen);
    const outcome &o = run_case(answers, data, dos);
    std::string err = check_outcome(o, dos);
    if (!err.empty()) {
        fprintf(stderr, "%s\n", err.c_str());
        abort();
    }
    return 0;
}
