#include "directories/directory_window.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "db/error.h"
#include "directories/directory_searches.h"
#include "ui/labels.h"
#include "ui/modal.h"

namespace directories {

DirectoryWindow::DirectoryWindow(const common::ProgramContext& context, const QString& caption,
                                 const DirectoryLayout& layout, QWidget* parent)
    : DirectoryWindow(context, caption, layout, nullptr, parent) {}

DirectoryWindow::DirectoryWindow(const common::ProgramContext& context, const QString& caption,
                                 const DirectoryLayout& layout, const DirectorySearch& search,
                                 QWidget* parent)
    : DirectoryWindow(context, caption, layout, &search, parent) {}

DirectoryWindow::DirectoryWindow(const common::ProgramContext& context, const QString& caption,
                                 const DirectoryLayout& layout, const DirectorySearch* search,
                                 QWidget* parent)
    : ui::DataWindow(context, parent),
      layout_(layout),
      rows_(search ? bindTableSearch(layout.table) : bindTable(layout.table)),
      grid_(new QTableView(this)),
      navigator_(new ui::Navigator(
          search ? ui::Navigator::all() & ~ui::Navigator::Buttons(ui::Navigator::Insert)
                 : ui::Navigator::all(),
          this)) {
    setWindowTitle(caption);
    auto* window = new QVBoxLayout(this);
    if (search) {
        searchStatement_ = search->statement;
        search_ = new QLineEdit(this);
        window->addWidget(new QLabel(search->caption, this));
        window->addWidget(search_);
        window->addSpacing(8);
        connect(search_, &QLineEdit::textChanged, this, &DirectoryWindow::search);
    }
    window->addLayout(makeFields());
    window->addWidget(navigator_);
    window->addWidget(grid_);
    window->addWidget(makeExitButton(), 0, Qt::AlignRight);

    rows_->attachGrid(grid_, layout.grid);
    rows_->attachNavigator(navigator_);
    grid_->setMinimumSize(760, 220);
    if (search) {
        this->search();
    }
    fixSizeAndCentre();
}

// Each field under its label, in form order, the required ones marked on their right.
QLayout* DirectoryWindow::makeFields() {
    auto* grid = new QGridLayout;
    grid->setVerticalSpacing(2);
    int row = 0;
    for (const DirectoryField& description : layout_.fields) {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(description.column);
        edit->setFixedWidth(380);
        rows_->bind(edit, description.column);
        rows_->setCaption(description.column, QString(description.label).remove(u':'));
        fields_.append(edit);
        grid->addWidget(new QLabel(description.label, this), row++, 0);
        grid->addWidget(edit, row, 0);
        if (description.required) {
            grid->addWidget(ui::requiredMark(this), row, 1);
        }
        ++row;
    }
    grid->setColumnStretch(2, 1);
    return grid;
}

QLineEdit* DirectoryWindow::field(const QString& column) const {
    for (QLineEdit* edit : fields_) {
        if (edit->objectName().compare(column, Qt::CaseInsensitive) == 0) {
            return edit;
        }
    }
    return nullptr;
}

void DirectoryWindow::formShow() {
    if (!searchStatement_) {
        rows_->sortBy(layout_.sort);
    }
}

// Search as you type: a text with a forbidden character disables the fields, the navigator and
// the grid and leaves the previous result on screen; any other text finds the rows again.
void DirectoryWindow::search() {
    const QString typed = search_->text();
    if (!directories::isSearchable(typed)) {
        rows_->setControlsEnabled(false);
        return;
    }
    rows_->setControlsEnabled(true);
    // A row being edited is written before the rows are replaced; one whose value was refused
    // (the message has been shown) cannot be, and the new statement drops it with them.
    rows_->settle();
    try {
        rows_->setStatement(searchStatement_(typed));
    } catch (const db::Error&) {
        ui::warn(this, QStringLiteral("Λανθασμένα κριτήρια."));
    }
}

}  // namespace directories
