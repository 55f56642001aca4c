#include "directories/staff_find_window.h"

#include "directories/directory_searches.h"
#include "directories/staff_entry_window.h"

namespace directories {

// The name label and heading begin with a Latin capital O, the search caption has a Latin small
// o for its fourth letter: the window has always shown them so.
StaffFindWindow::StaffFindWindow(const common::ProgramContext& context, QWidget* parent)
    : DirectoryWindow(
          context, QStringLiteral("Προσωπικό του νηπιαγωγείου - Εύρεση και Επεξεργασία"),
          staffLayout(QStringLiteral("Oνοματεπώνυμο:"), QStringLiteral("Oνοματεπώνυμο")),
          {QStringLiteral("Εύρεση ονoματεπωνύμου από τα αρχικά του"), &directories::staffSearch},
          parent) {}

}  // namespace directories
