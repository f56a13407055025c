#pragma once

#include "atlas/Atlas.h"

namespace amsaview {

// Reading the places takes a few tens of milliseconds: one atlas serves all tests.
inline const Atlas& SharedAtlas() {
    static const Atlas atlas;
    return atlas;
}

}  // namespace amsaview
