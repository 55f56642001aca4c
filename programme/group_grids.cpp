#include "programme/group_grids.h"

namespace programme {

namespace {

constexpr Qt::Alignment kCentred = Qt::AlignCenter;
constexpr Qt::Alignment kLeft = Qt::AlignLeft | Qt::AlignVCenter;

}  // namespace

QList<ui::GridColumn> groupGridColumns() {
    return {
        {QStringLiteral("OMADA"), QStringLiteral("Ομάδα"), 130, kLeft},
        {QStringLiteral("RESPONSIBLE"), QStringLiteral("Υπεύθυνος"), 130, kLeft},
    };
}

QList<ui::GridColumn> childrenGridColumns() {
    return {
        {QStringLiteral("ARITHMOS_MHTRWOY"), QStringLiteral("Αριθμός μητρώου"), 110, kCentred},
        {QStringLiteral("ONOMA_PAIDIOY"), QStringLiteral("Όνομα παιδιού"), 110, kLeft},
        {QStringLiteral("EPWNYMO_PAIDIOY"), QStringLiteral("Επώνυμο παιδιού"), 110, kLeft},
        {QStringLiteral("HMEROMHNIA_GENNHSEWS"), QStringLiteral("Ημερομηνία γεννήσεως"), 140,
         kCentred},
        {QStringLiteral("FYLO"), QStringLiteral("Φύλο"), 60, kCentred},
        {QStringLiteral("ONOMA_PATERA"), QStringLiteral("Ονοματεπώνυμο πατέρα"), 160, kLeft},
        {QStringLiteral("ONOMA_MHTERAS"), QStringLiteral("Ονοματεπώνυμο μητέρας"), 160, kLeft},
        {QStringLiteral("ONOMA_KHDEMONA"), QStringLiteral("Ονοματεπώνυμο κηδεμόνα"), 167, kLeft},
        {QStringLiteral("DIEYTHYNSH_OIKIAS"), QStringLiteral("Διεύθυνση οικίας"), 200, kLeft},
        {QStringLiteral("THLEFWNO_ERGASIAS_KHDEMONA"), QStringLiteral("Τηλ.  κηδεμόνα"), 112,
         kLeft},
    };
}

}  // namespace programme
