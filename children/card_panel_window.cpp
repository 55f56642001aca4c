#include "children/card_panel_window.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QWheelEvent>

#include "ui/bound_table.h"
#include "ui/labels.h"
#include "ui/window.h"

namespace children {

namespace {

// Wide enough for a name or an address, narrow enough for the card to fit a 1024-px screen
// beside the longest label and note.
constexpr int kFieldWidth = 270;

QLabel* sectionHeadingLabel(CardSection section, QWidget* parent) {
    auto* label = new QLabel(sectionHeading(section), parent);
    QFont font = label->font();
    font.setPointSize(font.pointSize() + 6);
    font.setBold(true);
    font.setUnderline(true);
    label->setFont(font);
    return label;
}

QWidget* lineField(QWidget* parent) {
    auto* field = new QLineEdit(parent);
    field->setMinimumWidth(kFieldWidth);
    return field;
}

QWidget* longTextField(QWidget* parent) {
    auto* field = new QPlainTextEdit(parent);
    field->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    field->setTabChangesFocus(true);  // Tab moves on through the card instead of typing a tab
    field->setFixedHeight(64);
    field->setMinimumWidth(kFieldWidth);
    return field;
}

// A list that starts empty, so that a question left unanswered stays empty.
QWidget* listField(const QStringList& values, QWidget* parent) {
    auto* field = new QComboBox(parent);
    field->addItem(QString());
    field->addItems(values);
    field->setMinimumWidth(160);
    field->setFocusPolicy(Qt::StrongFocus);
    return field;
}

}  // namespace

CardPanel::CardPanel(RegistryNumber registryNumber, QWidget* parent) : QScrollArea(parent) {
    auto* content = new QWidget(this);
    ui::Window::applyLook(content);
    auto* grid = new QGridLayout(content);
    grid->setHorizontalSpacing(10);
    grid->setColumnStretch(3, 1);
    int row = 0;
    addSection(grid, row, CardSection::Personal, registryNumber == RegistryNumber::Shown);
    addSection(grid, row, CardSection::Health, false);
    addSection(grid, row, CardSection::Other, false);
    setWidget(content);
    setWidgetResizable(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    chainKeyboardOrder();
}

void CardPanel::addSection(QGridLayout* grid, int& row, CardSection section,
                           bool withRegistryNumber) {
    grid->addWidget(sectionHeadingLabel(section, widget()), row++, 0, 1, 4);
    QString groupShown;
    for (const CardField& field : cardFields(section)) {
        if (field.column == registryNumberColumn() && !withRegistryNumber) {
            continue;
        }
        if (!field.groupHeading.isEmpty() && field.groupHeading != groupShown) {
            grid->addWidget(ui::boldLabel(field.groupHeading, widget()), row++, 0, 1, 4);
            groupShown = field.groupHeading;
        }
        addField(grid, row, field);
    }
}

void CardPanel::addField(QGridLayout* grid, int& row, const CardField& field) {
    QLabel* label = ui::boldLabel(field.label, widget());
    QWidget* input = makeFieldWidget(field);
    label->setBuddy(input);
    const bool tall = field.kind == FieldKind::LongText || field.label.contains(u'\n');
    grid->addWidget(label, row, 0, Qt::AlignLeft | (tall ? Qt::AlignTop : Qt::AlignVCenter));
    grid->addWidget(input, row, 1, Qt::AlignLeft | Qt::AlignTop);
    grid->addWidget(makeMarks(field), row, 2,
                    Qt::AlignLeft | (tall ? Qt::AlignTop : Qt::AlignVCenter));
    ++row;
    shownFields_.append(field);
    fields_.insert(field.column, input);
}

QWidget* CardPanel::makeFieldWidget(const CardField& field) {
    QWidget* input = nullptr;
    if (field.isDropDown()) {
        input = listField(field.values, widget());
        input->installEventFilter(this);
    } else if (field.kind == FieldKind::LongText) {
        input = longTextField(widget());
    } else {
        input = lineField(widget());
    }
    input->setObjectName(field.column);
    input->setAccessibleName(field.label);
    return input;
}

// The red asterisk, the date example and the note, in that order, right of the field.
QWidget* CardPanel::makeMarks(const CardField& field) {
    auto* marks = new QWidget(widget());
    auto* layout = new QHBoxLayout(marks);
    layout->setContentsMargins(0, 0, 0, 0);
    if (field.marked) {
        layout->addWidget(ui::requiredMark(marks));
    }
    if (field.dateExample) {
        layout->addWidget(ui::redLabel(dateExampleText(), marks));
    }
    if (field.note != FieldNote::None) {
        layout->addWidget(ui::redLabel(noteText(field.note), marks));
    }
    layout->addStretch();
    return marks;
}

void CardPanel::chainKeyboardOrder() {
    const QList<QWidget*> ordered = fieldsInOrder();
    for (int i = 1; i < ordered.size(); ++i) {
        setTabOrder(ordered.at(i - 1), ordered.at(i));
    }
}

QList<QWidget*> CardPanel::fieldsInOrder() const {
    QList<QWidget*> ordered;
    for (const CardField& field : shownFields_) {
        ordered.append(fields_.value(field.column));
    }
    return ordered;
}

void CardPanel::bindTo(ui::BoundTable& table) {
    for (const CardField& field : shownFields_) {
        QWidget* input = fields_.value(field.column);
        if (auto* list = qobject_cast<QComboBox*>(input)) {
            table.bind(list, field.column);
        } else if (auto* text = qobject_cast<QPlainTextEdit*>(input)) {
            table.bind(text, field.column);
        } else {
            table.bind(qobject_cast<QLineEdit*>(input), field.column);
        }
    }
}

void CardPanel::setReadOnly(bool readOnly) {
    readOnly_ = readOnly;
    for (QWidget* input : std::as_const(fields_)) {
        if (auto* line = qobject_cast<QLineEdit*>(input)) {
            line->setReadOnly(readOnly);
        } else if (auto* text = qobject_cast<QPlainTextEdit*>(input)) {
            text->setReadOnly(readOnly);
        } else {
            input->setEnabled(!readOnly);
        }
    }
}

// The mouse wheel scrolls the card: a list that the staff have not clicked into does not take
// the turn of the wheel as a change of its value, the card scrolls instead. Only the card's own
// lists are watched here; the scroll area also watches its scroll bars, and the turn handed to
// the card reaches its vertical scroll bar, which must take it as usual.
bool CardPanel::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Wheel && isUnfocusedList(watched)) {
        wheelEvent(static_cast<QWheelEvent*>(event));
        event->accept();  // the card took the turn: it goes no further
        return true;
    }
    return QScrollArea::eventFilter(watched, event);
}

bool CardPanel::isUnfocusedList(QObject* watched) const {
    auto* list = qobject_cast<QComboBox*>(watched);
    return list && !list->hasFocus();
}

}  // namespace children
