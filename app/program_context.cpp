#include "app/program_context.h"

#include <QDir>

#include "db/connection_string.h"

namespace app {

ProgramContext& context() {
    static ProgramContext instance;
    return instance;
}

void setProgramDirectory(const QString& directory) {
    QString cleaned = QDir::toNativeSeparators(directory);
    while (cleaned.size() > 1 && cleaned.endsWith(QDir::separator())) {
        cleaned.chop(1);
    }
    context().programDirectory = cleaned;
    context().connectionString = db::buildConnectionString(cleaned, db::databasePassword());
}

QString programFile(const QString& fileName) {
    return context().programDirectory + QDir::separator() + fileName;
}

}  // namespace app
