#pragma once

#include <QString>
#include <memory>

class QProgressDialog;

namespace reports {

// The progress dialog of long work: a report being prepared ("Προετοιμασία εκτύπωσης…"), a
// register or a yearly status being built. It appears only when the work has taken, or is
// expected to take, more than about a second, so that short work shows none; without a widget
// application (tools) it shows nothing.
class WorkProgress {
public:
    WorkProgress(const QString& title, const QString& label);
    ~WorkProgress();
    WorkProgress(const WorkProgress&) = delete;
    WorkProgress& operator=(const WorkProgress&) = delete;

    // A common::Progress.
    void operator()(int done, int total);

private:
    std::unique_ptr<QProgressDialog> dialog_;
};

}  // namespace reports
