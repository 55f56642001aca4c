#pragma once

#include "common/progress.h"

namespace reports {

// Told how far the preparation of a report has come.
using Progress = common::Progress;

}  // namespace reports
