#include "programme/groups.h"

#include "common/forbidden_characters.h"
#include "db/connection.h"
#include "db/quoting.h"
#include "db/table.h"
#include "db/transaction.h"

namespace programme {

namespace {

bool acceptableGroupText(const QString& text) {
    const QString trimmed = text.trimmed();
    return !trimmed.isEmpty() && common::passesForbiddenCharacterTest(trimmed);
}

// The ten columns of the children lists after the registry number.
QString childColumns() {
    return QStringLiteral(
        "ONOMA_PAIDIOY, EPWNYMO_PAIDIOY,HMEROMHNIA_GENNHSEWS,FYLO,ONOMA_PATERA,ONOMA_MHTERAS,"
        "ONOMA_KHDEMONA,DIEYTHYNSH_OIKIAS,THLEFWNO_ERGASIAS_KHDEMONA");
}

}  // namespace

QString groupNamesTable() {
    return QStringLiteral("GROUP_NAMES");
}

QString groupNamesSort() {
    return QStringLiteral("OMADA ASC");
}

bool canAddGroup(const QString& name, const QString& responsible) {
    return acceptableGroupText(name) && acceptableGroupText(responsible);
}

QString newGroupStatement(const QString& name, const QString& responsible) {
    return QStringLiteral("insert into GROUP_NAMES(OMADA,RESPONSIBLE) VALUES(") +
           db::quotedText(name.trimmed()) + u',' + db::quotedText(responsible.trimmed()) + u')';
}

QString groupMembersStatement(qint64 groupId) {
    return QStringLiteral("select CHILDREN.ARITHMOS_MHTRWOY ,") + childColumns() +
           QStringLiteral(
               " from CHILDREN_OMADES,CHILDREN where "
               "CHILDREN.ARITHMOS_MHTRWOY=CHILDREN_OMADES.ARITHMOS_MHTRWOY and "
               "CHILDREN_OMADES.OMADA_ID =") +
           QString::number(groupId) +
           QStringLiteral("  and CHILDREN.ENERGO ='ΝΑΙ' ORDER BY EPWNYMO_PAIDIOY ASC");
}

QString unassignedChildrenStatement() {
    return QStringLiteral(
        "SELECT CHILDREN.ARITHMOS_MHTRWOY AS ARITHMOS_MHTRWOY, CHILDREN.ONOMA_PAIDIOY, "
        "CHILDREN.EPWNYMO_PAIDIOY, CHILDREN.HMEROMHNIA_GENNHSEWS, CHILDREN.FYLO, "
        "CHILDREN.ONOMA_PATERA, CHILDREN.ONOMA_MHTERAS, CHILDREN.ONOMA_KHDEMONA, "
        "CHILDREN.DIEYTHYNSH_OIKIAS, CHILDREN.THLEFWNO_ERGASIAS_KHDEMONA\n"
        "FROM CHILDREN LEFT JOIN CHILDREN_OMADES ON CHILDREN.ARITHMOS_MHTRWOY = "
        "CHILDREN_OMADES.ARITHMOS_MHTRWOY\n"
        "WHERE (((CHILDREN_OMADES.OMADA_ID) Is Null) AND ((CHILDREN.ENERGO)='ΝΑΙ'))\n"
        "ORDER BY CHILDREN.HMEROMHNIA_GENNHSEWS");
}

QString assignChildStatement(qint64 childNumber, qint64 groupId) {
    return QStringLiteral("INSERT INTO CHILDREN_OMADES(ARITHMOS_MHTRWOY,OMADA_ID) VALUES(%1,%2)")
        .arg(childNumber)
        .arg(groupId);
}

QString removeChildStatement(qint64 childNumber) {
    return QStringLiteral("DELETE FROM CHILDREN_OMADES WHERE ARITHMOS_MHTRWOY=") +
           QString::number(childNumber);
}

QString groupListStatement(qint64 groupId) {
    return QStringLiteral(
               "SELECT CHILDREN.ARITHMOS_MHTRWOY, ONOMA_PAIDIOY, "
               "EPWNYMO_PAIDIOY,STR(HMEROMHNIA_GENNHSEWS) AS HMEROMHNIA_GENNHSEWS,FYLO,"
               "ONOMA_PATERA,ONOMA_MHTERAS,ONOMA_KHDEMONA,DIEYTHYNSH_OIKIAS,"
               "THLEFWNO_ERGASIAS_KHDEMONA from CHILDREN,CHILDREN_OMADES where   "
               "CHILDREN.ARITHMOS_MHTRWOY=CHILDREN_OMADES.ARITHMOS_MHTRWOY and "
               "CHILDREN_OMADES.OMADA_ID =") +
           QString::number(groupId) +
           QStringLiteral(" and CHILDREN.ENERGO ='ΝΑΙ' ORDER BY EPWNYMO_PAIDIOY ASC");
}

QString groupListTitle(const QString& name) {
    // "ANHKOYN" is written in Latin capitals, as the staff have always seen it printed.
    return QStringLiteral("ΠΑΙΔΙΑ ΠΟΥ ANHKOYN ΣΤΗΝ ΟΜΑΔΑ: ") + name;
}

QString groupListResponsibleLine(const QString& responsible) {
    return QStringLiteral("ΥΠΕΥΘΥΝΟΣ: ") + responsible;
}

void removeCurrentGroup(db::Connection& connection, db::Table& groups) {
    const qint64 groupId = groups.value(QStringLiteral("ID")).toLongLong();
    db::Transaction transaction(connection);
    connection.execute(QStringLiteral("DELETE FROM CHILDREN_OMADES WHERE OMADA_ID=") +
                       QString::number(groupId));
    groups.remove();
    transaction.commit();
}

}  // namespace programme
