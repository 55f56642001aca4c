#pragma once

#include <QMainWindow>
#include <QTimer>

#include "app/startup.h"

class QCalendarWidget;
class QLabel;
class QWidget;

namespace common {
struct ProgramContext;
}
namespace app {
class AnalogClock;
class MainMenu;

// The main window: the menu, the side panel of buttons, the picture, the month calendar, the
// clock and the status bar. Its start() runs the start-up sequence before it is shown; closing
// it asks first and ends the program through the splash. It fills the program context it is
// given during start-up and hands it to every window it opens.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(common::ProgramContext& context);
    ~MainWindow() override;

    // Runs the start-up sequence for a program started in `currentDirectory`. The window may be
    // shown only when the outcome is Running.
    app::StartupOutcome start(const QString& currentDirectory);

    // Runs a command of the menu or the side panel.
    void runCommand(QStringView command);

    // Checks the receipt numbering again; once it is set, the menu offers the general receipts
    // instead of the numbering command.
    void runReceiptNumberingCheck();

    // The steps of the start-up sequence that change the window.
    void showReceiptNumberingSet();
    void prepareForUse();
    void abandon();

    QWidget* sidePanel() const { return sidePanel_; }
    QCalendarWidget* calendar() const { return calendar_; }
    QString makersNotice() const;

protected:
    void closeEvent(QCloseEvent* event) override;
    // Double-clicks and the (empty) context menu anywhere on the window's own surfaces open the
    // maker's web site; the picture, panels and status bar pass theirs on to the window.
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    QWidget* makePictureArea();
    QWidget* makeRightPanel();
    QWidget* makeBottomPanel();
    void makeStatusBar();
    void showTime();
    void toggleSidePanel();
    void startCalculator();
    void openPictureFolder();
    void openMakersSite();

    common::ProgramContext& context_;
    app::MainMenu* menu_ = nullptr;
    QWidget* sidePanel_ = nullptr;
    QCalendarWidget* calendar_ = nullptr;
    app::AnalogClock* clock_ = nullptr;
    QLabel* dateTimePanel_ = nullptr;
    QLabel* noticePanel_ = nullptr;
    QTimer clockTimer_;
};

}  // namespace app
