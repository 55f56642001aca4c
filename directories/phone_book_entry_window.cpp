#include "directories/phone_book_entry_window.h"

#include "directories/directory_searches.h"

namespace directories {

DirectoryLayout phoneBookLayout() {
    DirectoryLayout layout;
    layout.table = directories::phoneBook().table;
    layout.sort = directories::phoneBook().sort;
    layout.fields = {
        {QStringLiteral("CONTACT"), QStringLiteral("Όνομα:"), true},
        {QStringLiteral("ADDRESS"), QStringLiteral("Διεύθυνση:")},
        {QStringLiteral("PHONE1"), QStringLiteral("Τηλέφωνο 1:")},
        {QStringLiteral("PHONE2"), QStringLiteral("Τηλέφωνο 2:")},
        {QStringLiteral("FAX"), QStringLiteral("Fax:")},
        {QStringLiteral("EMAIL"), QStringLiteral("Email:")},
    };
    layout.grid = {
        {QStringLiteral("CONTACT"), QStringLiteral("Όνομα"), 170},
        {QStringLiteral("ADDRESS"), QStringLiteral("Διεύθυνση"), 170},
        {QStringLiteral("PHONE1"), QStringLiteral("Τηλέφωνο 1"), 95},
        {QStringLiteral("PHONE2"), QStringLiteral("Τηλέφωνο 2"), 95},
        {QStringLiteral("FAX"), QStringLiteral("Fax"), 95},
        {QStringLiteral("EMAIL"), QStringLiteral("Email"), 140},
    };
    return layout;
}

PhoneBookEntryWindow::PhoneBookEntryWindow(const common::ProgramContext& context, QWidget* parent)
    : DirectoryWindow(context,
                      QStringLiteral("Τηλεφωνικός κατάλογος -  Καταχώρηση και Επεξεργασία"),
                      phoneBookLayout(), parent) {}

}  // namespace directories
