#pragma once

#include <QString>
#include <QStringList>

namespace app {

// The calculator programs of the usual desktops, in the order they are looked for.
QStringList knownCalculators();

// The first known calculator found on the search path; empty when there is none.
QString findCalculator();

// Starts the calculator without waiting for it; false when none was found or it did not start.
bool startCalculator();

QString noCalculatorMessage();

// Said when no file browser could be started on the picture folder.
QString noFileBrowserMessage(const QString& folder);

// The advice the "Backup" command gives: the database is one file to copy.
QString backupAdvice();

}  // namespace app
