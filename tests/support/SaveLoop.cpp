// Rewrites a settings file for ever, alternating between two contents, so that
// a test can kill it at any moment.
#include "schedule/DataFiles.h"

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2)
        return 2;
    const tollix::GeneralSettings a, b{.auto_exe = 1, .fileListIndex = 12, .timeMode = 2};
    std::puts("saving");
    std::fflush(stdout);
    for (unsigned long i = 0;; ++i)
        if (!tollix::datafiles::writeGeneral(argv[1], i % 2 ? a : b).empty())
            return 1;
}
