#pragma once

#include <optional>

#include "common/program_context.h"
#include "ui/window.h"

class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;

namespace children {

// The child find window, "Εύρεση παιδιού": what to list (surname initials, a registry number or
// every child; active, de-enrolled or all children). Each search writes the list request and
// opens the children list window over it; this window stays open under the list.
class ChildFindWindow : public ui::Window {
    Q_OBJECT
public:
    explicit ChildFindWindow(const common::ProgramContext& context, QWidget* parent = nullptr);

    static QString caption();

    QLineEdit* surnameField() const { return surnameField_; }
    QLineEdit* numberField() const { return numberField_; }
    QPushButton* surnameFindButton() const { return surnameFind_; }
    QPushButton* numberFindButton() const { return numberFind_; }
    QPushButton* everyChildButton() const { return everyChild_; }
    QRadioButton* activeChoice() const { return active_; }
    QRadioButton* deletedChoice() const { return deleted_; }
    QRadioButton* allChoice() const { return all_; }
    QTabWidget* pages() const { return pages_; }

private:
    QWidget* makeSurnamePage();
    QWidget* makeNumberPage();
    QWidget* makeStatusFrame();
    void findByRegistryNumber();
    void searchFor(const std::optional<QString>& condition);

    const common::ProgramContext& context_;
    QTabWidget* pages_ = nullptr;
    QLineEdit* surnameField_ = nullptr;
    QLineEdit* numberField_ = nullptr;
    QPushButton* surnameFind_ = nullptr;
    QPushButton* numberFind_ = nullptr;
    QPushButton* everyChild_ = nullptr;
    QRadioButton* active_ = nullptr;
    QRadioButton* deleted_ = nullptr;
    QRadioButton* all_ = nullptr;
};

}  // namespace children
