// Writes the manual page of hydrolofter-batch (roff) to standard output: ManualTool DATE.
#include "BatchOptions.h"
#include "Version.h"

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: hydrolofter-manual YYYY-MM-DD\n", stderr);
        return 2;
    }
    const std::string page = hydrolofter::batchManual(argv[1], hydrolofter::kVersion);
    return std::fwrite(page.data(), 1, page.size(), stdout) == page.size() &&
                   std::fflush(stdout) == 0
               ? 0
               : 1;
}
