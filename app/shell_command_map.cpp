#include "app/shell_command_map.h"

#include <memory>
#include <stdexcept>
#include <type_traits>

#include "app/about_window.h"
#include "app/change_password_window.h"
#include "app/shell_long_lived.h"
#include "attendance/absence_check_window.h"
#include "attendance/absences_window.h"
#include "attendance/register_request_window.h"
#include "attendance/register_window.h"
#include "children/birth_year_deletion_window.h"
#include "children/birthdays_window.h"
#include "children/card_print_window.h"
#include "children/child_details_window.h"
#include "children/child_find_window.h"
#include "children/children_list_window.h"
#include "children/de_enrolments_report_window.h"
#include "children/enrolment_history_window.h"
#include "children/enrolments_and_de_enrolments_report_window.h"
#include "children/enrolments_report_window.h"
#include "children/envelopes_window.h"
#include "children/measurements_window.h"
#include "children/registration_card_window.h"
#include "common/program_context.h"
#include "directories/doctors_window.h"
#include "directories/paediatricians_window.h"
#include "directories/phone_book_entry_window.h"
#include "directories/phone_book_find_window.h"
#include "directories/staff_entry_window.h"
#include "directories/staff_find_window.h"
#include "expenses/expenses_between_dates_window.h"
#include "expenses/expenses_entry_window.h"
#include "expenses/monthly_expenses_window.h"
#include "finance/general_receipt_print_window.h"
#include "finance/general_receipt_window.h"
#include "finance/general_receipts_window.h"
#include "finance/general_takings_window.h"
#include "finance/issued_receipts_window.h"
#include "finance/owed_tuition_window.h"
#include "finance/paid_tuition_window.h"
#include "finance/payment_window.h"
#include "finance/receipt_header_window.h"
#include "finance/receipt_numbering_window.h"
#include "finance/receipt_print_window.h"
#include "finance/tuition_takings_window.h"
#include "finance/vat_rate_window.h"
#include "finance/yearly_status_window.h"
#include "organiser/appointments_calendar_window.h"
#include "organiser/date_utilities_window.h"
#include "organiser/events_book_window.h"
#include "organiser/notes_window.h"
#include "organiser/reminders_window.h"
#include "programme/daily_programme_print_window.h"
#include "programme/daily_programme_window.h"
#include "programme/food_menu_print_window.h"
#include "programme/food_menu_window.h"
#include "programme/group_assignment_window.h"
#include "programme/group_children_window.h"
#include "programme/group_names_window.h"
#include "programme/weekly_programme_print_window.h"
#include "programme/weekly_programme_window.h"
#include "programme/yearly_programme_print_window.h"
#include "programme/yearly_programme_window.h"
#include "searches/arrival_departure_search_window.h"
#include "searches/arrival_search_window.h"
#include "searches/bedrooms_search_window.h"
#include "searches/born_between_search_window.h"
#include "searches/canned_searches.h"
#include "searches/departure_search_window.h"
#include "searches/education_search_window.h"
#include "searches/position_search_window.h"
#include "searches/search_results_window.h"
#include "searches/siblings_search_window.h"
#include "ui/long_lived_windows.h"
#include "ui/modal.h"

namespace app {

namespace {

// A window is made with the program context when it works with the program, else with its
// parent alone.
template <class W>
std::unique_ptr<W> makeWindow(const common::ProgramContext& context, QWidget* parent) {
    if constexpr (std::is_constructible_v<W, const common::ProgramContext&, QWidget*>) {
        return std::make_unique<W>(context, parent);
    } else {
        return std::make_unique<W>(parent);
    }
}

// A fresh window for every opening, released when it closes.
template <class W>
void openFresh(const common::ProgramContext& context, QWidget* parent) {
    const std::unique_ptr<W> window = makeWindow<W>(context, parent);
    ui::showModal(window.get());
}

// The one long-lived window; asking for it before the program created it is a programming error.
template <class W>
W& existingLongLived() {
    W* window = ui::longLivedWindow<W>();
    if (!window) {
        throw std::logic_error("A long-lived window was opened before the program created it");
    }
    return *window;
}

// The one long-lived window, shown again with what it held before.
template <class W>
void showLongLived(const common::ProgramContext& /*context*/, QWidget* /*parent*/) {
    ui::showModal(&existingLongLived<W>());
}

template <class W>
std::unique_ptr<QDialog> createLongLived(const common::ProgramContext& context) {
    return makeWindow<W>(context, nullptr);
}

struct WindowBinding {
    QStringView command;
    void (*open)(const common::ProgramContext& context, QWidget* parent);
    LongLivedFactory createOnce;  // only for the long-lived windows
};

template <class W>
constexpr WindowBinding fresh(QStringView command) {
    return {command, &openFresh<W>, nullptr};
}

template <class W>
constexpr WindowBinding longLived(QStringView command) {
    return {command, &showLongLived<W>, &createLongLived<W>};
}

// Every window of the program that a command opens or that lives from start-up to the end,
// by its command id. To tie a new window in: include its header above and add one line here,
// fresh<...> or longLived<...> as the menu says; the menu entries and side buttons naming it
// become enabled, and a long-lived window is created in its place of the start-up order.
constexpr WindowBinding kWindows[] = {
    // Children
    fresh<children::RegistrationCardWindow>(u"TForm13"),
    fresh<children::ChildFindWindow>(u"TForm14"),
    fresh<children::EnrolmentsReportWindow>(u"TForm21"),
    fresh<children::DeEnrolmentsReportWindow>(u"TForm23"),
    fresh<children::EnrolmentsAndDeEnrolmentsReportWindow>(u"TForm24"),
    fresh<children::BirthdaysWindow>(u"TForm25"),
    longLived<children::EnvelopesWindow>(u"TForm34"),
    longLived<children::CardPrintWindow>(u"TForm35"),
    fresh<children::BirthYearDeletionWindow>(u"TForm73"),
    // Attendance
    fresh<attendance::AbsenceCheckWindow>(u"TForm45"),
    fresh<attendance::RegisterRequestWindow>(u"TForm46"),
    longLived<attendance::RegisterWindow>(u"TForm47"),
    // Tuition and receipts
    fresh<finance::ReceiptHeaderWindow>(u"TForm12"),
    fresh<finance::VatRateWindow>(u"TForm68"),
    fresh<finance::ReceiptNumberingWindow>(u"TForm69"),
    fresh<finance::IssuedReceiptsWindow>(u"TForm71"),
    longLived<finance::ReceiptPrintWindow>(u"TForm72"),
    fresh<finance::TuitionTakingsWindow>(u"TForm59"),
    longLived<finance::YearlyStatusWindow>(u"TForm60"),
    fresh<finance::GeneralReceiptWindow>(u"TForm1a"),
    fresh<finance::GeneralReceiptsWindow>(u"TForm2a"),
    fresh<finance::GeneralTakingsWindow>(u"TForm75"),
    longLived<finance::GeneralReceiptPrintWindow>(u"TForm74"),
    // Operating expenses
    fresh<expenses::ExpensesEntryWindow>(u"TForm9"),
    longLived<expenses::ExpensesBetweenDatesWindow>(u"TForm10"),
    longLived<expenses::MonthlyExpensesWindow>(u"TForm11"),
    // Directories
    fresh<directories::PhoneBookEntryWindow>(u"TForm1"),
    fresh<directories::PhoneBookFindWindow>(u"TForm2"),
    fresh<directories::PaediatriciansWindow>(u"TForm26"),
    fresh<directories::StaffEntryWindow>(u"TForm51"),
    fresh<directories::StaffFindWindow>(u"TForm52"),
    fresh<directories::DoctorsWindow>(u"TForm61"),
    // Organiser
    fresh<organiser::NotesWindow>(u"TForm5"),
    fresh<organiser::EventsBookWindow>(u"TForm6"),
    fresh<organiser::RemindersWindow>(u"TForm7"),
    fresh<organiser::DateUtilitiesWindow>(u"TForm22"),
    fresh<organiser::AppointmentsCalendarWindow>(u"TForm111a"),
    // School programme
    fresh<programme::WeeklyProgrammeWindow>(u"TForm36"),
    fresh<programme::DailyProgrammeWindow>(u"TForm37"),
    fresh<programme::YearlyProgrammeWindow>(u"TForm38"),
    longLived<programme::WeeklyProgrammePrintWindow>(u"TForm39"),
    longLived<programme::YearlyProgrammePrintWindow>(u"TForm40"),
    longLived<programme::DailyProgrammePrintWindow>(u"TForm41"),
    fresh<programme::FoodMenuWindow>(u"TForm42"),
    longLived<programme::FoodMenuPrintWindow>(u"TForm43"),
    fresh<programme::GroupNamesWindow>(u"TForm53"),
    fresh<programme::GroupAssignmentWindow>(u"TForm54"),
    fresh<programme::GroupChildrenWindow>(u"TForm55"),
    // Searches
    longLived<searches::SearchResultsWindow>(u"TForm27"),
    fresh<searches::EducationSearchWindow>(u"TForm28"),
    fresh<searches::BornBetweenSearchWindow>(u"TForm29"),
    fresh<searches::SiblingsSearchWindow>(u"TForm31"),
    fresh<searches::BedroomsSearchWindow>(u"TForm32"),
    fresh<searches::PositionSearchWindow>(u"TForm33"),
    fresh<searches::ArrivalSearchWindow>(u"TForm48"),
    fresh<searches::DepartureSearchWindow>(u"TForm49"),
    fresh<searches::ArrivalDepartureSearchWindow>(u"TForm50"),
    // The shell's own
    longLived<AboutWindow>(u"TForm62"),
    fresh<ChangePasswordWindow>(u"TForm66"),
};

const WindowBinding* findBinding(QStringView command) {
    for (const WindowBinding& binding : kWindows) {
        if (binding.command == command) {
            return &binding;
        }
    }
    return nullptr;
}

}  // namespace

bool hasWindow(QStringView command) {
    return findBinding(command) != nullptr;
}

QList<QStringView> windowCommands() {
    QList<QStringView> commands;
    for (const WindowBinding& binding : kWindows) {
        commands.append(binding.command);
    }
    return commands;
}

void openWindow(QStringView command, const common::ProgramContext& context, QWidget* parent) {
    const WindowBinding* binding = findBinding(command);
    if (!binding) {
        throw std::logic_error("No window is tied to the command " +
                               command.toString().toStdString());
    }
    binding->open(context, parent);
}

LongLivedFactory longLivedFactory(QStringView command) {
    const WindowBinding* binding = findBinding(command);
    return binding ? binding->createOnce : nullptr;
}

void runCannedSearch(const searches::CannedSearch& search) {
    searches::runCannedSearch(search, existingLongLived<searches::SearchResultsWindow>());
}

void tieChildWindows() {
    common::registerChildOpener(
        common::ChildWindow::Details, [](const common::ProgramContext& context, QWidget* parent,
                                         const common::ChildIdentity& child) {
            children::ChildDetailsWindow details(context, child.registryNumber, parent);
            ui::showModal(&details);
        });
    common::registerChildOpener(common::ChildWindow::Measurements,
                                children::openModally<children::MeasurementsWindow>);
    common::registerChildOpener(common::ChildWindow::EnrolmentHistory,
                                children::openModally<children::EnrolmentHistoryWindow>);
    common::registerChildOpener(common::ChildWindow::TuitionPayment,
                                children::openModally<finance::PaymentWindow>);
    common::registerChildOpener(common::ChildWindow::Absences,
                                children::openModally<attendance::AbsencesWindow>);
    common::registerChildOpener(common::ChildWindow::PaidTuition,
                                children::openModally<finance::PaidTuitionWindow>);
    common::registerChildOpener(common::ChildWindow::OwedTuition,
                                children::openModally<finance::OwedTuitionWindow>);
}

}  // namespace app
