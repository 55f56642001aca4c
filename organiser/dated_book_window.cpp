#include "organiser/dated_book_window.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>

#include "ui/labels.h"

namespace organiser {

DatedBookWindow::DatedBookWindow(const common::ProgramContext& context, const QString& caption,
                                 const organiser::Book& book, QWidget* parent)
    : BookWindow(context, book,
                 {QStringLiteral("HMEROMHNIA"), QStringLiteral("Ημερομηνία"), 110, Qt::AlignCenter},
                 parent) {
    setWindowTitle(caption);

    auto* dateRow = new QHBoxLayout;
    dateRow->addWidget(dateField());
    dateRow->addWidget(ui::requiredMark(this));
    dateRow->addWidget(ui::redLabel(QStringLiteral("(π.χ 28/12/2007)"), this));
    dateRow->addStretch();
    dateField()->setFixedWidth(110);

    auto* layout = new QGridLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Ημερομηνία:"), this), 0, 0);
    layout->addLayout(dateRow, 0, 1);
    layout->addWidget(new QLabel(QStringLiteral("Κείμενο:"), this), 1, 0, Qt::AlignTop);
    layout->addWidget(textField(), 1, 1);
    layout->addWidget(grid(), 0, 2, 2, 1);
    layout->addWidget(navigator(), 2, 1);
    layout->addWidget(makeExitButton(), 2, 2, Qt::AlignRight);
    textField()->setMinimumSize(480, 360);
    grid()->setFixedWidth(150);
    fixSizeAndCentre();
}

}  // namespace organiser
