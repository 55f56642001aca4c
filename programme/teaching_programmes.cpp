#include "programme/teaching_programmes.h"

#include "common/date_literal.h"

namespace programme {

namespace {

// The literal of one key text: a date literal, or the year as a whole number.
std::optional<QString> keyLiteral(const ProgrammeKey& key, const QString& text) {
    if (key.isDate) {
        const QString literal = common::dateLiteral(text);
        if (text.isEmpty() || literal == common::dateLiteralError()) {
            return std::nullopt;
        }
        return literal;
    }
    bool isNumber = false;
    const qint64 year = text.toLongLong(&isNumber);
    return isNumber ? std::optional<QString>(QString::number(year)) : std::nullopt;
}

QString oneWeekStatement(const QStringList& literals) {
    return QStringLiteral("SELECT APO,MEXRI,KEIMENO FROM EBDOMADIAIO WHERE APO=") + literals.at(0) +
           QStringLiteral(" AND MEXRI=") + literals.at(1) + QStringLiteral(" ORDER BY APO DESC");
}

QString oneDayStatement(const QStringList& literals) {
    return QStringLiteral("SELECT HMEROMHNIA, KEIMENO FROM HMERHSIO WHERE HMEROMHNIA=") +
           literals.at(0) + QStringLiteral(" ORDER BY HMEROMHNIA DESC");
}

QString oneYearStatement(const QStringList& literals) {
    return QStringLiteral("SELECT * FROM XRONIAIO WHERE ETOS=") + literals.at(0);
}

}  // namespace

const TeachingProgramme& weeklyProgramme() {
    static const TeachingProgramme kind{
        QStringLiteral("Εβδομαδιαίο πρόγραμμα διδασκαλίας"),
        QStringLiteral("EBDOMADIAIO"),
        QStringLiteral("APO DESC"),
        {{QStringLiteral("APO"), QStringLiteral("Από:"), QStringLiteral("Από"),
          QStringLiteral("(π.χ 20/05/2007)")},
         {QStringLiteral("MEXRI"), QStringLiteral("Μέχρι:"), QStringLiteral("Μέχρι"),
          QStringLiteral("(π.χ 27/05/2007)")}},
        QStringLiteral("EBDOMADIAIO.RAV"),
        QStringLiteral("RvDataSetConnection10"),
        QStringLiteral("SELECT APO, MEXRI, KEIMENO FROM EBDOMADIAIO ORDER BY APO DESC"),
        &oneWeekStatement,
    };
    return kind;
}

const TeachingProgramme& dailyProgramme() {
    static const TeachingProgramme kind{
        QStringLiteral("Ημερήσιο πρόγραμμα διδασκαλίας"),
        QStringLiteral("HMERHSIO"),
        QStringLiteral("HMEROMHNIA DESC"),
        {{QStringLiteral("HMEROMHNIA"), QStringLiteral("Ημερομηνία:"), QStringLiteral("Ημερομηνία"),
          QStringLiteral("(π.χ 27/05/2007)")}},
        QStringLiteral("HMERHSIO.RAV"),
        QStringLiteral("RvDataSetConnection13"),
        QStringLiteral("SELECT HMEROMHNIA, KEIMENO FROM HMERHSIO ORDER BY HMEROMHNIA DESC"),
        &oneDayStatement,
    };
    return kind;
}

const TeachingProgramme& yearlyProgramme() {
    static const TeachingProgramme kind{
        QStringLiteral("Ετήσιο πρόγραμμα διδασκαλίας"),
        QStringLiteral("XRONIAIO"),
        QStringLiteral("ETOS DESC"),
        {{QStringLiteral("ETOS"), QStringLiteral("Έτος:"), QStringLiteral("Έτος"), QString(),
          false}},
        QStringLiteral("ETHSIO.RAV"),
        QStringLiteral("RvDataSetConnection11"),
        QStringLiteral("SELECT * FROM XRONIAIO ORDER BY ETOS DESC"),
        &oneYearStatement,
    };
    return kind;
}

std::optional<QString> printSelectedStatement(const TeachingProgramme& kind,
                                              const QStringList& keyTexts) {
    if (keyTexts.size() != kind.keys.size()) {
        return std::nullopt;
    }
    QStringList literals;
    for (qsizetype i = 0; i < kind.keys.size(); ++i) {
        const std::optional<QString> literal = keyLiteral(kind.keys.at(i), keyTexts.at(i));
        if (!literal) {
            return std::nullopt;
        }
        literals.append(*literal);
    }
    return kind.printOneStatement(literals);
}

}  // namespace programme
