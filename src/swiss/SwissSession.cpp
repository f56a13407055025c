#include "swiss/SwissSession.h"

#include <swephexp.h>

namespace amsaview {
namespace {

struct ThreadSession {
    std::string dataPath;
    bool pathSet = false;

    ~ThreadSession() {
        if (pathSet) {
            swe_close();
        }
    }
};

thread_local ThreadSession threadSession;

}  // namespace

void UseSwissDataPath(const std::string& dataPath) {
    if (!threadSession.pathSet || threadSession.dataPath != dataPath) {
        swe_set_ephe_path(dataPath.c_str());
        threadSession.dataPath = dataPath;
        threadSession.pathSet = true;
    }
}

}  // namespace amsaview
