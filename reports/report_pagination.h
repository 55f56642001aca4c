#pragma once

class QTextDocument;

namespace reports {

// The layout splits a table row across two pages when one of its cells runs over several
// lines. This moves every such row whole to the next page (the row above it grows to the
// bottom of the page, as the layout itself does when it moves a row), so that no child's line
// in a list or a card is printed half on one page and half on the next. The document must
// already have its page size.
void keepTableRowsTogether(QTextDocument& document);

}  // namespace reports
