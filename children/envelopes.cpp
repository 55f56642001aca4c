#include "children/envelopes.h"

namespace children {

using namespace Qt::StringLiterals;

QString envelopesStatement() {
    return u"SELECT ONOMA_KHDEMONA, DIEYTHYNSH_KHDEMONA FROM CHILDREN WHERE ENERGO='ΝΑΙ' "_s
           u"ORDER BY ONOMA_KHDEMONA ASC"_s;
}

QString envelopesConnectionName() {
    return u"RvDataSetConnection8"_s;
}

QString envelopesReportFile() {
    return u"FAKELLOI.rav"_s;
}

}  // namespace children
