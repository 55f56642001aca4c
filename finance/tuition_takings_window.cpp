#include "finance/tuition_takings_window.h"

namespace finance {

TuitionTakingsWindow::TuitionTakingsWindow(const common::ProgramContext& context, QWidget* parent)
    : TakingsWindow(context, TakingsSource::Tuition,
                    QStringLiteral("Εισπράξεις από τα δίδακτρα σε διάστημα δυο ημερομηνιών"),
                    QStringLiteral("Έσοδα - Φ.Π.Α (EUR):"), parent) {}

}  // namespace finance
