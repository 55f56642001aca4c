#pragma once

#include "children/enrolment_report_window.h"

namespace children {

// "Εγγραφές και διαγραφές μεταξύ δυο ημερομηνιών": the periods that both began and ended between
// the two dates.
class EnrolmentsAndDeEnrolmentsReportWindow : public EnrolmentReportWindow {
    Q_OBJECT
public:
    explicit EnrolmentsAndDeEnrolmentsReportWindow(const common::ProgramContext& context,
                                                   QWidget* parent = nullptr);
};

}  // namespace children
