#include "programme/food_menu.h"

#include "common/forbidden_characters.h"
#include "db/quoting.h"

namespace programme {

namespace {

const QStringList& dayStems() {
    static const QStringList stems{
        QStringLiteral("DEYTERA"), QStringLiteral("TRITH"),     QStringLiteral("TETARTH"),
        QStringLiteral("PEMPTH"),  QStringLiteral("PARASKEYH"), QStringLiteral("SABBATO"),
    };
    return stems;
}

}  // namespace

QString foodMenuTable() {
    return QStringLiteral("FAGHTO");
}

QString foodMenuSort() {
    return QStringLiteral("PROGRAMMA ASC");
}

QString foodMenuNameColumn() {
    return QStringLiteral("PROGRAMMA");
}

QString mealColumn(int day, int meal) {
    return dayStems().at(day) + u'_' + QString::number(meal + 1);
}

QString dayHeading(int day) {
    static const QStringList headings{
        QStringLiteral("ΔΕΥΤΕΡΑ"), QStringLiteral("ΤΡΙΤΗ"),     QStringLiteral("ΤΕΤΑΡΤΗ"),
        QStringLiteral("ΠΕΜΠΤΗ"),  QStringLiteral("ΠΑΡΑΣΚΕΥΗ"), QStringLiteral("ΣΑΒΒΑΤΟ"),
    };
    return headings.at(day);
}

QString mealHeading(int meal) {
    static const QStringList headings{
        QStringLiteral("ΠΡΩΙΝΟ"),
        QStringLiteral("ΜΕΣΗΜΕΡΙΑΝΟ"),
        QStringLiteral("ΑΠΟΓΕΥΜΑΤΙΝΟ"),
    };
    return headings.at(meal);
}

bool isAcceptableMenuName(const QString& name) {
    return common::passesForbiddenCharacterTest(name.trimmed());
}

QString foodMenuReportFile() {
    return QStringLiteral("FAGHTO.RAV");
}

QString foodMenuDataConnection() {
    return QStringLiteral("RvDataSetConnection14");
}

QString printAllMenusStatement() {
    return QStringLiteral("SELECT * FROM FAGHTO");
}

QString printMenuStatement(const QString& name) {
    return QStringLiteral("SELECT * FROM FAGHTO WHERE PROGRAMMA=") + db::quotedText(name);
}

}  // namespace programme
