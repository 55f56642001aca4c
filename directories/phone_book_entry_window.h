#pragma once

#include "directories/directory_window.h"

// The phone book's fields and grid columns, shared by its entry and find windows.
DirectoryLayout phoneBookLayout();

// "Τηλεφωνικός κατάλογος -  Καταχώρηση και Επεξεργασία": the phone book, every row.
class TForm1 : public DirectoryWindow {
    Q_OBJECT
public:
    explicit TForm1(const common::ProgramContext& context, QWidget* parent = nullptr);
};
