#include "ui/data_window.h"

#include <QShowEvent>

namespace ui {

DataWindow::DataWindow(const common::ProgramContext& context, QWidget* parent)
    : Window(parent), context_(context), connection_(context.connectionString) {
    connection_.open();
}

DataWindow::~DataWindow() = default;

BoundTable* DataWindow::adopt(std::unique_ptr<RowSource> source) {
    bound_.push_back(std::make_unique<BoundTable>(std::move(source), this));
    return bound_.back().get();
}

BoundTable* DataWindow::bindTable(const QString& tableName, const QString& orderBy) {
    auto source = std::make_unique<TableSource>(connection_, tableName);
    source->table().setSort(orderBy);
    source->table().open();
    return adopt(std::move(source));
}

BoundTable* DataWindow::bindQuery(Reading reading) {
    return adopt(std::make_unique<QuerySource>(connection_, reading));
}

BoundTable* DataWindow::bindTableSearch(const QString& tableName) {
    return adopt(std::make_unique<TableSource>(connection_, tableName));
}

BoundTable* DataWindow::bindSource(std::unique_ptr<RowSource> source) {
    return adopt(std::move(source));
}

void DataWindow::done(int result) {
    for (const auto& bound : bound_) {
        bound->discard();
    }
    connection_.close();
    Window::done(result);
}

void DataWindow::showEvent(QShowEvent* event) {
    Window::showEvent(event);
    if (event->spontaneous()) {
        return;
    }
    if (!connection_.isOpen()) {
        connection_.open();
        for (const auto& bound : bound_) {
            bound->reload();
        }
    }
    formShow();
}

}  // namespace ui
