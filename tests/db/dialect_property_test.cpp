#include <gtest/gtest.h>

#include <QDate>

#include "children/birthdays.h"
#include "common/today_parts.h"
#include "db/connection.h"
#include "db/dialect.h"
#include "db/error.h"
#include "db/query.h"
#include "finance/issued_receipts.h"
#include "finance/tuition_receipt.h"
#include "organiser/todays_reminder.h"
#include "searches/canned_searches.h"
#include "support/delivered_database.h"
#include "support/property.h"

using namespace Qt::StringLiterals;

namespace {

// Characters that mean something to the translator or the engine, and some that do not.
const QString kTricky = u"'\"#[]()/\\:;,.%_*=<> \n\tTRUEFALSEDAYMONTHYEARDATE0123456789αΩé"_s;

// One piece of a generated statement: its text in the program's dialect and what the
// translator must turn it into.
struct Piece {
    QString dialect;
    QString engine;
};

// Words of the dialect that the translator rewrites in code: names, keywords, functions,
// literals, the ERROR marker.
const QList<QString> kWords = {
    u"SELECT"_s, u"FROM"_s, u"WHERE"_s,   u"AND"_s,         u"TRUE"_s,     u"false"_s,
    u"DATE()"_s, u"DAY("_s, u"Month"_s,   u"YEAR"_s,        u"STR"_s,      u"Format("_s,
    u"UCASE"_s,  u"LEN("_s, u"T.DATE"_s,  u"X.TRUE"_s,      u"[NAME 1]"_s, u"ERROR"_s,
    u"17.50"_s,  u"3"_s,    u"ΕΠΩΝΥΜΟ"_s, u"#3/28/2007#"_s,
};

// Code outside any literal: words and punctuation.
QString code(testsupport::PropertyInputs& inputs) {
    QString text;
    for (int i = inputs.number(0, 3); i > 0; --i) {
        text += inputs.oneOf(kWords) + inputs.oneOf(u" ,=()<>*+-"_s);
    }
    return text;
}

// Quoted text holding what would be rewritten outside quotes: words, date literals, brackets,
// double quotes, doubled single quotes.
Piece quotedText(testsupport::PropertyInputs& inputs) {
    QString content;
    for (int i = inputs.number(0, 4); i > 0; --i) {
        content += inputs.chance(50) ? inputs.oneOf(kWords) : inputs.text(kTricky, 4);
    }
    content.replace(u'\'', u"''"_s);
    const QString quoted = u'\'' + content + u'\'';
    return {quoted, quoted};
}

Piece dateLiteral(testsupport::PropertyInputs& inputs) {
    const QDate day = QDate(1900, 1, 1).addDays(inputs.number(0, 80000));
    return {u"#%1/%2/%3#"_s.arg(day.month()).arg(day.day()).arg(day.year()),
            u'\'' + day.toString(Qt::ISODate) + u'\''};
}

Piece doubleQuotedText(testsupport::PropertyInputs& inputs) {
    const QString content = inputs.text(u"'#[]TRUE αé %"_s, 8);
    return {u'"' + content + u'"', u'\'' + QString(content).replace(u'\'', u"''"_s) + u'\''};
}

// The statements of the program, as material for mutations.
QList<QString> realStatements() {
    QList<QString> statements;
    for (const searches::CannedSearch& search : searches::cannedSearches()) {
        statements.append(search.statement());
    }
    const common::TodayParts today = common::todayParts(QDate(2024, 2, 29));
    statements << organiser::todaysReminderTextStatement(today)
               << children::birthdaysCountStatement(today.day, today.month)
               << finance::issuedReceiptsStatement() << finance::tuitionReceiptStatement(1041);
    return statements;
}

// Statements made of known pieces: every literal comes out as the translator must write it,
// in order, and quoted text is never touched. The marker ERROR is never turned into anything.
TEST(DialectProperties, LiteralsComeOutAsTheyMustAndQuotedTextIsNeverChanged) {
    testsupport::PropertyInputs inputs;
    SCOPED_TRACE(inputs.replay());
    for (int run = 0; run < inputs.runs(5000); ++run) {
        QString statement;
        QList<Piece> pieces;
        for (int i = inputs.number(1, 6); i > 0; --i) {
            statement += code(inputs);
            const int kind = inputs.number(0, 2);
            pieces.append(kind == 0   ? quotedText(inputs)
                          : kind == 1 ? dateLiteral(inputs)
                                      : doubleQuotedText(inputs));
            // A blank apart: two quoted texts side by side would be one with a doubled quote.
            statement += pieces.last().dialect + u' ';
        }
        statement += code(inputs);
        SCOPED_TRACE(statement.toStdString());

        QString translated;
        ASSERT_NO_THROW(translated = db::translate(statement));
        qsizetype from = 0;
        for (const Piece& piece : pieces) {
            const qsizetype at = translated.indexOf(piece.engine, from);
            ASSERT_GE(at, 0) << piece.dialect.toStdString() << " -> " << translated.toStdString();
            from = at + piece.engine.size();
        }
        EXPECT_EQ(translated.count(u"ERROR"_s), statement.count(u"ERROR"_s));
    }
}

// The program's statements with random edits: the translator either translates or refuses with
// db::Error, and the engine either runs what it wrote or refuses it with db::Error.
TEST(DialectProperties, MutatedStatementsAreTranslatedAndRunOrRefusedNeverCrash) {
    testsupport::DeliveredDatabase database;
    database.connection().execute(
        u"INSERT INTO CHILDREN(ARITHMOS_MHTRWOY,ONOMA_PAIDIOY,EPWNYMO_PAIDIOY,HMEROMHNIA_GENNHSEWS,"
        "ENERGO) VALUES(1,'Ελένη','Παπαδάκη',#2/29/2020#,'ΝΑΙ')"_s);
    const QList<QString> statements = realStatements();
    testsupport::PropertyInputs inputs;
    SCOPED_TRACE(inputs.replay());
    int translated = 0;
    int ran = 0;
    for (int run = 0; run < inputs.runs(1500); ++run) {
        const QString statement = inputs.mutated(inputs.oneOf(statements), kTricky, 2);
        SCOPED_TRACE(statement.toStdString());
        try {
            db::translate(statement);
            ++translated;
            db::Query query(database.connection(), statement);
            query.open();
            ++ran;
        } catch (const db::Error&) {
        }
    }
    // Most edits leave a statement that still translates, and some one that still runs.
    EXPECT_GT(translated, inputs.runs(1500) / 2);
    EXPECT_GT(ran, inputs.runs(1500) / 50);
}

}  // namespace
