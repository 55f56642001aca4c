#include "children/registration_card.h"

#include "db/command.h"

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

QString owedTuitionStatement(const QString& registryNumber) {
    return u"insert into APODEIKSEIS_DIDAKTRWN(ARITHMOS_MHTRWOY,CHECKER,MHNAS,ETOS) VALUES("_s +
           registryNumber + u","_s + u"'"_s + u"Χ"_s + u"'"_s + u",month(date()),year(date()))"_s;
}

void recordEnrolmentAndTuition(db::Connection& connection, const QString& registryNumber) {
    db::Command command(connection);
    command.execute(openEnrolmentStatement(registryNumber));
    command.execute(owedTuitionStatement(registryNumber));
}

}  // namespace children
