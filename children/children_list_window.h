#pragma once

#include <QList>

#include "common/child_openers.h"
#include "ui/data_window.h"
#include "ui/modal.h"

class QAction;
class QGroupBox;
class QMenu;
class QPushButton;
class QRadioButton;
class QTableView;

namespace ui {
class CountLabel;
class Navigator;
}  // namespace ui

namespace children {

// The children list window, "Βασικά στοιχεία παιδιών": the children the find window asked for,
// sorted as the staff choose; deletes a child and opens every per-child window for the current
// row. Windows of other folders are tied in through common::registerChildOpener; those not
// tied stay disabled.
class ChildrenListWindow : public ui::DataWindow {
    Q_OBJECT
public:
    explicit ChildrenListWindow(const common::ProgramContext& context, QWidget* parent = nullptr);

    static QString caption();

    // The last complete select the list ran.
    QString listText() const { return listText_; }
    // Runs the list's select again with the chosen sort and shows the count.
    void refreshList();

    // The eight per-child entries, in the order of the button frame: left column top to
    // bottom, then right column.
    enum class Entry { Details, Measurements, Absences, History, Payment, Paid, Owed, Prints };
    QPushButton* button(Entry entry) const;
    QAction* menuEntry(Entry entry) const;
    QMenu* optionsMenu() const { return options_; }
    QGroupBox* sortFrame() const { return sortFrame_; }
    QGroupBox* directionFrame() const { return directionFrame_; }
    QGroupBox* buttonFrame() const { return buttonFrame_; }
    QRadioButton* sortChoice(int index) const { return sortChoices_.at(index); }
    QRadioButton* descendingChoice() const { return descending_; }
    QTableView* grid() const { return grid_; }
    ui::Navigator* navigator() const { return navigator_; }
    ui::CountLabel* countLabel() const { return count_; }
    const db::RowSet& rows() const;

private:
    struct PerChild {
        QPushButton* button = nullptr;
        QAction* action = nullptr;
    };

    QWidget* makeGrid();
    QWidget* makeSortFrames();
    QWidget* makeButtonFrame();
    void makeMenu();
    void enableEntries();
    void open(Entry entry);
    QString sortColumn() const;
    void updateCount();
    void reconnectAndRefresh();
    void openDetails();
    void openPrints();
    void openRegistered(common::ChildWindow window);
    bool hasCurrentChild() const;

    ui::BoundTable* list_ = nullptr;
    QTableView* grid_ = nullptr;
    ui::Navigator* navigator_ = nullptr;
    ui::CountLabel* count_ = nullptr;
    QMenu* options_ = nullptr;
    QGroupBox* sortFrame_ = nullptr;
    QGroupBox* directionFrame_ = nullptr;
    QGroupBox* buttonFrame_ = nullptr;
    QList<QRadioButton*> sortChoices_;
    QRadioButton* descending_ = nullptr;
    QList<PerChild> entries_;
    QString listText_;
};

// The opener of a per-child window whose constructor takes the program context, the child's
// registry number, first name, surname and parent, as the list hands them. Tying such a window
// in is one line at program start:
//   common::registerChildOpener(common::ChildWindow::TuitionPayment,
//                               children::openModally<finance::PaymentWindow>);
template <class W>
void openModally(const common::ProgramContext& context, QWidget* parent,
                 const common::ChildIdentity& child) {
    W window(context, child.registryNumber, child.firstName, child.surname, parent);
    ui::showModal(&window);
}

}  // namespace children
