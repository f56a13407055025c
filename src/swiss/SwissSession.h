#pragma once

#include <string>

namespace amsaview {

// Points this thread's Swiss Ephemeris at `dataPath`. Debian's build keeps
// the library's path, sidereal mode, open files and caches thread-local, so
// threads need no lock; setting the path closes and reopens the files, so it
// is done only when the path changes, and each thread closes its files when
// it ends. The environment variable SE_EPHE_PATH wins over this path.
void UseSwissDataPath(const std::string& dataPath);

}  // namespace amsaview
