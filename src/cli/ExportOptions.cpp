#include "cli/ExportOptions.h"

#include <cstring>

namespace amsaview {

bool NamesAnExport(int argc, const char* const* argv) {
    for (int i = 1; i < argc; ++i) {
        for (const char* name : {"--pdf", "--svg", "--png"}) {
            const std::size_t length = std::strlen(name);
            if (std::strncmp(argv[i], name, length) == 0 &&
                (argv[i][length] == '\0' || argv[i][length] == '=' || argv[i][length] == '-')) {
                return true;
            }
        }
    }
    return false;
}

}  // namespace amsaview
