#pragma once

#include <QDialog>
#include <QStringView>
#include <memory>
#include <vector>

namespace common {
struct ProgramContext;
}

namespace app {

// Makes the program's long-lived windows in their fixed order, for ui::LongLivedWindows to
// keep until the program ends.
std::vector<std::unique_ptr<QDialog>> createLongLivedWindows(const common::ProgramContext& context);

// How a long-lived window is made, by its command id; empty when the window is not built.
using LongLivedFactory = std::unique_ptr<QDialog> (*)(const common::ProgramContext& context);
LongLivedFactory longLivedFactory(QStringView command);

}  // namespace app
