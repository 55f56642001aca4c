#include "directories/doctors_window.h"

#include "directories/directory_searches.h"

namespace directories {

namespace {

DirectoryLayout doctorsLayout() {
    DirectoryLayout layout;
    layout.table = directories::doctors().table;
    layout.sort = directories::doctors().sort;
    layout.fields = {
        {QStringLiteral("DOCTOR"), QStringLiteral("Όνομα γιατρού:"), true},
        {QStringLiteral("DIETHYNSH"), QStringLiteral("Διεύθυνση:"), true},
        {QStringLiteral("THLEFWNO1"), QStringLiteral("Τηλέφωνο 1:"), true},
        {QStringLiteral("THLEFWNO2"), QStringLiteral("Τηλέφωνο 2:")},
        {QStringLiteral("EIDIKOTHTA"), QStringLiteral("Ειδικότητα:"), true},
    };
    layout.grid = {
        {QStringLiteral("DOCTOR"), QStringLiteral("Όνομα γιατρού"), 190},
        {QStringLiteral("DIETHYNSH"), QStringLiteral("Διεύθυνση"), 190},
        {QStringLiteral("THLEFWNO1"), QStringLiteral("Τηλέφωνο 1"), 100},
        {QStringLiteral("THLEFWNO2"), QStringLiteral("Τηλέφωνο 2"), 100},
        {QStringLiteral("EIDIKOTHTA"), QStringLiteral("Ειδικότητα"), 150},
    };
    return layout;
}

}  // namespace

DoctorsWindow::DoctorsWindow(const common::ProgramContext& context, QWidget* parent)
    : DirectoryWindow(context, QStringLiteral("Γιατροί του νηπιαγωγείου"), doctorsLayout(),
                      parent) {}

}  // namespace directories
