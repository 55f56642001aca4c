// Every window fits the screen the program is made for, 1024 x 768: each window the command map
// opens, the children list and the per-child windows it opens, on a database with a
// kindergarten's sample history, so that the grids hold real rows.
#include <QDialog>
#include <QScrollArea>
#include <QTest>

#include "app/shell_command_map.h"
#include "app/shell_long_lived.h"
#include "children/children_list_window.h"
#include "common/child_openers.h"
#include "common/program_context.h"
#include "db/clock.h"
#include "support/delivered_database.h"
#include "tools/sample_data.h"
#include "ui/long_lived_windows.h"
#include "ui/modal_answers.h"

using namespace Qt::StringLiterals;

namespace {

// Room left for the title bar a window manager adds above the window.
constexpr QSize kScreen(1024, 768);
constexpr int kTitleBar = 30;

}  // namespace

class WindowSizesTest : public QObject {
    Q_OBJECT

private slots:
    void everyWindowFitsTheScreen() {
        testsupport::DeliveredDatabase database;
        db::Clock::set(QDateTime(QDate(2024, 3, 15), QTime(8, 30)));
        sample::Options options;
        options.children = 40;
        sample::fillSampleData(database.connection(), options);
        common::ProgramContext context = database.dir().programContext();
        context.receiptNumberingSet = true;

        testsupport::ModalAnswers answers;
        ui::ScopedModalSeam seam(answers);
        QStringList tooLarge;
        QStringList seen;
        QStringList cutOff;
        answers.onShow = [&](QDialog* window) {
            window->show();
            const QString name = QString::fromLatin1(window->metaObject()->className());
            seen.append(name);
            const QSize size = window->frameGeometry().size();
            if (size.width() > kScreen.width() || size.height() + kTitleBar > kScreen.height()) {
                tooLarge.append(u"%1 (%2 x %3)"_s.arg(name).arg(size.width()).arg(size.height()));
            }
            // Fitting the screen by cutting content off is no fit: the layout has its room,
            // and a card that scrolls only up and down is no wider than its view.
            if (window->minimumSizeHint().width() > window->width() ||
                window->minimumSizeHint().height() > window->height()) {
                cutOff.append(name);
            }
            for (const QScrollArea* area : window->findChildren<QScrollArea*>()) {
                if (area->horizontalScrollBarPolicy() == Qt::ScrollBarAlwaysOff &&
                    area->widget()->minimumSizeHint().width() > area->viewport()->width()) {
                    cutOff.append(name + u" (scroll area %1 > %2)"_s
                                             .arg(area->widget()->minimumSizeHint().width())
                                             .arg(area->viewport()->width()));
                }
            }
            window->hide();
            return int(QDialog::Rejected);
        };

        app::tieChildWindows();
        ui::LongLivedWindows longLived(app::createLongLivedWindows(context));
        for (QStringView command : app::windowCommands()) {
            app::openWindow(command, context, nullptr);
        }
        children::ChildrenListWindow list(context);
        ui::showModal(&list);
        const common::ChildIdentity child{u"1"_s, u"Μαρία"_s, u"Αλεξίου"_s};
        for (int which = int(common::ChildWindow::Details);
             which <= int(common::ChildWindow::OwedTuition); ++which) {
            if (const common::ChildOpener open = common::childOpener(common::ChildWindow(which))) {
                open(context, nullptr, child);
            }
        }

        QVERIFY2(seen.size() > app::windowCommands().size(), qPrintable(seen.join(u", ")));
        QVERIFY2(tooLarge.isEmpty(), qPrintable(tooLarge.join(u", ")));
        QVERIFY2(cutOff.isEmpty(), qPrintable(cutOff.join(u", ")));
        db::Clock::reset();
    }
};

QTEST_MAIN(WindowSizesTest)
#include "window_sizes_qtest.moc"
