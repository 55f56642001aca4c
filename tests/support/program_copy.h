#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>
#include <memory>

namespace testsupport {

// Starts the program copy the process tests use (tests/helpers/program_copy.cpp) with these
// arguments; the caller waits for what it needs. Only for tests whose target names it.
#ifdef VELORIMA_PROGRAM_COPY
inline std::unique_ptr<QProcess> startProgramCopy(const QStringList& arguments) {
    auto copy = std::make_unique<QProcess>();
    copy->start(QStringLiteral(VELORIMA_PROGRAM_COPY), arguments);
    copy->waitForStarted();
    return copy;
}
#endif

}  // namespace testsupport
