#pragma once

#include "ui/data_window.h"

class QPushButton;
class QTableView;

namespace programme {

// "Παιδιά που ανήκουν σε συγκεκριμένη ομάδα": the current group's active children are listed
// in the search results window, under the group's name and person in charge as title lines,
// and printed from there.
class GroupChildrenWindow : public ui::DataWindow {
    Q_OBJECT
public:
    explicit GroupChildrenWindow(const common::ProgramContext& context, QWidget* parent = nullptr);

    ui::BoundTable* groups() const { return groups_; }
    QPushButton* findButton() const { return findButton_; }

protected:
    void formShow() override;

private:
    void showGroupChildren();

    ui::BoundTable* groups_;
    QPushButton* findButton_;
};

}  // namespace programme
