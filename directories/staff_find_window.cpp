#include "directories/staff_find_window.h"

#include "directories/directory_searches.h"
#include "directories/staff_entry_window.h"

TForm52::TForm52(QWidget* parent)
    : DirectoryWindow(
          [] {
              // The name label and heading begin with a Latin capital O, the search caption
              // has a Latin small o for its fourth letter: the window has always shown them so.
              DirectoryLayout layout = staffLayout(QStringLiteral("Oνοματεπώνυμο:"),
                                                   QStringLiteral("Oνοματεπώνυμο"));
              layout.caption =
                  QStringLiteral("Προσωπικό του νηπιαγωγείου - Εύρεση και Επεξεργασία");
              layout.searchCaption = QStringLiteral("Εύρεση ονoματεπωνύμου από τα αρχικά του");
              layout.searchStatement = &directories::staffSearch;
              return layout;
          }(),
          Kind::Find, parent) {}
