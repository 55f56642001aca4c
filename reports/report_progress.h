#pragma once

#include <functional>

namespace reports {

// Told how far the preparation of a report has come: `done` of `total` steps, `done` rising
// and reaching `total` when the report is ready to be shown.
using Progress = std::function<void(int done, int total)>;

}  // namespace reports
