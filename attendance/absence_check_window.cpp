#include "attendance/absence_check_window.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "attendance/absences.h"
#include "common/forbidden_characters.h"

namespace attendance {

AbsenceCheckWindow::AbsenceCheckWindow(const common::ProgramContext& context,
                                       searches::SearchResultsWindow* results, QWidget* parent)
    : SearchWindow(context, results, parent) {
    setWindowTitle(QStringLiteral("Έλεγχος απουσιών"));
    // The E of the caption is a Latin letter, as the staff have always seen it.
    searchButton_ = makeSearchButton(QStringLiteral("Eύ&ρεση"));
    connect(searchButton_, &QPushButton::clicked, this, &AbsenceCheckWindow::search);
    arrange(makeFrames(), searchButton_);
}

QWidget* AbsenceCheckWindow::makeFrames() {
    fromDay_ = new QLineEdit(this);
    toDay_ = new QLineEdit(this);
    fromDay_->setToolTip(QStringLiteral("Η ημερομηνία δηλώνεται ΗΗ/ΜΜ/ΕΕΕΕ (π.χ 28/03/2007)"));
    toDay_->setToolTip(QStringLiteral("Η ημερομηνία δηλώνεται ΗΗ/ΜΜ/ΕΕΕΕ (π.χ 28/12/2007)"));
    lowestCount_ = new QLineEdit(this);
    highestCount_ = new QLineEdit(this);
    for (QLineEdit* count : {lowestCount_, highestCount_}) {
        count->setMaximumWidth(50);
    }

    const auto frame = [this](const QString& caption, QLineEdit* from, QLineEdit* to) {
        auto* box = new QGroupBox(caption, this);
        auto* layout = new QVBoxLayout(box);
        layout->addWidget(
            makeRequiredInputs({{QStringLiteral("Από:"), from}, {QStringLiteral("Μέχρι:"), to}}));
        connect(from, &QLineEdit::textChanged, this, &AbsenceCheckWindow::fieldChanged);
        connect(to, &QLineEdit::textChanged, this, &AbsenceCheckWindow::fieldChanged);
        return box;
    };
    auto* frames = new QWidget(this);
    auto* layout = new QHBoxLayout(frames);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(frame(QStringLiteral("Χρονικό διάστημα"), fromDay_, toDay_));
    layout->addWidget(frame(QStringLiteral("Αριθμός απουσιών"), lowestCount_, highestCount_));
    return frames;
}

void AbsenceCheckWindow::fieldChanged() {
    bool allowed = true;
    for (const QLineEdit* field : {fromDay_, toDay_, lowestCount_, highestCount_}) {
        allowed = allowed && common::passesForbiddenCharacterTest(field->text().trimmed());
    }
    searchButton_->setEnabled(allowed);
}

void AbsenceCheckWindow::search() {
    runCheckedSearch(absenceCheck(fromDay_->text(), toDay_->text(), lowestCount_->text(),
                                  highestCount_->text()));
}

}  // namespace attendance
