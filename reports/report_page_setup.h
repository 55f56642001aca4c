#pragma once

#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QString>

namespace reports {

// The paper a report file asks for and the margins it keeps (millimetres). The footer (print
// date and page number) sits in the bottom margin.
struct PageSetup {
    QPageSize pageSize{QPageSize::A4};
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    QMarginsF margins{15, 15, 15, 15};
    bool footer = true;

    // The paper with no printer margins: the report places everything itself.
    QPageLayout paperLayout() const;
};

// Readers of the report file's page settings. Each returns false when the text is not one it
// understands, leaving the setup as it was.
//   page-size:   A3, A4, A5, DL, C5, or "<width>x<height>mm"
//   orientation: portrait or landscape
//   margins:     one to four millimetre values in CSS order (top right bottom left)
//   footer:      "page-and-date" (the default) or "none"
bool setPageSize(PageSetup& setup, const QString& text);
bool setOrientation(PageSetup& setup, const QString& text);
bool setMargins(PageSetup& setup, const QString& text);
bool setFooter(PageSetup& setup, const QString& text);

}  // namespace reports
