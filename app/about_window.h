#pragma once

#include "ui/window.h"

// The About window: the program's picture, its name, version and the maker's contact details.
// A long-lived window; "OK", Enter and Escape close it.
class TForm62 : public ui::Window {
    Q_OBJECT
public:
    explicit TForm62(QWidget* parent = nullptr);
};
