#pragma once

#include "directories/directory_window.h"

// "Τηλεφωνικός κατάλογος - Εύρεση και Επεξεργασία": the phone book rows whose name begins
// with the letters typed, found as they are typed.
class TForm2 : public DirectoryWindow {
    Q_OBJECT
public:
    explicit TForm2(const common::ProgramContext& context, QWidget* parent = nullptr);
};
