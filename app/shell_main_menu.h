#pragma once

#include <QList>
#include <QObject>
#include <QStringView>
#include <functional>

class QAction;
class QMenuBar;

namespace searches {
struct CannedSearch;
}

namespace app {

// The main menu built from the menu rows into a menu bar. Every command entry calls `run` with
// its command; an entry whose command `isAvailable` refuses stays disabled. Every canned-search
// entry calls `runSearch` with its search.
class MainMenu : public QObject {
    Q_OBJECT
public:
    using Availability = std::function<bool(QStringView command)>;
    using Runner = std::function<void(QStringView command)>;
    using SearchRunner = std::function<void(const searches::CannedSearch& search)>;

    MainMenu(QMenuBar* bar, const Availability& isAvailable, Runner run, SearchRunner runSearch);

    // Once the receipt numbering is set: the general receipts submenu appears and the numbering
    // command disappears.
    void showReceiptNumberingSet();

private:
    Runner run_;
    SearchRunner runSearch_;
    QList<QAction*> shownOnceNumberingSet_;
    QList<QAction*> hiddenOnceNumberingSet_;
};

}  // namespace app
