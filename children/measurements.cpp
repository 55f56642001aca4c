#include "children/measurements.h"

namespace children {

using namespace Qt::StringLiterals;

QString measurementsTable() {
    return u"CHILDREN_METRHSEIS"_s;
}

QString measurementListStatement(const QString& registryNumber) {
    return u"select ARITHMOS_MHTRWOY,HMEROMHNIA,Format(YPSOS,'0.00') AS YPSOS,"_s
           u"Format(BAROS,'0.00') AS BAROS from CHILDREN_METRHSEIS WHERE ARITHMOS_MHTRWOY="_s +
           registryNumber + u" ORDER BY HMEROMHNIA ASC"_s;
}

}  // namespace children
