#pragma once

#include <QList>
#include <QObject>
#include <QStringList>
#include <functional>

#include "app/shell_command_map.h"

class QAction;
class QMenuBar;

namespace app {

// The main menu built from the menu rows into a menu bar. Every command entry calls `run` with
// its command; an entry whose command `isAvailable` refuses stays disabled. Canned searches
// stay disabled until attached.
class MainMenu : public QObject {
    Q_OBJECT
public:
    using Availability = std::function<bool(QStringView command)>;
    using Runner = std::function<void(QStringView command)>;

    MainMenu(QMenuBar* bar, const Availability& isAvailable, Runner run);

    // Ties canned searches to their entries, found by their submenu path under "Έ&ρευνα" and
    // caption. A search without such an entry is a programming error (std::logic_error).
    void attachCannedSearches(const QList<CannedSearchCommand>& searches, QWidget* parent);

    // Once the receipt numbering is set: the general receipts submenu appears and the numbering
    // command disappears.
    void showReceiptNumberingSet();

private:
    struct CannedSearchEntry {
        QStringList path;
        QAction* action;
    };

    Runner run_;
    QList<QAction*> shownOnceNumberingSet_;
    QList<QAction*> hiddenOnceNumberingSet_;
    QList<CannedSearchEntry> cannedSearches_;
};

}  // namespace app
