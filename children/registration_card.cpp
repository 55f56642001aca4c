#include "children/registration_card.h"

#include "db/command.h"
#include "finance/tuition_ledger.h"

namespace children {

using namespace Qt::StringLiterals;

QString emptyCardStatement() {
    return u"SELECT * FROM CHILDREN WHERE 1=0"_s;
}

QString pendingRegistryNumber(const QString& fieldText) {
    return fieldText.trimmed();
}

QString openEnrolmentStatement(const QString& registryNumber) {
    return u"insert into CHILDREN_EGG_DIAG(ARITHMOS_MHTRWOY,HMEROMHNIA_EGGRAFHS) VALUES("_s +
           registryNumber + u",date())"_s;
}

void recordEnrolmentAndTuition(db::Connection& connection, const QString& registryNumber) {
    db::Command command(connection);
    command.execute(openEnrolmentStatement(registryNumber));
    command.execute(finance::owedTuitionThisMonthStatement(registryNumber));
}

}  // namespace children
