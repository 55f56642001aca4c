#include "directories/phone_book_find_window.h"

#include "directories/directory_searches.h"
#include "directories/phone_book_entry_window.h"

TForm2::TForm2(QWidget* parent)
    : DirectoryWindow(
          [] {
              DirectoryLayout layout = phoneBookLayout();
              layout.caption = QStringLiteral("Τηλεφωνικός κατάλογος - Εύρεση και Επεξεργασία");
              layout.searchCaption = QStringLiteral("Εύρεση ονόματος από τα αρχικά του");
              layout.searchStatement = &directories::phoneBookSearch;
              return layout;
          }(),
          Kind::Find, parent) {}
