#pragma once

#include "searches/search_window.h"

class QCheckBox;
class QComboBox;

namespace searches {

// Children by their parents' and guardian's education: a tick box per person, each with the
// list of levels shown only while it is ticked; the search is allowed while a box is ticked.
class EducationSearchWindow : public searches::SearchWindow {
    Q_OBJECT
public:
    explicit EducationSearchWindow(const common::ProgramContext& context, QWidget* parent = nullptr)
        : EducationSearchWindow(context, nullptr, parent) {}
    EducationSearchWindow(const common::ProgramContext& context, SearchResultsWindow* results,
                          QWidget* parent = nullptr);

    QCheckBox* fatherBox() const { return people_[0].box; }
    QCheckBox* motherBox() const { return people_[1].box; }
    QCheckBox* guardianBox() const { return people_[2].box; }
    QComboBox* fatherLevel() const { return people_[0].level; }
    QComboBox* motherLevel() const { return people_[1].level; }
    QComboBox* guardianLevel() const { return people_[2].level; }
    QPushButton* searchButton() const { return searchButton_; }

private:
    struct Person {
        QCheckBox* box = nullptr;
        QComboBox* level = nullptr;
    };

    QWidget* makeInputs();
    Person makePerson(const QString& caption, QWidget* parent);
    void tickChanged();
    searches::EducationChoice choice() const;
    void search();

    Person people_[3];
    QPushButton* searchButton_ = nullptr;
};

}  // namespace searches
