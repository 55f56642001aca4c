#include "directories/phone_book_find_window.h"

#include "directories/directory_searches.h"
#include "directories/phone_book_entry_window.h"

namespace directories {

PhoneBookFindWindow::PhoneBookFindWindow(const common::ProgramContext& context, QWidget* parent)
    : DirectoryWindow(
          context, QStringLiteral("Τηλεφωνικός κατάλογος - Εύρεση και Επεξεργασία"),
          phoneBookLayout(),
          {QStringLiteral("Εύρεση ονόματος από τα αρχικά του"), &directories::phoneBookSearch},
          parent) {}

}  // namespace directories
