#pragma once

#include <QString>

namespace children {

// The three printouts of the card print window; they all read the window's one select through
// this data connection.
enum class CardPrint { ChildrenList, PersonalCard, HealthCard };

QString cardPrintConnectionName();
QString cardPrintReportFile(CardPrint print);

// What the card print window prints: every active child (the mode "all", opened from the
// children list), or one child (opened from the child's details window).
struct CardPrintMode {
    bool everyChild = true;
    QString registryNumber;  // trimmed; only for one child

    static CardPrintMode all() { return {}; }
    static CardPrintMode child(const QString& number) { return {false, number.trimmed()}; }
};

QString oneChildCardStatement(const QString& registryNumber);
QString allCardsStatement();

// The select a printout runs: the list's select for the children list, else the cards of the
// mode. The children list cannot be printed for one child.
// What the list print says when the list holds no search to print (a refused search).
QString nothingToPrintMessage();
QString cardPrintStatement(CardPrint print, const CardPrintMode& mode, const QString& listSelect);

}  // namespace children
