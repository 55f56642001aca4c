#pragma once

#include <memory>

class QProgressDialog;

namespace reports {

// The progress dialog of a report being prepared ("Προετοιμασία εκτύπωσης…"). It appears only
// when the preparation has taken, or is expected to take, more than about a second, so that
// short reports show none; without a widget application (tools) it shows nothing.
class PreparationProgress {
public:
    PreparationProgress();
    ~PreparationProgress();
    PreparationProgress(const PreparationProgress&) = delete;
    PreparationProgress& operator=(const PreparationProgress&) = delete;

    // A reports::Progress.
    void operator()(int done, int total);

private:
    std::unique_ptr<QProgressDialog> dialog_;
};

}  // namespace reports
