#include "app/greek_translation.h"

#include <QCoreApplication>
#include <QHash>

namespace app {

namespace {

struct Entry {
    const char* context;
    const char* source;
    const char16_t* greek;
};

// Source texts exactly as the toolkit asks for them, by translation context.
constexpr Entry kEntries[] = {
    // The standard buttons of message boxes and button boxes.
    {"QPlatformTheme", "OK", u"Εντάξει"},
    {"QPlatformTheme", "Save", u"Αποθήκευση"},
    {"QPlatformTheme", "Save All", u"Αποθήκευση όλων"},
    {"QPlatformTheme", "Open", u"Άνοιγμα"},
    {"QPlatformTheme", "&Yes", u"&Ναι"},
    {"QPlatformTheme", "Yes to &All", u"Ναι σε ό&λα"},
    {"QPlatformTheme", "&No", u"Ό&χι"},
    {"QPlatformTheme", "N&o to All", u"Όχι σε &όλα"},
    {"QPlatformTheme", "Abort", u"Διακοπή"},
    {"QPlatformTheme", "Retry", u"Επανάληψη"},
    {"QPlatformTheme", "Ignore", u"Παράβλεψη"},
    {"QPlatformTheme", "Close", u"Κλείσιμο"},
    {"QPlatformTheme", "Cancel", u"Άκυρο"},
    {"QPlatformTheme", "Discard", u"Απόρριψη"},
    {"QPlatformTheme", "Don't Save", u"Χωρίς αποθήκευση"},
    {"QPlatformTheme", "Close without Saving", u"Κλείσιμο χωρίς αποθήκευση"},
    {"QPlatformTheme", "Help", u"Βοήθεια"},
    {"QPlatformTheme", "Apply", u"Εφαρμογή"},
    {"QPlatformTheme", "Reset", u"Επαναφορά"},
    {"QPlatformTheme", "Restore Defaults", u"Προεπιλογές"},
    {"QMessageBox", "Show Details...", u"Λεπτομέρειες..."},
    {"QMessageBox", "Hide Details...", u"Απόκρυψη λεπτομερειών..."},

    // The print preview.
    {"QPrintPreviewDialog", "Print Preview", u"Προεπισκόπηση εκτύπωσης"},
    {"QPrintPreviewDialog", "Next page", u"Επόμενη σελίδα"},
    {"QPrintPreviewDialog", "Previous page", u"Προηγούμενη σελίδα"},
    {"QPrintPreviewDialog", "First page", u"Πρώτη σελίδα"},
    {"QPrintPreviewDialog", "Last page", u"Τελευταία σελίδα"},
    {"QPrintPreviewDialog", "Fit width", u"Προσαρμογή στο πλάτος"},
    {"QPrintPreviewDialog", "Fit page", u"Ολόκληρη η σελίδα"},
    {"QPrintPreviewDialog", "Zoom in", u"Μεγέθυνση"},
    {"QPrintPreviewDialog", "Zoom out", u"Σμίκρυνση"},
    {"QPrintPreviewDialog", "Portrait", u"Κατακόρυφη σελίδα"},
    {"QPrintPreviewDialog", "Landscape", u"Οριζόντια σελίδα"},
    {"QPrintPreviewDialog", "Show single page", u"Μία σελίδα"},
    {"QPrintPreviewDialog", "Show facing pages", u"Αντικριστές σελίδες"},
    {"QPrintPreviewDialog", "Show overview of all pages", u"Όλες οι σελίδες"},
    {"QPrintPreviewDialog", "Print", u"Εκτύπωση"},
    {"QPrintPreviewDialog", "Page setup", u"Διαμόρφωση σελίδας"},
    {"QPrintPreviewDialog", "Page Setup", u"Διαμόρφωση σελίδας"},
    {"QPrintPreviewDialog", "Export to PDF", u"Αποθήκευση σε PDF"},

    // Page setup, as a dialog of its own and inside the printer properties.
    {"QPageSetupWidget", "Form", u"Διαμόρφωση σελίδας"},
    {"QPageSetupWidget", "Paper", u"Χαρτί"},
    {"QPageSetupWidget", "Page size:", u"Μέγεθος σελίδας:"},
    {"QPageSetupWidget", "Width:", u"Πλάτος:"},
    {"QPageSetupWidget", "Height:", u"Ύψος:"},
    {"QPageSetupWidget", "Paper source:", u"Τροφοδοσία χαρτιού:"},
    {"QPageSetupWidget", "Orientation", u"Προσανατολισμός"},
    {"QPageSetupWidget", "Portrait", u"Κατακόρυφος"},
    {"QPageSetupWidget", "Landscape", u"Οριζόντιος"},
    {"QPageSetupWidget", "Reverse landscape", u"Οριζόντιος ανεστραμμένος"},
    {"QPageSetupWidget", "Reverse portrait", u"Κατακόρυφος ανεστραμμένος"},
    {"QPageSetupWidget", "Margins", u"Περιθώρια"},
    {"QPageSetupWidget", "top margin", u"επάνω περιθώριο"},
    {"QPageSetupWidget", "left margin", u"αριστερό περιθώριο"},
    {"QPageSetupWidget", "right margin", u"δεξί περιθώριο"},
    {"QPageSetupWidget", "bottom margin", u"κάτω περιθώριο"},
    {"QPageSetupWidget", "Page Layout", u"Διάταξη σελίδων"},
    {"QPageSetupWidget", "Page order:", u"Σειρά σελίδων:"},
    {"QPageSetupWidget", "Pages per sheet:", u"Σελίδες ανά φύλλο:"},
    {"QPageSetupWidget", "Custom", u"Άλλο μέγεθος"},
    {"QPageSetupWidget", "Millimeters (mm)", u"Χιλιοστά (mm)"},
    {"QPageSetupWidget", "Inches (in)", u"Ίντσες (in)"},
    {"QPageSetupWidget", "Points (pt)", u"Στιγμές (pt)"},
    {"QPageSetupDialog", "Page Setup", u"Διαμόρφωση σελίδας"},
    {"QPageSize", "Envelope DL", u"Φάκελος DL"},

    // The print dialog.
    {"QPrintDialog", "Print", u"Εκτύπωση"},
    {"QPrintDialog", "&Print", u"&Εκτύπωση"},
    {"QPrintDialog", "&Options >>", u"&Επιλογές >>"},
    {"QPrintDialog", "&Options <<", u"&Επιλογές <<"},
    {"QPrintDialog", "Print to File (PDF)", u"Αποθήκευση σε αρχείο (PDF)"},
    {"QPrintDialog", "Local file", u"Αρχείο στον υπολογιστή"},
    {"QPrintDialog", "Write PDF file", u"Εγγραφή αρχείου PDF"},
    {"QPrintDialog", "Print To File ...", u"Αποθήκευση σε αρχείο ..."},
    {"QPrintDialog", "All Pages", u"Όλες οι σελίδες"},
    {"QPrintDialog", "Odd Pages", u"Μονές σελίδες"},
    {"QPrintDialog", "Even Pages", u"Ζυγές σελίδες"},
    {"QPrintDialog", "Left to Right, Top to Bottom",
     u"Από αριστερά προς τα δεξιά, από πάνω προς τα κάτω"},
    {"QPrintDialog", "Left to Right, Bottom to Top",
     u"Από αριστερά προς τα δεξιά, από κάτω προς τα πάνω"},
    {"QPrintDialog", "Right to Left, Bottom to Top",
     u"Από δεξιά προς τα αριστερά, από κάτω προς τα πάνω"},
    {"QPrintDialog", "Right to Left, Top to Bottom",
     u"Από δεξιά προς τα αριστερά, από πάνω προς τα κάτω"},
    {"QPrintDialog", "Bottom to Top, Left to Right",
     u"Από κάτω προς τα πάνω, από αριστερά προς τα δεξιά"},
    {"QPrintDialog", "Bottom to Top, Right to Left",
     u"Από κάτω προς τα πάνω, από δεξιά προς τα αριστερά"},
    {"QPrintDialog", "Top to Bottom, Left to Right",
     u"Από πάνω προς τα κάτω, από αριστερά προς τα δεξιά"},
    {"QPrintDialog", "Top to Bottom, Right to Left",
     u"Από πάνω προς τα κάτω, από δεξιά προς τα αριστερά"},
    {"QPrintDialog", "%1 is a directory.\nPlease choose a different file name.",
     u"Το %1 είναι φάκελος.\nΔιάλεξε άλλο όνομα αρχείου."},
    {"QPrintDialog", "File %1 is not writable.\nPlease choose a different file name.",
     u"Δεν γίνεται εγγραφή στο αρχείο %1.\nΔιάλεξε άλλο όνομα αρχείου."},
    {"QPrintDialog", "%1 already exists.\nDo you want to overwrite it?",
     u"Το αρχείο %1 υπάρχει ήδη.\nΝα αντικατασταθεί;"},
    {"QPrintWidget", "Form", u"Εκτυπωτής"},
    {"QPrintWidget", "Printer", u"Εκτυπωτής"},
    {"QPrintWidget", "&Name:", u"Ό&νομα:"},
    {"QPrintWidget", "P&roperties", u"&Ιδιότητες"},
    {"QPrintWidget", "Location:", u"Θέση:"},
    {"QPrintWidget", "Preview", u"Προεπισκόπηση"},
    {"QPrintWidget", "Type:", u"Τύπος:"},
    {"QPrintWidget", "Output &file:", u"&Αρχείο:"},
    {"QPrintSettingsOutput", "Form", u"Ρυθμίσεις"},
    {"QPrintSettingsOutput", "Copies", u"Αντίγραφα"},
    {"QPrintSettingsOutput", "Print range", u"Σελίδες για εκτύπωση"},
    {"QPrintSettingsOutput", "Print all", u"Όλες"},
    {"QPrintSettingsOutput", "Pages from", u"Σελίδες από"},
    {"QPrintSettingsOutput", "to", u"έως"},
    {"QPrintSettingsOutput", "Pages", u"Σελίδες"},
    {"QPrintSettingsOutput",
     "Specify pages or ranges separated by commas. Ranges are specified by two numbers separated "
     "by a hyphen. E.g: 3,5-7,9 prints pages 3, 5, 6, 7 and 9.",
     u"Σελίδες ή περιοχές σελίδων χωρισμένες με κόμμα· μια περιοχή γράφεται με δύο αριθμούς "
     u"και παύλα ανάμεσα. Π.χ. 3,5-7,9 τυπώνει τις σελίδες 3, 5, 6, 7 και 9."},
    {"QPrintSettingsOutput", "Current Page", u"Τρέχουσα σελίδα"},
    {"QPrintSettingsOutput", "Selection", u"Επιλογή"},
    {"QPrintSettingsOutput", "Output Settings", u"Ρυθμίσεις εκτύπωσης"},
    {"QPrintSettingsOutput", "Copies:", u"Αντίγραφα:"},
    {"QPrintSettingsOutput", "Collate", u"Συρραφή αντιγράφων"},
    {"QPrintSettingsOutput", "Reverse", u"Αντίστροφη σειρά"},
    {"QPrintSettingsOutput", "Options", u"Επιλογές"},
    {"QPrintSettingsOutput", "Color Mode", u"Χρώμα"},
    {"QPrintSettingsOutput", "Color", u"Έγχρωμη"},
    {"QPrintSettingsOutput", "Grayscale", u"Ασπρόμαυρη"},
    {"QPrintSettingsOutput", "Double Sided Printing", u"Εκτύπωση διπλής όψης"},
    {"QPrintSettingsOutput", "Off", u"Όχι"},
    {"QPrintSettingsOutput", "Long side binding", u"Δέσιμο στη μεγάλη πλευρά"},
    {"QPrintSettingsOutput", "Short side binding", u"Δέσιμο στη μικρή πλευρά"},
    {"QPrintSettingsOutput", "Page Set:", u"Σελίδες:"},
    {"QPrintPropertiesDialog", "Printer Properties", u"Ιδιότητες εκτυπωτή"},
    {"QPrintPropertiesDialog", "Job Options", u"Επιλογές εργασίας"},
    {"QPrintPropertiesWidget", "Form", u"Ιδιότητες"},
    {"QPrintPropertiesWidget", "Page", u"Σελίδα"},
    {"QPrintPropertiesWidget", "Advanced", u"Για προχωρημένους"},

    // The file dialog (saving a PDF).
    {"QFileDialog", "&Save", u"&Αποθήκευση"},
    {"QFileDialog", "&Open", u"Ά&νοιγμα"},
    {"QFileDialog", "Look in:", u"Φάκελος:"},
    {"QFileDialog", "File &name:", u"Ό&νομα αρχείου:"},
    {"QFileDialog", "Files of type:", u"Τύπος αρχείων:"},
    {"QFileDialog", "Back", u"Πίσω"},
    {"QFileDialog", "Forward", u"Εμπρός"},
    {"QFileDialog", "Go back", u"Πίσω"},
    {"QFileDialog", "Go forward", u"Εμπρός"},
    {"QFileDialog", "Parent Directory", u"Ένα επίπεδο πάνω"},
    {"QFileDialog", "Go to the parent directory", u"Ένα επίπεδο πάνω"},
    {"QFileDialog", "Create New Folder", u"Νέος φάκελος"},
    {"QFileDialog", "Create a New Folder", u"Νέος φάκελος"},
    {"QFileDialog", "New Folder", u"Νέος φάκελος"},
    {"QFileDialog", "&New Folder", u"&Νέος φάκελος"},
    {"QFileDialog", "List View", u"Λίστα"},
    {"QFileDialog", "Detail View", u"Λεπτομέρειες"},
    {"QFileDialog", "Change to list view mode", u"Προβολή λίστας"},
    {"QFileDialog", "Change to detail view mode", u"Προβολή λεπτομερειών"},
    {"QFileDialog", "All Files (*)", u"Όλα τα αρχεία (*)"},
    {"QFileDialog", "Files", u"Αρχεία"},
    {"QFileDialog", "Sidebar", u"Θέσεις"},
    {"QFileDialog", "List of places and bookmarks", u"Θέσεις και σελιδοδείκτες"},
    {"QFileDialog", "&Delete", u"&Διαγραφή"},
    {"QFileDialog", "&Rename", u"&Μετονομασία"},
    {"QFileDialog", "Show &hidden files", u"Εμφάνιση &κρυφών αρχείων"},
    {"QFileDialog", "%1 already exists.\nDo you want to replace it?",
     u"Το αρχείο %1 υπάρχει ήδη.\nΝα αντικατασταθεί;"},
    {"QFileSystemModel", "Name", u"Όνομα"},
    {"QFileSystemModel", "Size", u"Μέγεθος"},
    {"QFileSystemModel", "Type", u"Τύπος"},
    {"QFileSystemModel", "Date Modified", u"Τροποποίηση"},
    {"QFileSystemModel", "Computer", u"Υπολογιστής"},
    {"QAbstractFileIconProvider", "Folder", u"Φάκελος"},
    {"QAbstractFileIconProvider", "Drive", u"Δίσκος"},

    // Context menus of one-line and multi-line edit fields.
    {"QLineEdit", "&Undo", u"&Αναίρεση"},
    {"QLineEdit", "&Redo", u"Ακύρωση α&ναίρεσης"},
    {"QLineEdit", "Cu&t", u"Απο&κοπή"},
    {"QLineEdit", "&Copy", u"Αντι&γραφή"},
    {"QLineEdit", "&Paste", u"&Επικόλληση"},
    {"QLineEdit", "Delete", u"Διαγραφή"},
    {"QLineEdit", "Select All", u"Επιλογή όλων"},
    {"QWidgetTextControl", "&Undo", u"&Αναίρεση"},
    {"QWidgetTextControl", "&Redo", u"Ακύρωση α&ναίρεσης"},
    {"QWidgetTextControl", "Cu&t", u"Απο&κοπή"},
    {"QWidgetTextControl", "&Copy", u"Αντι&γραφή"},
    {"QWidgetTextControl", "&Paste", u"&Επικόλληση"},
    {"QWidgetTextControl", "Delete", u"Διαγραφή"},
    {"QWidgetTextControl", "Select All", u"Επιλογή όλων"},
};

QString key(const QString& context, const QString& source) {
    return context + QLatin1Char('\n') + source;
}

const QHash<QString, QString>& table() {
    static const QHash<QString, QString> texts = [] {
        QHash<QString, QString> result;
        for (const Entry& entry : kEntries) {
            result.insert(key(QString::fromLatin1(entry.context), QString::fromUtf8(entry.source)),
                          QString::fromUtf16(entry.greek));
        }
        return result;
    }();
    return texts;
}

}  // namespace

QString GreekTranslation::translate(const char* context, const char* sourceText,
                                    const char* /*disambiguation*/, int /*n*/) const {
    if (context == nullptr || sourceText == nullptr)
        return {};
    return table().value(key(QString::fromLatin1(context), QString::fromUtf8(sourceText)));
}

void installGreekTranslation(QCoreApplication& application) {
    auto* translation = new GreekTranslation(&application);
    application.installTranslator(translation);
}

}  // namespace app
