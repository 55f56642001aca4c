#include "searches/education_search_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/labels.h"

namespace searches {

namespace {

std::optional<QString> levelIfTicked(const QCheckBox* box, const QComboBox* level) {
    return box->isChecked() ? std::optional<QString>(level->currentText()) : std::nullopt;
}

}  // namespace

EducationSearchWindow::EducationSearchWindow(const common::ProgramContext& context,
                                             SearchResultsWindow* results, QWidget* parent)
    : searches::SearchWindow(context, results, parent) {
    setWindowTitle(QStringLiteral("Παιδιά με μόρφωση πατέρα, μητέρας, κηδεμόνα"));
    searchButton_ = makeSearchButton(QStringLiteral("&Εύρεση"));
    searchButton_->setEnabled(false);
    connect(searchButton_, &QPushButton::clicked, this, &EducationSearchWindow::search);
    arrange(makeInputs(), searchButton_);
}

QWidget* EducationSearchWindow::makeInputs() {
    auto* inputs = new QWidget(this);
    auto* layout = new QVBoxLayout(inputs);
    layout->addWidget(
        ui::boldLabel(QStringLiteral("Παιδιά με μόρφωση πατέρα, μητέρας, κηδεμόνα"), inputs));

    auto* people = new QGridLayout;
    const QString captions[] = {QStringLiteral("Πατέρας"), QStringLiteral("Μητέρα"),
                                QStringLiteral("Κηδεμόνας")};
    for (int person = 0; person < 3; ++person) {
        people_[person] = makePerson(captions[person], inputs);
        people->addWidget(people_[person].box, 0, person);
        people->addWidget(people_[person].level, 1, person);
    }
    // Room for the lists while they are hidden, so the window keeps its size.
    people->setRowMinimumHeight(1, people_[0].level->sizeHint().height());
    layout->addLayout(people);
    return inputs;
}

EducationSearchWindow::Person EducationSearchWindow::makePerson(const QString& caption,
                                                                QWidget* parent) {
    Person person;
    person.box = new QCheckBox(caption, parent);
    person.level = new QComboBox(parent);
    person.level->addItems(searches::educationLevels());
    person.level->setCurrentIndex(0);
    person.level->setVisible(false);
    connect(person.box, &QCheckBox::toggled, this, &EducationSearchWindow::tickChanged);
    return person;
}

void EducationSearchWindow::tickChanged() {
    for (const Person& person : people_) {
        person.level->setVisible(person.box->isChecked());
    }
    searchButton_->setEnabled(choice().anyTicked());
}

searches::EducationChoice EducationSearchWindow::choice() const {
    return {levelIfTicked(people_[0].box, people_[0].level),
            levelIfTicked(people_[1].box, people_[1].level),
            levelIfTicked(people_[2].box, people_[2].level)};
}

void EducationSearchWindow::search() {
    runSearch(searches::educationSearch(choice()));
}

}  // namespace searches
