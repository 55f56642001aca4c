#pragma once

#include "children/enrolment_report_window.h"

namespace children {

// "Εγγραφές μεταξύ δυο ημερομηνιών": the periods that began between the two dates.
class EnrolmentsReportWindow : public EnrolmentReportWindow {
    Q_OBJECT
public:
    explicit EnrolmentsReportWindow(const common::ProgramContext& context,
                                    QWidget* parent = nullptr);
};

}  // namespace children
