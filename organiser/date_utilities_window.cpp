#include "organiser/date_utilities_window.h"

#include <QCalendarWidget>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <functional>

#include "common/date_literal.h"
#include "db/clock.h"
#include "organiser/date_utilities.h"
#include "ui/date_pick_button.h"
#include "ui/labels.h"

namespace organiser {

namespace {

// The year box takes any whole number typed, so the Easter text can follow the typing; once
// the box loses the focus a year outside the accepted ones becomes the nearer limit.
class YearBox : public QSpinBox {
public:
    explicit YearBox(QWidget* parent) : QSpinBox(parent) {
        setRange(organiser::easterFirstYear, organiser::easterLastYear);
        setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
    }

    // Calls follow whenever the text shown changes: at every keystroke (the spin box itself
    // reports only accepted values), at the buttons, and when leaving corrects the text.
    void onTextShown(const std::function<void()>& follow) {
        connect(lineEdit(), &QLineEdit::textChanged, this, follow);
        connect(this, &QSpinBox::valueChanged, this, follow);
        connect(this, &QSpinBox::editingFinished, this, follow);
    }

protected:
    QValidator::State validate(QString& input, int&) const override {
        for (const QChar c : input) {
            if (!(c.isDigit() && c.unicode() < 0x80)) {
                return QValidator::Invalid;
            }
        }
        const int year = organiser::easterYearFromText(input);
        return !input.isEmpty() && year >= minimum() && year <= maximum()
                   ? QValidator::Acceptable
                   : QValidator::Intermediate;
    }
    void fixup(QString& input) const override {
        input = QString::number(organiser::clampEasterYear(organiser::easterYearFromText(input)));
    }
};

}  // namespace

DateUtilitiesWindow::DateUtilitiesWindow(QWidget* parent)
    : ui::Window(parent),
      calendar_(new QCalendarWidget(this)),
      year_(new YearBox(this)),
      easter_(ui::redLabel(QString(), this)),
      fromBox_(new QLineEdit(this)),
      toBox_(new QLineEdit(this)),
      fromPicker_(new ui::DatePickButton(this)),
      toPicker_(new ui::DatePickButton(this)),
      dayCount_(ui::redLabel(QString(), this)) {
    setWindowTitle(QStringLiteral("Ημερολογιακά"));
    const QDate today = db::Clock::today();

    calendar_->setLocale(QLocale(QLocale::Greek, QLocale::Greece));
    calendar_->setVerticalHeaderFormat(QCalendarWidget::ISOWeekNumbers);
    calendar_->setGridVisible(true);
    calendar_->setSelectedDate(today);
    calendar_->setMinimumHeight(330);

    year_->setToolTip(QStringLiteral("Έτος"));
    year_->setValue(organiser::clampEasterYear(today.year()));
    static_cast<YearBox*>(year_)->onTextShown([this] { showEaster(); });

    for (ui::DatePickButton* picker : {fromPicker_, toPicker_}) {
        picker->setToolTip(QStringLiteral("Επέλεξε ή δώσε ημερομηνία"));
        picker->setDateRange(QDate(1940, 1, 1), QDate(2050, 1, 1));
        picker->setDate(today);
        connect(picker, &ui::DatePickButton::datePicked, this, &DateUtilitiesWindow::showDates);
    }

    QPushButton* exit = makeExitButton();
    exit->setToolTip(QStringLiteral("Έξοδος"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(calendar_);
    layout->addWidget(ui::boldLabel(QStringLiteral("Για αλλαγή κάνε click στο μήνα ή έτος"), this));
    layout->addSpacing(16);
    layout->addLayout(makeEasterRow());
    layout->addSpacing(16);
    layout->addWidget(ui::boldLabel(QStringLiteral("Αριθμός ημερών μεταξύ δύο ημερομηνιών"), this));
    layout->addLayout(makeDateRow(QStringLiteral("Από:"), fromBox_, fromPicker_));
    auto* toRow =
        static_cast<QHBoxLayout*>(makeDateRow(QStringLiteral("Μέχρι:"), toBox_, toPicker_));
    toRow->insertWidget(toRow->count() - 1, dayCount_);
    layout->addLayout(toRow);
    layout->addStretch();
    layout->addWidget(exit, 0, Qt::AlignRight);

    showEaster();
    showDates();
    fixSizeAndCentre(QSize(632, 696));
}

QLayout* DateUtilitiesWindow::makeEasterRow() {
    auto* row = new QHBoxLayout;
    row->addWidget(ui::redLabel(QStringLiteral("Το Πάσχα για το έτος:"), this, true));
    row->addWidget(year_);
    row->addWidget(easter_);
    row->addStretch();
    ui::makeBold(easter_);
    return row;
}

QLayout* DateUtilitiesWindow::makeDateRow(const QString& caption, QLineEdit* box,
                                          ui::DatePickButton* picker) {
    auto* row = new QHBoxLayout;
    QLabel* label = ui::redLabel(caption, this, true);
    label->setFixedWidth(60);
    box->setReadOnly(true);
    box->setFixedWidth(100);
    row->addWidget(label);
    row->addWidget(box);
    row->addWidget(picker);
    row->addSpacing(12);
    row->addStretch();
    return row;
}

void DateUtilitiesWindow::showEaster() {
    easter_->setText(organiser::find_pasxa(organiser::easterYearFromText(year_->text())));
}

void DateUtilitiesWindow::showDates() {
    fromBox_->setText(common::shortDate(fromPicker_->date()));
    toBox_->setText(common::shortDate(toPicker_->date()));
    dayCount_->setText(organiser::dayCountText(fromPicker_->date(), toPicker_->date()));
}

}  // namespace organiser
