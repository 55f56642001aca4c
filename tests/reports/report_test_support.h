#pragma once

// Helpers shared by the report engine's tests: the application object the layout needs, the
// repository's report files, the folder of sample PDFs, and the text of a PDF as it prints.

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

#include "db/clock.h"

namespace reporttest {

// Laying out text needs a QGuiApplication; tests run headless (offscreen).
inline void ensureApplication() {
    if (QCoreApplication::instance() != nullptr)
        return;
    static int argc = 1;
    static char name[] = "reports_test";
    static char* argv[] = {name, nullptr};
    new QApplication(argc, argv);
}

inline QString sourceDir() {
    return QString::fromLocal8Bit(qgetenv("VELORIMA_SOURCE_DIR"));
}

inline QString reportFile(const QString& name) {
    return QDir(sourceDir()).filePath(QStringLiteral("report-files/") + name);
}

inline QString fixtureFile(const QString& name) {
    return QDir(sourceDir())
        .filePath(QStringLiteral("tests/reports/fixtures/") + name + QStringLiteral(".json"));
}

// The build tree's report-samples folder, where the tests leave one PDF of every report file
// for a person to look at. The build tree is the nearest folder above the test's working
// folder that holds a CMakeCache.txt.
inline QString samplesDir() {
    QDir dir = QDir::current();
    while (!dir.exists(QStringLiteral("CMakeCache.txt")) && dir.cdUp()) {
    }
    if (!dir.exists(QStringLiteral("CMakeCache.txt")))
        dir = QDir::current();
    dir.mkpath(QStringLiteral("report-samples"));
    return dir.filePath(QStringLiteral("report-samples"));
}

// The text of a PDF laid out as on paper, pages separated by form feeds, trailing blanks cut.
inline QString pdfText(const QString& pdfPath) {
    QProcess process;
    process.start(QStringLiteral("pdftotext"),
                  {QStringLiteral("-layout"), QStringLiteral("-enc"), QStringLiteral("UTF-8"),
                   pdfPath, QStringLiteral("-")});
    if (!process.waitForFinished(60000) || process.exitCode() != 0) {
        ADD_FAILURE() << "pdftotext (poppler-utils) could not read " << pdfPath.toStdString();
        return {};
    }
    QString text = QString::fromUtf8(process.readAllStandardOutput());
    static const QRegularExpression trailing(QStringLiteral("[ \\t]+(?=\\n|\\f|$)"));
    return text.replace(trailing, QString());
}

inline QStringList pdfPages(const QString& pdfPath) {
    QStringList pages = pdfText(pdfPath).split(QLatin1Char('\f'));
    while (!pages.isEmpty() && pages.last().trimmed().isEmpty()) pages.removeLast();
    return pages;
}

// Fixes the program's "today" for the lifetime of the object (the print date in footers).
class FixedToday {
public:
    explicit FixedToday(const QDate& day) { db::Clock::set(QDateTime(day, QTime(9, 30))); }
    ~FixedToday() { db::Clock::reset(); }
};

}  // namespace reporttest
