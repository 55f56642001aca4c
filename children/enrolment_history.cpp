#include "children/enrolment_history.h"

#include "common/date_literal.h"
#include "common/forbidden_characters.h"
#include "db/command.h"
#include "db/error.h"
#include "db/query.h"
#include "db/quoting.h"
#include "db/transaction.h"
#include "finance/tuition_ledger.h"

namespace children {

using namespace Qt::StringLiterals;

QString historyStatement(const QString& registryNumber) {
    return u"select * from CHILDREN_EGG_DIAG WHERE ARITHMOS_MHTRWOY="_s + registryNumber +
           u" ORDER BY HMEROMHNIA_EGGRAFHS ASC"_s;
}

QString openPeriodsStatement(const QString& registryNumber) {
    return u"select count(*) AS SYNOLO FROM CHILDREN_EGG_DIAG WHERE ARITHMOS_MHTRWOY="_s +
           registryNumber + u" AND LOGOS_DIAGRAFHS IS NULL"_s;
}

int openPeriodCount(db::Connection& connection, const QString& registryNumber) {
    return db::scalar(connection, openPeriodsStatement(registryNumber)).toInt();
}

bool reEnrolmentAllowed(int openPeriods) {
    return openPeriods == 0;
}

bool deEnrolmentAllowed(int historyRows, const QString& currentReason) {
    return historyRows > 0 && currentReason.trimmed().isEmpty();
}

QString newPeriodStatement(const QString& registryNumber, const QString& typedDate) {
    return u"insert into CHILDREN_EGG_DIAG(ARITHMOS_MHTRWOY,HMEROMHNIA_EGGRAFHS) VALUES("_s +
           registryNumber + u","_s + common::dateLiteral(typedDate.trimmed()) + u")"_s;
}

QString activeStatement(const QString& registryNumber) {
    return u"update CHILDREN SET ENERGO='ΝΑΙ' WHERE ARITHMOS_MHTRWOY="_s + registryNumber;
}

// The reason goes in as a quoted literal, its quotes doubled: whatever was typed stays text.
QString closingStatement(const QString& registryNumber, const QString& typedDate,
                         const QString& reason, const QString& enrolmentDate) {
    return u"UPDATE CHILDREN_EGG_DIAG SET HMEROMHNIA_DIAGRAFHS="_s +
           common::dateLiteral(typedDate.trimmed()) + u", LOGOS_DIAGRAFHS="_s +
           db::quotedText(reason.trimmed()) + u" WHERE ARITHMOS_MHTRWOY="_s + registryNumber +
           u" AND HMEROMHNIA_EGGRAFHS="_s + common::dateLiteral(enrolmentDate.trimmed());
}

QString inactiveStatement(const QString& registryNumber) {
    return u"update CHILDREN SET ENERGO='ΟΧΙ' WHERE ARITHMOS_MHTRWOY="_s + registryNumber;
}

void reEnrol(db::Connection& connection, const QString& registryNumber, const QString& typedDate) {
    {
        db::Transaction transaction(connection);
        db::Command command(connection);
        command.execute(newPeriodStatement(registryNumber, typedDate));
        command.execute(activeStatement(registryNumber));
        transaction.commit();
    }
    try {
        db::Command(connection).execute(finance::owedTuitionThisMonthStatement(registryNumber));
    } catch (const db::Error&) {
        // The month's row exists already (the ledger's key): the child owes it once.
    }
}

void deEnrol(db::Connection& connection, const QString& registryNumber, const QString& typedDate,
             const QString& reason, const QString& enrolmentDate) {
    db::Transaction transaction(connection);
    db::Command command(connection);
    command.execute(closingStatement(registryNumber, typedDate, reason, enrolmentDate));
    command.execute(inactiveStatement(registryNumber));
    transaction.commit();
}

bool deEnrolmentInputAccepted(const QString& typedDate, const QString& reason) {
    const QString date = typedDate.trimmed();
    const QString why = reason.trimmed();
    return common::passesForbiddenCharacterTest(date) &&
           common::passesForbiddenCharacterTest(why) && !date.isEmpty() && !why.isEmpty();
}

}  // namespace children
