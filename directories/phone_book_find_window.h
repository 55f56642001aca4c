#pragma once

#include "directories/directory_window.h"

namespace directories {

// "Τηλεφωνικός κατάλογος - Εύρεση και Επεξεργασία": the phone book rows whose name begins
// with the letters typed, found as they are typed.
class PhoneBookFindWindow : public DirectoryWindow {
    Q_OBJECT
public:
    explicit PhoneBookFindWindow(const common::ProgramContext& context, QWidget* parent = nullptr);
};

}  // namespace directories
