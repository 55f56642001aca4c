#pragma once

#include <functional>

namespace common {

// Told how far a long piece of work has come: `done` of `total` steps, `done` rising and
// reaching `total` when the work is finished. An empty one is told nothing.
using Progress = std::function<void(int done, int total)>;

// Tells the progress, when there is one.
inline void report(const Progress& progress, int done, int total) {
    if (progress) {
        progress(done, total);
    }
}

}  // namespace common
