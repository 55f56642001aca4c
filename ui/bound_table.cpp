#include "ui/bound_table.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTableView>
#include <algorithm>

#include "db/error.h"
#include "db/typed_value.h"
#include "ui/labels.h"
#include "ui/modal.h"

namespace ui {

namespace {

// A long result is read in steps of this many rows, for at most this long at a time while the
// program waits for the staff, so that scrolling and typing stay smooth.
constexpr int kRowsPerStep = 500;
constexpr qint64 kReadingSliceMs = 15;

}  // namespace

BoundTable::BoundTable(std::unique_ptr<RowSource> source, QWidget* owner)
    : source_(std::move(source)), owner_(owner) {
    readingTimer_.setInterval(0);
    connect(&readingTimer_, &QTimer::timeout, this, &BoundTable::readWhileIdle);
}

BoundTable::~BoundTable() {
    // The model reads the row source, which goes first among the members: let the grid
    // forget the model before either is gone.
    if (grid_) {
        grid_->setModel(nullptr);
    }
    delete model_;
}

QString BoundTable::deleteQuestion() {
    return QStringLiteral("Να διαγραφεί η εγγραφή;");
}

void BoundTable::bind(QLineEdit* field, const QString& column) {
    addBinding(field, column, FieldKind::Line);
    const int binding = static_cast<int>(bindings_.size()) - 1;
    field->setReadOnly(!source_->isEditable());
    connect(field, &QLineEdit::textEdited, this,
            [this, binding](const QString& text) { fieldEdited(binding, text); });
}

void BoundTable::bind(QPlainTextEdit* field, const QString& column) {
    addBinding(field, column, FieldKind::Plain);
    const int binding = static_cast<int>(bindings_.size()) - 1;
    field->setReadOnly(!source_->isEditable());
    connect(field, &QPlainTextEdit::textChanged, this,
            [this, binding, field] { fieldEdited(binding, field->toPlainText()); });
}

void BoundTable::bind(QComboBox* field, const QString& column) {
    field->setEditable(false);
    addBinding(field, column, FieldKind::List);
    const int binding = static_cast<int>(bindings_.size()) - 1;
    field->setEnabled(source_->isEditable());
    connect(field, &QComboBox::activated, this,
            [this, binding, field](int index) { fieldEdited(binding, field->itemText(index)); });
}

void BoundTable::addBinding(QWidget* widget, const QString& column, FieldKind kind) {
    bindings_.append({widget, column, kind});
    showField(bindings_.last());
}

void BoundTable::attachGrid(QTableView* grid, const QList<GridColumn>& columns,
                            GridEditing editing) {
    grid_ = grid;
    model_ = new RowSetModel(source_->rows(), columns, this);
    if (editing == GridEditing::InPlace && source_->isEditable()) {
        model_->setCellEditor([this](int row, int column, const QString& text) {
            if (!moveTo(row)) {
                return false;
            }
            if (rows().position() >= 0 && rows().text(column) == text) {
                return true;  // the editor closed without a change
            }
            setText(column, text);
            showCurrentRow();
            return true;
        });
    }
    model_->setRowReader([this] { return source_->hasMoreRows(); },
                         [this] { readRows(kRowsPerStep); });
    configureGrid(grid, model_);
    connect(grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                if (!showing_ && current.isValid()) {
                    moveTo(current.row());
                }
            });
    selectCurrentInGrid();
}

void BoundTable::attachNavigator(Navigator* navigator) {
    navigator_ = navigator;
    connect(navigator, &Navigator::clicked, this, &BoundTable::navigatorClicked);
    updateNavigator();
}

void BoundTable::setCaption(const QString& column, const QString& caption) {
    captions_.insert(column.toUpper(), caption);
}

QString BoundTable::captionOf(const QString& column) const {
    QString caption = captions_.value(column.toUpper());
    for (const Binding& binding : bindings_) {
        if (caption.isEmpty() && binding.column.compare(column, Qt::CaseInsensitive) == 0) {
            caption = fieldLabel(binding.widget);
        }
    }
    for (int shown = 0; caption.isEmpty() && model_ && shown < model_->columnCount(); ++shown) {
        if (model_->gridColumn(shown).column.compare(column, Qt::CaseInsensitive) == 0) {
            caption = model_->gridColumn(shown).title;
        }
    }
    return caption.isEmpty() ? column : caption;
}

void BoundTable::navigatorClicked(Navigator::Button which) {
    switch (which) {
        case Navigator::First:
            first();
            break;
        case Navigator::Prior:
            prior();
            break;
        case Navigator::Next:
            next();
            break;
        case Navigator::Last:
            last();
            break;
        case Navigator::Insert:
            insert();
            break;
        case Navigator::Delete:
            remove();
            break;
        case Navigator::Edit:
            edit();
            break;
        case Navigator::Post:
            post();
            break;
        case Navigator::Cancel:
            cancel();
            break;
    }
}

void BoundTable::reload() {
    if (isEditing()) {
        source_->cancel();
    }
    source_->reload();
    rowsReplaced();
    startReading();
}

void BoundTable::setStatement(const QString& statement) {
    source_->setStatement(statement);
    reload();
}

void BoundTable::sortBy(const QString& orderBy) {
    if (isEditing()) {
        source_->cancel();
    }
    source_->setSort(orderBy);
    rowsReplaced();
    afterRowsRead();
}

void BoundTable::startReading() {
    if (source_->hasMoreRows()) {
        readingTimer_.start();
    }
}

void BoundTable::readWhileIdle() {
    QElapsedTimer slice;
    slice.start();
    while (source_->hasMoreRows() && slice.elapsed() < kReadingSliceMs) {
        source_->readMoreRows(kRowsPerStep);
    }
    afterRowsRead();
}

void BoundTable::readRows(int rows) {
    source_->readMoreRows(rows);
    afterRowsRead();
}

void BoundTable::readAllRows() {
    source_->readAllRows();
    afterRowsRead();
}

// The grid grows by the rows read; after the last one the window hears that the rows are
// complete. A failed read ends the reading too.
void BoundTable::afterRowsRead() {
    if (model_) {
        model_->appendReadRows();
    }
    updateNavigator();
    if (!source_->hasMoreRows() && readingTimer_.isActive()) {
        readingTimer_.stop();
        emit allRowsRead();
    }
}

void BoundTable::setControlsEnabled(bool enabled) {
    enabled_ = enabled;
    for (const Binding& binding : bindings_) {
        if (binding.widget) {
            binding.widget->setEnabled(enabled &&
                                       (binding.kind != FieldKind::List || source_->isEditable()));
        }
    }
    if (grid_) {
        grid_->setEnabled(enabled);
    }
    updateNavigator();
}

bool BoundTable::moveTo(int row) {
    const int count = rows().rowCount();
    if (count == 0) {
        return true;
    }
    row = std::clamp(row, 0, count - 1);
    if (row == rows().position()) {
        selectCurrentInGrid();
        return true;
    }
    if (!settle()) {
        selectCurrentInGrid();
        return false;
    }
    source_->rows().moveTo(row);
    rowsChanged();
    return true;
}

bool BoundTable::last() {
    readAllRows();
    return moveTo(rows().rowCount() - 1);
}

bool BoundTable::insert() {
    if (!source_->isEditable() || !settle()) {
        return false;
    }
    source_->insert();
    rowsChanged();
    return true;
}

bool BoundTable::edit() {
    if (!source_->isEditable() || rows().position() < 0) {
        return false;
    }
    source_->edit();
    updateNavigator();
    emit changed();
    return true;
}

bool BoundTable::post() {
    if (!isEditing()) {
        return true;
    }
    if (refusedValue()) {
        return false;
    }
    source_->post();
    rowsChanged();
    emit posted();
    return true;
}

bool BoundTable::settle() {
    if (!isEditing()) {
        return true;
    }
    if (!source_->isModified()) {
        cancel();
        return true;
    }
    return post();
}

void BoundTable::cancel() {
    source_->cancel();
    rowsChanged();
}

bool BoundTable::remove() {
    if (!source_->isEditable() || rows().position() < 0) {
        return false;
    }
    // The standard delete confirmation: OK deletes, Cancel keeps the row.
    if (!askOkCancel(owner_, deleteQuestion())) {
        return false;
    }
    source_->remove();
    rowsChanged();
    return true;
}

void BoundTable::discard() {
    if (isEditing()) {
        cancel();
    }
    stopReading();
}

void BoundTable::stopReading() {
    readingTimer_.stop();
    source_->stopReading();
}

// The same conversion the row source makes when it writes the row, made beforehand so that a
// refused value gets the staff's message while every other failure stays the engine's.
bool BoundTable::refusedValue() {
    const db::RowSet& current = rows();
    if (current.position() < 0) {
        return false;
    }
    for (int column = 0; column < current.columnCount(); ++column) {
        const QVariant value = current.value(column);
        if (value.typeId() != QMetaType::QString) {
            continue;  // not typed text: a value read from the database
        }
        const QString caption = captionOf(current.columnName(column));
        try {
            db::convertTypedValue(value, current.columnKind(column), u'«' + caption + u'»');
        } catch (const db::Error& refused) {
            reportError(owner_, refused.message());
            return true;
        }
    }
    return false;
}

void BoundTable::setText(int column, const QString& text) {
    if (rows().position() < 0 && !insert()) {
        return;
    }
    source_->setValue(column, text);
    if (model_) {
        const bool rowsCameOrWent = model_->rowCount() != rows().rowCount();
        model_->refresh();
        if (rowsCameOrWent) {
            selectCurrentInGrid();
        }
    }
    updateNavigator();
    emit changed();
}

void BoundTable::fieldEdited(int binding, const QString& text) {
    if (showing_) {
        return;
    }
    const int column = rows().findColumn(bindings_.at(binding).column);
    if (column < 0) {
        return;
    }
    const bool startsRow = rows().position() < 0;
    setText(column, text);
    if (startsRow) {
        // The new row emptied the field typed into: give it back the typing, cursor at the end.
        const Binding& typedInto = bindings_.at(binding);
        showField(typedInto);
        if (auto* line = qobject_cast<QLineEdit*>(typedInto.widget.data())) {
            line->end(false);
        } else if (auto* plain = qobject_cast<QPlainTextEdit*>(typedInto.widget.data())) {
            plain->moveCursor(QTextCursor::End);
        }
    }
}

void BoundTable::rowsChanged() {
    if (model_) {
        model_->refresh();
    }
    showCurrentRow();
}

void BoundTable::rowsReplaced() {
    if (model_) {
        model_->reset();
    }
    showCurrentRow();
}

void BoundTable::showCurrentRow() {
    for (const Binding& binding : bindings_) {
        showField(binding);
    }
    selectCurrentInGrid();
    updateNavigator();
    emit changed();
}

void BoundTable::showField(const Binding& binding) {
    if (!binding.widget) {
        return;
    }
    const db::RowSet& current = rows();
    const int column = current.findColumn(binding.column);
    const QString text = column >= 0 && current.position() >= 0 ? current.text(column) : QString();
    showing_ = true;
    switch (binding.kind) {
        case FieldKind::Line: {
            auto* field = static_cast<QLineEdit*>(binding.widget.data());
            if (field->text() != text) {
                field->setText(text);
                field->setCursorPosition(0);
            }
            break;
        }
        case FieldKind::Plain: {
            auto* field = static_cast<QPlainTextEdit*>(binding.widget.data());
            if (field->toPlainText() != text) {
                field->setPlainText(text);
            }
            break;
        }
        case FieldKind::List: {
            auto* field = static_cast<QComboBox*>(binding.widget.data());
            field->setCurrentIndex(field->findText(text));
            break;
        }
    }
    showing_ = false;
}

void BoundTable::selectCurrentInGrid() {
    if (!grid_ || !model_) {
        return;
    }
    showing_ = true;
    const int position = rows().position();
    if (position < 0 || position >= model_->rowCount()) {
        grid_->selectionModel()->clear();
    } else {
        const QModelIndex index =
            model_->index(position, std::max(grid_->currentIndex().column(), 0));
        grid_->selectionModel()->setCurrentIndex(
            index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        grid_->scrollTo(index);
    }
    showing_ = false;
}

void BoundTable::updateNavigator() {
    if (!navigator_) {
        return;
    }
    const db::RowSet& current = rows();
    const bool hasRow = current.position() >= 0;
    const bool editable = source_->isEditable();
    navigator_->setEnabled(enabled_);
    navigator_->setButtonEnabled(Navigator::First, hasRow && current.position() > 0);
    navigator_->setButtonEnabled(Navigator::Prior, hasRow && current.position() > 0);
    navigator_->setButtonEnabled(Navigator::Next, hasRow && !current.atLast());
    navigator_->setButtonEnabled(Navigator::Last, hasRow && !current.atLast());
    navigator_->setButtonEnabled(Navigator::Insert, editable);
    navigator_->setButtonEnabled(Navigator::Delete, editable && hasRow);
    navigator_->setButtonEnabled(Navigator::Edit, editable && hasRow && !isEditing());
    navigator_->setButtonEnabled(Navigator::Post, isEditing());
    navigator_->setButtonEnabled(Navigator::Cancel, isEditing());
}

}  // namespace ui
