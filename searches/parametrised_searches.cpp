#include "searches/parametrised_searches.h"

#include "common/date_literal.h"
#include "searches/canned_searches.h"

namespace searches {

namespace {

QString orderBySurname() {
    return QStringLiteral(" ORDER BY EPWNYMO_PAIDIOY ASC ");
}

QString activeOnly() {
    return QStringLiteral("ENERGO='ΝΑΙ' AND ");
}

// "1=1" for a person whose box is not ticked, so the condition keeps its shape.
QString educationCondition(const QString& column, const std::optional<QString>& level) {
    return level ? column + QStringLiteral("='") + *level + QStringLiteral("'")
                 : QStringLiteral("1=1");
}

QString educationPiece(const QString& piece, const std::optional<QString>& level) {
    return level ? piece + *level : QString();
}

std::optional<QString> trimmedWholeNumber(const QString& typed) {
    const QString text = typed.trimmed();
    return isWholeNumber(text) ? std::optional<QString>(text) : std::nullopt;
}

}  // namespace

QString parametrisedSearchHead() {
    return QStringLiteral(
        "SELECT ARITHMOS_MHTRWOY,ONOMA_PAIDIOY, EPWNYMO_PAIDIOY,STR(HMEROMHNIA_GENNHSEWS) AS "
        "HMEROMHNIA_GENNHSEWS,FYLO,ONOMA_PATERA,ONOMA_MHTERAS,ONOMA_KHDEMONA,DIEYTHYNSH_OIKIAS,"
        "THLEFWNO_ERGASIAS_KHDEMONA FROM CHILDREN WHERE ");
}

QString wrongCriteriaMessage() {
    return QStringLiteral("Λανθασμένα κριτήρια.");
}

QStringList educationLevels() {
    return {QStringLiteral("ΔΗΜΟΤΙΚΟ"), QStringLiteral("ΓΥΜΝΑΣΙΟ"), QStringLiteral("ΛΥΚΕΙΟ"),
            QStringLiteral("ΠΑΝΕΠΙΣΤΗΜΙΟ")};
}

bool isWholeNumber(const QString& text) {
    bool ok = false;
    text.trimmed().toInt(&ok);
    return ok;
}

SearchRequest educationSearch(const EducationChoice& choice) {
    // The two letters ME of each piece are Latin, as the printed titles have always shown them.
    const QString title = QStringLiteral("ΠΑΙΔΙΑ ") +
                          educationPiece(QStringLiteral("ME ΜΟΡΦΩΣΗ ΠΑΤΕΡΑ="), choice.father) +
                          educationPiece(QStringLiteral(" ME ΜΟΡΦΩΣΗ ΜΗΤΕΡΑΣ="), choice.mother) +
                          educationPiece(QStringLiteral(" ME ΜΟΡΦΩΣΗ ΚΗΔΕΜΟΝΑ="), choice.guardian);
    const QString condition =
        activeOnly() + educationCondition(QStringLiteral("MORFWSH_PATERA"), choice.father) +
        QStringLiteral(" AND ") +
        educationCondition(QStringLiteral("MORFWSH_MHTERAS"), choice.mother) +
        QStringLiteral(" AND ") +
        educationCondition(QStringLiteral("MORFWSH_KHDEMONA"), choice.guardian);
    return {title,
            parametrisedSearchHead() + condition + QStringLiteral(" ORDER BY EPWNYMO_PAIDIOY ASC")};
}

std::optional<SearchRequest> bornBetweenSearch(const QString& typedFrom, const QString& typedTo) {
    const QString from = typedFrom.trimmed();
    const QString to = typedTo.trimmed();
    const QString fromLiteral = common::dateLiteral(from);
    const QString toLiteral = common::dateLiteral(to);
    if (fromLiteral == common::dateLiteralError() || toLiteral == common::dateLiteralError()) {
        return std::nullopt;
    }
    // No active filter: children who have left are found too.
    return SearchRequest{
        QStringLiteral("ΠΑΙΔΙΑ ΠΟΥ ΓΕΝΝΗΘΗΚΑΝ ΑΠΟ ") + from + QStringLiteral(" ΜΕΧΡΙ ") + to,
        parametrisedSearchHead() + QStringLiteral("HMEROMHNIA_GENNHSEWS BETWEEN ") + fromLiteral +
            QStringLiteral(" AND ") + toLiteral + orderBySurname()};
}

std::optional<SearchRequest> siblingsSearch(const QString& typedFrom, const QString& typedTo) {
    const auto from = trimmedWholeNumber(typedFrom);
    const auto to = trimmedWholeNumber(typedTo);
    if (!from || !to) {
        return std::nullopt;
    }
    return SearchRequest{
        QStringLiteral("ΠΑΙΔΙΑ ΠΟΥ ΕΧΟΥΝ ΑΔΕΛΦΙΑ ΑΠΟ ") + *from + QStringLiteral(" ΕΩΣ ") + *to,
        parametrisedSearchHead() + activeOnly() + QStringLiteral("(ADELFOYS+ADELFES) BETWEEN ") +
            *from + QStringLiteral(" AND ") + *to + orderBySurname()};
}

std::optional<SearchRequest> bedroomsSearch(const QString& typedFrom, const QString& typedTo) {
    const auto from = trimmedWholeNumber(typedFrom);
    const auto to = trimmedWholeNumber(typedTo);
    if (!from || !to) {
        return std::nullopt;
    }
    // The single O after ΠΟΥ is a Latin letter, as the printed title has always shown it. This
    // search starts its statement as the canned searches do (str() and as in small letters).
    return SearchRequest{
        QStringLiteral("ΠΑΙΔΙΑ ΠΟΥ O ΑΡΙΘΜΟΣ ΤΩΝ ΥΠΝΟΔΩΜΑΤΙΩΝ ΣΤΟ ΣΠΙΤΙ ΤΟΥΣ ΕΙΝΑΙ ΑΠΟ ") + *from +
            QStringLiteral(" ΕΩΣ ") + *to,
        cannedSearchHead() + activeOnly() + QStringLiteral("ARITHMOS_YPNODWMATIWN BETWEEN ") +
            *from + QStringLiteral(" AND ") + *to + orderBySurname()};
}

std::optional<SearchRequest> positionSearch(const QString& typedPosition) {
    const auto position = trimmedWholeNumber(typedPosition);
    if (!position) {
        return std::nullopt;
    }
    return SearchRequest{QStringLiteral("θΕΣΗ ΤΟΥ ΠΑΙΔΙΟΥ ΣΤΗΝ ΟΙΚΟΓΕΝΕΙΑ EINAI ") + *position,
                         parametrisedSearchHead() + activeOnly() +
                             QStringLiteral("THESH_PAIDIOY_STHN_OIKOGENEIA=") + *position +
                             orderBySurname()};
}

SearchRequest arrivalSearch(const QString& hour) {
    return {QStringLiteral("ΠΑΙΔΙΑ ΜΕ ΩΡΑ ΠΡΟΣΕΛΕΥΣΗΣ ") + hour + QStringLiteral(" "),
            parametrisedSearchHead() + activeOnly() + QStringLiteral("WRA_ERXETAI='") + hour +
                QStringLiteral("'") + orderBySurname()};
}

SearchRequest departureSearch(const QString& hour) {
    return {QStringLiteral("ΠΑΙΔΙΑ ΜΕ ΩΡΑ ΑΠΟΧΩΡΗΣΗΣ ") + hour + QStringLiteral(" "),
            parametrisedSearchHead() + activeOnly() + QStringLiteral("WRA_FEYGEI='") + hour +
                QStringLiteral("'") + orderBySurname()};
}

SearchRequest arrivalAndDepartureSearch(const QString& arrival, const QString& departure) {
    return {QStringLiteral("ΠΑΙΔΙΑ ΜΕ ΩΡΑ ΠΡΟΣΕΛΕΥΣΗΣ ") + arrival +
                QStringLiteral(" ΚΑΙ ΩΡΑ ΑΠΟΧΩΡΗΣΗΣ ") + departure + QStringLiteral(" "),
            parametrisedSearchHead() + activeOnly() + QStringLiteral("WRA_ERXETAI='") + arrival +
                QStringLiteral("' AND WRA_FEYGEI='") + departure + QStringLiteral("'") +
                orderBySurname()};
}

}  // namespace searches
