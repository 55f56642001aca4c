#pragma once

#include <QList>

class QTextDocument;

namespace reports {

class LaidOutTables;

// A stretch of the laid-out document printed on a page: the document from `top` down to
// `bottom`, placed `at` below the top of the page's printable area.
struct Slice {
    double top = 0;
    double bottom = 0;
    double at = 0;
};

// A page: its slices in the order they are drawn.
using PageSlices = QList<Slice>;

// Breaks a document laid out as one long page into pages of the given height, in one pass over
// what the layout placed: between lines of text; never inside a table row, so that no child's
// line of a list or a card is printed half on one page and half on the next (a row taller than
// a whole page breaks between its lines); a table's heading rows stay with its first row and
// are printed again at the top of every page the table continues on; and a page break comes
// wherever the document asks for one.
QList<PageSlices> paginate(const QTextDocument& document, double pageHeight, LaidOutTables& tables);

}  // namespace reports
