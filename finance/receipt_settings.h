#pragma once

#include <QString>
#include <optional>

namespace db {
class Connection;
}

namespace finance {

// The first receipt number as typed into the numbering window: a whole number above zero, or
// nothing when the text is refused.
std::optional<int> receiptNumberingStart(const QString& typed);

// The fixed messages of the receipt settings windows.
QString numberingRefusedMessage();
QString numberingStoredMessage();
QString vatRateStoredMessage();

}  // namespace finance
