#include "children/children_list.h"

#include "db/rowset.h"

namespace children {

using namespace Qt::StringLiterals;

namespace {

QString statusPiece(StatusFilter status) {
    switch (status) {
        case StatusFilter::Active:
            return u" WHERE ENERGO='ΝΑΙ'"_s;
        case StatusFilter::Deleted:
            return u" WHERE ENERGO='ΟΧΙ'"_s;
        case StatusFilter::All:
            break;
    }
    return u" WHERE 1>0"_s;
}

QString directionPiece(SortDirection direction) {
    return direction == SortDirection::Ascending ? u" ASC"_s : u" DESC"_s;
}

}  // namespace

const QList<SortChoice>& sortChoices() {
    static const QList<SortChoice> choices = {
        {u"Αριθμό μητρώου"_s, u"ARITHMOS_MHTRWOY"_s},
        {u"Επώνυμο παιδιού"_s, u"EPWNYMO_PAIDIOY"_s},
        {u"Ημερομηνία γεννήσεως"_s, u"HMEROMHNIA_GENNHSEWS"_s},
        {u"Φύλο"_s, u"FYLO"_s},
        {u"Ονοματεπώνυμο πατέρα"_s, u"ONOMA_PATERA"_s},
        {u"Ονοματεπώνυμο μητέρας"_s, u"ONOMA_MHTERAS"_s},
        {u"Ονοματεπώνυμο κηδεμόνα"_s, u"ONOMA_KHDEMONA"_s},
        {u"Ενεργό φοίτηση"_s, u"ENERGO"_s},
    };
    return choices;
}

std::optional<QString> listStatement(const ListRequest& request, const QString& sortColumn,
                                     SortDirection direction) {
    if (!request.condition) {
        return std::nullopt;
    }
    return u"SELECT ARITHMOS_MHTRWOY,ONOMA_PAIDIOY, EPWNYMO_PAIDIOY,HMEROMHNIA_GENNHSEWS,FYLO,"
           u"ONOMA_PATERA,ONOMA_MHTERAS,ONOMA_KHDEMONA,DIEYTHYNSH_OIKIAS,"
           u"THLEFWNO_ERGASIAS_KHDEMONA,ENERGO FROM CHILDREN"_s +
           statusPiece(request.status) + u" AND "_s + *request.condition + u" "_s +
           u" ORDER BY "_s + sortColumn + directionPiece(direction);
}

common::ChildIdentity currentChild(const db::RowSet& rows) {
    if (rows.position() < 0) {
        return {};
    }
    return {rows.text(u"ARITHMOS_MHTRWOY"_s).trimmed(), rows.text(u"ONOMA_PAIDIOY"_s).trimmed(),
            rows.text(u"EPWNYMO_PAIDIOY"_s).trimmed()};
}

}  // namespace children
