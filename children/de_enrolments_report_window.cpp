#include "children/de_enrolments_report_window.h"

namespace children {

DeEnrolmentsReportWindow::DeEnrolmentsReportWindow(const common::ProgramContext& context,
                                                   QWidget* parent)
    : EnrolmentReportWindow(context, EnrolmentReport::DeEnrolments, parent) {}

}  // namespace children
