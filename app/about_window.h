#pragma once

#include "ui/window.h"

namespace app {

// The About window: the program's picture, its name, version and the maker's contact details.
// A long-lived window; "OK", Enter and Escape close it.
class AboutWindow : public ui::Window {
    Q_OBJECT
public:
    explicit AboutWindow(QWidget* parent = nullptr);
};

}  // namespace app
