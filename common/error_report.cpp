#include "common/error_report.h"

#include "db/error.h"

namespace common {

QString errorReportText(const std::exception& error) {
    if (const auto* dbError = dynamic_cast<const db::Error*>(&error)) {
        return dbError->isBusy() ? databaseBusyMessage(*dbError) : dbError->message();
    }
    return QString::fromLocal8Bit(error.what());
}

QString databaseBusyMessage(const db::Error& error) {
    return QStringLiteral(
               "Η βάση δεδομένων χρησιμοποιείται αυτή τη στιγμή από άλλο πρόγραμμα "
               "και η εργασία δεν ολοκληρώθηκε.\n"
               "Δοκιμάστε ξανά σε λίγο.\n\n"
               "Λεπτομέρειες: ") +
           error.message();
}

}  // namespace common
