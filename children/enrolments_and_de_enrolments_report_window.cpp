#include "children/enrolments_and_de_enrolments_report_window.h"

namespace children {

EnrolmentsAndDeEnrolmentsReportWindow::EnrolmentsAndDeEnrolmentsReportWindow(
    const common::ProgramContext& context, QWidget* parent)
    : EnrolmentReportWindow(context, EnrolmentReport::EnrolmentsAndDeEnrolments, parent) {}

}  // namespace children
