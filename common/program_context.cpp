#include "common/program_context.h"

#include <QDir>

#include "db/connection_string.h"

namespace common {

void ProgramContext::setProgramDirectory(const QString& directory) {
    QString cleaned = QDir::toNativeSeparators(directory);
    while (cleaned.size() > 1 && cleaned.endsWith(QDir::separator())) {
        cleaned.chop(1);
    }
    programDirectory = cleaned;
    connectionString = db::buildConnectionString(cleaned, db::databasePassword());
}

QString ProgramContext::programFile(const QString& fileName) const {
    return programDirectory + QDir::separator() + fileName;
}

ProgramContext programContextIn(const QString& directory) {
    ProgramContext context;
    context.setProgramDirectory(directory);
    return context;
}

}  // namespace common
