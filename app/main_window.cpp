#include "app/main_window.h"

#include <QCalendarWidget>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QLocale>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

#include "app/desktop_programs.h"
#include "app/menu_tree.h"
#include "app/shell_analog_clock.h"
#include "app/shell_artwork.h"
#include "app/shell_command_map.h"
#include "app/shell_main_menu.h"
#include "app/shell_startup_screens.h"
#include "app/splash_window.h"
#include "common/date_literal.h"
#include "common/program_context.h"
#include "db/clock.h"
#include "ui/modal.h"
#include "ui/window.h"

namespace app {

namespace {

bool isShellCommand(QStringView command) {
    using namespace app::shellCommand;
    return command == calculator || command == images || command == backup ||
           command == exitProgram;
}

bool isAvailable(QStringView command) {
    return isShellCommand(command) || app::hasWindow(command);
}

QFrame* makePanel(QWidget* parent) {
    auto* panel = new QFrame(parent);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    return panel;
}

}  // namespace

MainWindow::MainWindow(common::ProgramContext& context) : context_(context) {
    setWindowTitle(QStringLiteral("velorima created by Quornbeck"));
    // Tahoma as designed; where it is missing, a condensed face keeps the side buttons' long
    // captions inside the panel.
    QFont font;
    font.setFamilies({QStringLiteral("Tahoma"), QStringLiteral("DejaVu Sans Condensed")});
    font.setPointSize(8);
    setFont(font);
    ui::Window::applyLook(this);

    menu_ = new app::MainMenu(
        menuBar(), isAvailable, [this](QStringView command) { runCommand(command); },
        &app::runCannedSearch);

    auto* central = new QWidget(this);
    auto* grid = new QGridLayout(central);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(0);
    grid->addWidget(makePictureArea(), 0, 0);
    grid->addWidget(makeRightPanel(), 0, 1);
    grid->addWidget(makeBottomPanel(), 1, 0, 1, 2);
    setCentralWidget(central);
    makeStatusBar();

    resize(968, 716);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
    connect(&clockTimer_, &QTimer::timeout, this, &MainWindow::showTime);
    clockTimer_.start(1000);
    showTime();
}

MainWindow::~MainWindow() = default;

app::StartupOutcome MainWindow::start(const QString& currentDirectory) {
    app::MainWindowStartupScreens screens(*this, context_);
    return app::runStartup(context_, currentDirectory, screens);
}

QWidget* MainWindow::makePictureArea() {
    auto* area = new QWidget(this);
    const QRect place(70, 214, 690, 194);
    area->setMinimumSize(place.right() + 1, place.bottom() + 1);
    auto* picture = new QLabel(area);
    picture->setPixmap(app::kindergartenPicture(place.size(), app::programName()));
    picture->setGeometry(place);
    return area;
}

QWidget* MainWindow::makeRightPanel() {
    QFrame* panel = makePanel(this);
    panel->setFixedWidth(207);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    auto* toggle = new QToolButton(panel);
    toggle->setIcon(style()->standardIcon(QStyle::SP_BrowserReload));
    toggle->setFocusPolicy(Qt::NoFocus);
    toggle->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    toggle->setFixedHeight(25);
    connect(toggle, &QToolButton::clicked, this, &MainWindow::toggleSidePanel);
    layout->addWidget(toggle);

    sidePanel_ = new QWidget(panel);
    auto* buttons = new QVBoxLayout(sidePanel_);
    buttons->setContentsMargins(0, 0, 0, 0);
    buttons->setSpacing(0);
    for (const app::SideButton& side : app::sideButtons()) {
        auto* button = new QPushButton(side.caption.toString(), sidePanel_);
        button->setFixedHeight(25);
        button->setFocusPolicy(Qt::NoFocus);
        button->setEnabled(isAvailable(side.command));
        const QStringView command = side.command;
        connect(button, &QPushButton::clicked, this, [this, command] { runCommand(command); });
        buttons->addWidget(button);
    }
    buttons->addStretch();
    sidePanel_->hide();
    layout->addWidget(sidePanel_, 1);
    layout->addStretch();
    return panel;
}

QWidget* MainWindow::makeBottomPanel() {
    QFrame* panel = makePanel(this);
    panel->setFixedHeight(159);
    auto* layout = new QHBoxLayout(panel);
    layout->setContentsMargins(2, 2, 2, 2);

    calendar_ = new QCalendarWidget(panel);
    calendar_->setLocale(QLocale(QLocale::Greek, QLocale::Greece));
    calendar_->setVerticalHeaderFormat(QCalendarWidget::ISOWeekNumbers);
    calendar_->setHorizontalHeaderFormat(QCalendarWidget::SingleLetterDayNames);
    calendar_->setFixedWidth(200);
    layout->addWidget(calendar_);
    layout->addStretch();

    clock_ = new app::AnalogClock(panel);
    clock_->setFixedSize(145, 153);
    layout->addWidget(clock_);
    return panel;
}

void MainWindow::makeStatusBar() {
    dateTimePanel_ = new QLabel(this);
    dateTimePanel_->setFixedWidth(190);
    noticePanel_ = new QLabel(this);
    noticePanel_->setFixedWidth(520);
    statusBar()->addWidget(dateTimePanel_);
    statusBar()->addWidget(noticePanel_);
}

QString MainWindow::makersNotice() const {
    return QStringLiteral("velorima \u00a9 Quornbeck \u2013 %1 \u2013 %2")
        .arg(app::makersAddress(), app::programVersion());
}

void MainWindow::showTime() {
    const QDateTime now = db::Clock::now();
    // The program's short date form and the long time form.
    dateTimePanel_->setText(common::shortDate(now.date()) + u' ' +
                            now.time().toString(QStringLiteral("HH:mm:ss")));
    clock_->setTime(now.time());
}

void MainWindow::toggleSidePanel() {
    sidePanel_->setVisible(!sidePanel_->isVisible());
}

void MainWindow::showReceiptNumberingSet() {
    menu_->showReceiptNumberingSet();
}

void MainWindow::prepareForUse() {
    noticePanel_->setText(makersNotice());
    setWindowState(Qt::WindowMaximized);
    calendar_->setSelectedDate(db::Clock::today());
}

void MainWindow::abandon() {
    setEnabled(false);
    hide();
    setWindowState(Qt::WindowMinimized);
}

void MainWindow::runCommand(QStringView command) {
    using namespace app::shellCommand;
    if (command == calculator) {
        startCalculator();
    } else if (command == images) {
        openPictureFolder();
    } else if (command == backup) {
        ui::inform(this, app::backupAdvice());
    } else if (command == exitProgram) {
        close();
    } else {
        app::openWindow(command, context_, this);
        if (command == app::receiptNumberingCommand()) {
            runReceiptNumberingCheck();
        }
    }
}

void MainWindow::runReceiptNumberingCheck() {
    if (app::runReceiptNumberingCheck(context_)) {
        showReceiptNumberingSet();
    }
}

void MainWindow::startCalculator() {
    if (!app::startCalculator()) {
        ui::warn(this, app::noCalculatorMessage());
    }
}

void MainWindow::openPictureFolder() {
    const QString folder = context_.programFile(QStringLiteral("IMAGES"));
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(folder))) {
        ui::warn(this, app::noFileBrowserMessage(folder));
    }
}

void MainWindow::openMakersSite() {
    QDesktopServices::openUrl(QUrl(app::makersAddress()));
}

void MainWindow::mouseDoubleClickEvent(QMouseEvent* /*event*/) {
    openMakersSite();
}

void MainWindow::contextMenuEvent(QContextMenuEvent* /*event*/) {
    openMakersSite();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!ui::askYesNo(this, QStringLiteral("Έξοδος;"))) {
        event->ignore();
        return;
    }
    hide();
    SplashWindow splash;
    ui::showModal(&splash);
    event->accept();
    QCoreApplication::quit();
}

}  // namespace app
