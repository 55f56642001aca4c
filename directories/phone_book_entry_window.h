#pragma once

#include "directories/directory_window.h"

namespace directories {

// The phone book's fields and grid columns, shared by its entry and find windows.
DirectoryLayout phoneBookLayout();

// "Τηλεφωνικός κατάλογος -  Καταχώρηση και Επεξεργασία": the phone book, every row.
class PhoneBookEntryWindow : public DirectoryWindow {
    Q_OBJECT
public:
    explicit PhoneBookEntryWindow(const common::ProgramContext& context, QWidget* parent = nullptr);
};

}  // namespace directories
