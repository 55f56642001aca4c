#pragma once

#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <memory>

#include "ui/navigator.h"
#include "ui/row_source.h"
#include "ui/rowset_model.h"

class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QTableView;
class QWidget;

namespace ui {

// The heart of a data window: a row source with the widgets bound to it. Edit fields show the
// columns of the current row and hand what is typed to the row; the grid shows the rows and
// follows the current row; the navigator moves, inserts, deletes, saves and cancels.
//
// The rules the staff know: a row being edited is written when another row becomes current
// (and dropped when nothing in it changed); a value that does not fit its column is refused
// with a Greek message when the row is written, and the typing stays; deleting asks first;
// cancel drops the unsaved change. Engine failures are not caught here.
class BoundTable : public QObject {
    Q_OBJECT
public:
    enum class GridEditing { ReadOnly, InPlace };

    // owner is the window: messages and questions are its children.
    BoundTable(std::unique_ptr<RowSource> source, QWidget* owner);
    ~BoundTable() override;

    RowSource& source() { return *source_; }
    const db::RowSet& rows() const { return source_->rows(); }
    RowSetModel* model() const { return model_; }
    bool isEditing() const { return source_->isEditing(); }
    // A long result is being read after its first screen was shown (allRowsRead() follows).
    bool isReading() const { return source_->hasMoreRows(); }

    // Fields bound to a column of the current row. A drop-down list accepts only its values.
    void bind(QLineEdit* field, const QString& column);
    void bind(QPlainTextEdit* field, const QString& column);
    void bind(QComboBox* field, const QString& column);
    // The grid (one per bound table) over the rows, configured as the program's grids are.
    void attachGrid(QTableView* grid, const QList<GridColumn>& columns,
                    GridEditing editing = GridEditing::ReadOnly);
    void attachNavigator(Navigator* navigator);
    // The name a refusal message gives the column (its label), instead of the column's name.
    void setCaption(const QString& column, const QString& caption);
    // How a refusal names the column: the caption given, else the label of its bound field,
    // else its grid title, else the column's own name.
    QString captionOf(const QString& column) const;

    // Reads the rows again (runs a query's statement again); an unsaved change is dropped.
    void reload();
    // A query's new statement, run at once.
    void setStatement(const QString& statement);
    // Orders the rows (every one, read first); an unsaved change is dropped.
    void sortBy(const QString& orderBy);
    // Reads at once the rows of a long result still unread.
    void readAllRows();
    // Leaves them unread (the rows are about to be read again).
    void stopReading();
    // Enables or disables every bound field, the grid and the navigator.
    void setControlsEnabled(bool enabled);

    // Moving writes a row being edited first; false when the row was refused (the row stays).
    bool moveTo(int row);
    bool first() { return moveTo(0); }
    bool prior() { return moveTo(rows().position() - 1); }
    bool next() { return moveTo(rows().position() + 1); }
    bool last();
    bool insert();
    // Puts the current row in editing (the navigator's edit button); false when there is no
    // row or the rows cannot be edited.
    bool edit();
    // Writes the row being edited; false when a value was refused (message shown).
    bool post();
    // Before the rows are replaced: writes a changed row, drops an unchanged new one.
    bool settle();
    void cancel();
    // Asks first; false when the answer was No or there is no row.
    bool remove();
    // The window closes: an unsaved change is dropped without a question and rows still unread
    // stay unread.
    void discard();

    // Puts typed text into a column of the current row (a new row when there is none).
    void setText(int column, const QString& text);

    static QString deleteQuestion();

signals:
    // The current row, its values or the rows changed.
    void changed();
    // The row being edited was saved: by the save button, post(), or on moving away from a
    // changed row. Emitted after the fields show the row as stored.
    void posted();
    // The last row of a long result was read: the rows are complete.
    void allRowsRead();

private:
    enum class FieldKind { Line, Plain, List };
    struct Binding {
        QPointer<QWidget> widget;
        QString column;
        FieldKind kind;
    };

    void addBinding(QWidget* widget, const QString& column, FieldKind kind);
    void fieldEdited(int binding, const QString& text);
    bool refusedValue();
    void rowsChanged();
    void rowsReplaced();
    void startReading();
    void readWhileIdle();
    void readRows(int rows);
    void afterRowsRead();
    void showCurrentRow();
    void showField(const Binding& binding);
    void selectCurrentInGrid();
    void updateNavigator();
    void navigatorClicked(Navigator::Button which);

    std::unique_ptr<RowSource> source_;
    QWidget* owner_;
    QList<Binding> bindings_;
    QHash<QString, QString> captions_;  // upper-case column name -> caption
    RowSetModel* model_ = nullptr;
    QPointer<QTableView> grid_;
    QPointer<Navigator> navigator_;
    bool enabled_ = true;
    bool showing_ = false;  // fields and grid are being filled from the row, not typed into
    QTimer readingTimer_;   // reads a long result while the program waits for the staff
};

}  // namespace ui
