#include "children/card_print.h"

#include <stdexcept>

namespace children {

using namespace Qt::StringLiterals;

QString cardPrintConnectionName() {
    return u"RvDataSetConnection9"_s;
}

QString cardPrintReportFile(CardPrint print) {
    switch (print) {
        case CardPrint::ChildrenList:
            return u"CATALOG.RAV"_s;
        case CardPrint::PersonalCard:
            return u"ATOMIKO_DELTIO.RAV"_s;
        case CardPrint::HealthCard:
            break;
    }
    return u"DELTIO_YGEIAS.RAV"_s;
}

QString oneChildCardStatement(const QString& registryNumber) {
    return u"select * from KARTA where ARITHMOS_MHTRWOY="_s + registryNumber.trimmed();
}

QString allCardsStatement() {
    return u"SELECT * FROM KARTA WHERE ENERGO='ΝΑΙ'"_s;
}

QString nothingToPrintMessage() {
    return u"Η λίστα των παιδιών είναι κενή: δεν υπάρχει τίποτα για εκτύπωση."_s;
}

QString cardPrintStatement(CardPrint print, const CardPrintMode& mode, const QString& listSelect) {
    if (print == CardPrint::ChildrenList) {
        if (!mode.everyChild) {
            throw std::logic_error("the children list is printed only in the mode \"all\"");
        }
        return listSelect;
    }
    return mode.everyChild ? allCardsStatement() : oneChildCardStatement(mode.registryNumber);
}

}  // namespace children
