#pragma once

#include "reports/report_output.h"

namespace reports {

// The program's output: a modal print preview on the report's paper, from which the staff
// print (the print dialog also offers printing to a PDF file) or save a PDF directly.
class PreviewOutput : public ReportOutput {
public:
    void deliver(const RenderedReport& report) override;
};

}  // namespace reports
