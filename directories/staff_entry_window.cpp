#include "directories/staff_entry_window.h"

#include "directories/directory_searches.h"

namespace directories {

DirectoryLayout staffLayout(const QString& nameLabel, const QString& nameHeading) {
    DirectoryLayout layout;
    layout.table = directories::staff().table;
    layout.sort = directories::staff().sort;
    layout.fields = {
        {QStringLiteral("PERSON"), nameLabel, true},
        {QStringLiteral("ADDRESS"), QStringLiteral("Διεύθυνση:")},
        {QStringLiteral("PHONE1"), QStringLiteral("Τηλέφωνο 1:")},
        {QStringLiteral("PHONE2"), QStringLiteral("Τηλέφωνο 2:")},
        {QStringLiteral("POSITION"), QStringLiteral("Θέση:"), true},
        {QStringLiteral("WRES"), QStringLiteral("Εβδομαδιαίες ώρες εργασίας:"), true},
    };
    layout.grid = {
        {QStringLiteral("PERSON"), nameHeading, 190},
        {QStringLiteral("ADDRESS"), QStringLiteral("Διεύθυνση"), 180},
        {QStringLiteral("PHONE1"), QStringLiteral("Τηλέφωνο 1"), 95},
        {QStringLiteral("PHONE2"), QStringLiteral("Τηλέφωνο 2"), 95},
        {QStringLiteral("POSITION"), QStringLiteral("Θέση"), 130},
        {QStringLiteral("WRES"), QStringLiteral("Ώρες"), 55, Qt::AlignRight | Qt::AlignVCenter},
    };
    return layout;
}

StaffEntryWindow::StaffEntryWindow(const common::ProgramContext& context, QWidget* parent)
    : DirectoryWindow(
          context, QStringLiteral("Προσωπικό του νηπιαγωγείου -  Καταχώρηση και Επεξεργασία"),
          staffLayout(QStringLiteral("Ονοματεπώνυμο:"), QStringLiteral("Ονοματεπώνυμο")), parent) {}

}  // namespace directories
