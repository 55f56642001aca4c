#pragma once

#include "directories/directory_window.h"

namespace directories {

// "Προσωπικό του νηπιαγωγείου - Εύρεση και Επεξεργασία": the staff whose full name begins
// with the letters typed, found as they are typed.
class StaffFindWindow : public DirectoryWindow {
    Q_OBJECT
public:
    explicit StaffFindWindow(const common::ProgramContext& context, QWidget* parent = nullptr);
};

}  // namespace directories
