#include "finance/general_takings_window.h"

namespace finance {

GeneralTakingsWindow::GeneralTakingsWindow(const common::ProgramContext& context, QWidget* parent)
    : TakingsWindow(context, TakingsSource::GeneralReceipts,
                    QStringLiteral("Εισπράξεις σε διάστημα δυο ημερομηνιών"),
                    QStringLiteral("Έσοδα + Φ.Π.Α (EUR):"), parent) {}

}  // namespace finance
