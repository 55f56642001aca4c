#include "programme/group_grids.h"

namespace programme {

QList<ui::GridColumn> groupGridColumns() {
    return {
        {QStringLiteral("OMADA"), QStringLiteral("Ομάδα"), 130, ui::kLeft},
        {QStringLiteral("RESPONSIBLE"), QStringLiteral("Υπεύθυνος"), 130, ui::kLeft},
    };
}

QList<ui::GridColumn> childrenGridColumns() {
    return {
        {QStringLiteral("ARITHMOS_MHTRWOY"), QStringLiteral("Αριθμός μητρώου"), 110, ui::kCentred},
        {QStringLiteral("ONOMA_PAIDIOY"), QStringLiteral("Όνομα παιδιού"), 110, ui::kLeft},
        {QStringLiteral("EPWNYMO_PAIDIOY"), QStringLiteral("Επώνυμο παιδιού"), 110, ui::kLeft},
        {QStringLiteral("HMEROMHNIA_GENNHSEWS"), QStringLiteral("Ημερομηνία γεννήσεως"), 140,
         ui::kCentred},
        {QStringLiteral("FYLO"), QStringLiteral("Φύλο"), 60, ui::kCentred},
        {QStringLiteral("ONOMA_PATERA"), QStringLiteral("Ονοματεπώνυμο πατέρα"), 160, ui::kLeft},
        {QStringLiteral("ONOMA_MHTERAS"), QStringLiteral("Ονοματεπώνυμο μητέρας"), 160, ui::kLeft},
        {QStringLiteral("ONOMA_KHDEMONA"), QStringLiteral("Ονοματεπώνυμο κηδεμόνα"), 167,
         ui::kLeft},
        {QStringLiteral("DIEYTHYNSH_OIKIAS"), QStringLiteral("Διεύθυνση οικίας"), 200, ui::kLeft},
        {QStringLiteral("THLEFWNO_ERGASIAS_KHDEMONA"), QStringLiteral("Τηλ.  κηδεμόνα"), 112,
         ui::kLeft},
    };
}

}  // namespace programme
