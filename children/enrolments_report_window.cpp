#include "children/enrolments_report_window.h"

namespace children {

EnrolmentsReportWindow::EnrolmentsReportWindow(const common::ProgramContext& context,
                                               QWidget* parent)
    : EnrolmentReportWindow(context, EnrolmentReport::Enrolments, parent) {}

}  // namespace children
