#include "reports/siblings_search_window.h"

TForm31::TForm31(TForm27* results, QWidget* parent)
    : reports::RangeSearchWindow(QStringLiteral("Παιδιά με αριθμό αδελφιών από ... μέχρι ..."),
                                 &reports::siblingsSearch, results, parent) {}
