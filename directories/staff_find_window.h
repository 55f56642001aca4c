#pragma once

#include "directories/directory_window.h"

// "Προσωπικό του νηπιαγωγείου - Εύρεση και Επεξεργασία": the staff whose full name begins
// with the letters typed, found as they are typed.
class TForm52 : public DirectoryWindow {
    Q_OBJECT
public:
    explicit TForm52(const common::ProgramContext& context, QWidget* parent = nullptr);
};
