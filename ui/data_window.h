#pragma once

#include <memory>
#include <vector>

#include "common/program_context.h"
#include "db/connection.h"
#include "ui/bound_table.h"
#include "ui/window.h"

namespace ui {

// A window that works on the database: it opens a connection of its own with the connection
// string of the program context it is given when it is created, and closes it when it closes,
// dropping an unsaved row of its bound tables without a question. Shown again, it reconnects
// and reads its rows again. The context must outlive the window.
class DataWindow : public Window {
    Q_OBJECT
public:
    explicit DataWindow(const common::ProgramContext& context, QWidget* parent = nullptr);
    ~DataWindow() override;

    db::Connection& connection() { return connection_; }
    // What the window was given of the program, to hand on to the windows it opens.
    const common::ProgramContext& programContext() const { return context_; }

protected:
    // A table edited directly, opened at once, in the order given (as stored when none). Read
    // again when the window is shown again, it keeps that order.
    BoundTable* bindTable(const QString& tableName, const QString& orderBy = {});
    // A read-only query; its statement runs with BoundTable::setStatement or reload(). A long
    // list reads gradually: its first screen shows at once.
    BoundTable* bindQuery(Reading reading = Reading::Whole);
    // The rows of a search over one table, edited as the table's own; nothing is read until
    // BoundTable::setStatement runs the search.
    BoundTable* bindTableSearch(const QString& tableName);
    // A row source of the window's own making (a table whose rows take more than themselves
    // when deleted, ...), bound as the others are.
    BoundTable* bindSource(std::unique_ptr<RowSource> source);

    // Runs each time the window is shown (not when the desktop merely uncovers it): the place
    // to order the rows as the window lists them.
    virtual void formShow() {}

    void done(int result) override;
    void showEvent(QShowEvent* event) override;

private:
    BoundTable* adopt(std::unique_ptr<RowSource> source);

    const common::ProgramContext& context_;
    db::Connection connection_;
    // After the connection, so the rows go before it.
    std::vector<std::unique_ptr<BoundTable>> bound_;
};

}  // namespace ui
