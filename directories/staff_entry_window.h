#pragma once

#include "directories/directory_window.h"

namespace directories {

// The staff's fields and grid columns; the find window's name label and heading begin with a
// Latin capital O, so the caller gives the name texts.
DirectoryLayout staffLayout(const QString& nameLabel, const QString& nameHeading);

// "Προσωπικό του νηπιαγωγείου -  Καταχώρηση και Επεξεργασία": the staff, every row.
class StaffEntryWindow : public DirectoryWindow {
    Q_OBJECT
public:
    explicit StaffEntryWindow(const common::ProgramContext& context, QWidget* parent = nullptr);
};

}  // namespace directories
