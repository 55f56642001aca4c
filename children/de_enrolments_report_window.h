#pragma once

#include "children/enrolment_report_window.h"

namespace children {

// "Διαγραφές μεταξύ δυο ημερομηνιών": the periods that ended between the two dates.
class DeEnrolmentsReportWindow : public EnrolmentReportWindow {
    Q_OBJECT
public:
    explicit DeEnrolmentsReportWindow(const common::ProgramContext& context,
                                      QWidget* parent = nullptr);
};

}  // namespace children
