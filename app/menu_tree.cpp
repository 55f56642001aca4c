#include "app/menu_tree.h"

#include <algorithm>
#include <iterator>
#include <stdexcept>
#include <vector>

#include "searches/canned_searches.h"

namespace app {

namespace {

constexpr MenuRowKind Sub = MenuRowKind::Submenu;
constexpr MenuRowKind Cmd = MenuRowKind::Command;
constexpr MenuRowKind Sep = MenuRowKind::Separator;
constexpr MenuRowKind Search = MenuRowKind::CannedSearch;

// Each canned-search row is a place only: it takes the next search of the canned-search table,
// which is in menu order and holds the search's caption, submenu path and statement.
// clang-format off
constexpr MenuRow kMainMenu[] = {
    {0, Sub, u"&Επιλογές", u""},
    {1, Cmd, u"Καταχώρηση των στοιχείων του &παιδιού", u"TForm13"},
    {1, Cmd, u"Εύ&ρεση παιδιού", u"TForm14"},
    {1, Cmd, u"Γενέ&θλια παιδιών", u"TForm25"},
    {1, Cmd, u"Εκτύπωση διευθύνσεων σε &φακέλλους", u"TForm34"},
    {1, Sep, u"", u""},
    {1, Sub, u"Αποδείξεις εισπράξεως γενικής φύσεως", u"", NumberingRole::ShownOnceSet},
    {2, Cmd, u"Έκδοση απόδειξης", u"TForm1a"},
    {2, Cmd, u"Αποδείξεις που εκδόθηκαν", u"TForm2a"},
    {2, Cmd, u"Εισπράξεις σε διάστημα δυο ημερομηνιών", u"TForm75"},
    {1, Sep, u"", u""},
    {1, Sub, u"Πρόγραμμα &διδασκαλίας", u""},
    {2, Cmd, u"&Ημερήσιο", u"TForm37"},
    {2, Cmd, u"&Εβδομαδιαίο", u"TForm36"},
    {2, Cmd, u"Ε&τήσιο", u"TForm38"},
    {1, Sub, u"Προσωπικό του νηπιαγ&ωγείου", u""},
    {2, Cmd, u"&Καταχώρηση και Επεξεργασία", u"TForm51"},
    {2, Cmd, u"&Εύρεση και Επεξεργασία", u"TForm52"},
    {1, Sub, u"Ο&μάδες", u""},
    {2, Cmd, u"Ονομασία ο&μάδων", u"TForm53"},
    {2, Cmd, u"Κατανομή των &παιδιών σε ομάδες", u"TForm54"},
    {1, Cmd, u"Εβδομαδιαίος κατάλογος προσφ&ερομένων φαγητών", u"TForm42"},
    {1, Cmd, u"Βιβλίο &γεγονότων", u"TForm6"},
    {1, Sub, u"&Τηλεφωνικός κατάλογος ", u""},
    {2, Cmd, u"&Καταχώρηση και Επεξεργασία", u"TForm1"},
    {2, Cmd, u"&Εύρεση και Επεξεργασία", u"TForm2"},
    {1, Cmd, u"Γιατροί του νηπιαγωγείου", u"TForm61"},
    {1, Cmd, u"Παιδίατρ&οι", u"TForm26"},
    {1, Sep, u"", u""},
    {1, Sub, u"&Λειτουργικά έξοδα", u""},
    {2, Cmd, u"Κατα&χώρηση", u"TForm9"},
    {2, Cmd, u"Αναλυτική έ&ρευνα", u"TForm10"},
    {2, Cmd, u"Κατά &μήνα", u"TForm11"},
    {1, Sep, u"", u""},
    {1, Cmd, u"&Βιβλίο σημειώσεων", u"TForm5"},
    {1, Cmd, u"&Υπενθυμίσεις", u"TForm7"},
    {1, Cmd, u"Ραντεβού", u"TForm111a"},
    {1, Cmd, u"&Ημερολογιακά", u"TForm22"},
    {1, Cmd, u"&Αριθμομηχανή", u"calculator"},
    {1, Sep, u"", u""},
    {1, Cmd, u"Συλλογή εικόνων", u"images"},
    {1, Sep, u"", u""},
    {1, Cmd, u"Αλλαγή του κωδικού πρόσβασης", u"TForm66"},
    {1, Cmd, u"Διαγραφή παιδιών από τη βάση δεδομένων", u"TForm73"},
    {1, Sep, u"", u""},
    {1, Cmd, u"Backup", u"backup"},
    {1, Sep, u"", u""},
    {1, Sub, u"Ρυθμίσεις", u""},
    {2, Cmd, u"Συντελεστής Φ.Π.Α", u"TForm68"},
    {2, Cmd, u"Καθορισμός αρίθμησης των αποδείξεων", u"TForm69", NumberingRole::HiddenOnceSet},
    {2, Cmd, u"Διαμόρφωση των στοιχείων που θα εμφανίζονται στις αποδείξεις", u"TForm12"},
    {0, Sub, u"Έ&ρευνα", u""},
    {1, Sub, u"&Εγγραφές και διαγραφές", u""},
    {2, Cmd, u"&Εγγραφές μεταξύ δυο ημερομηνιών", u"TForm21"},
    {2, Cmd, u"&Διαγραφές μεταξύ δυο ημερομηνιών", u"TForm23"},
    {2, Cmd, u"Εγγραφές &και διαγραφές μεταξύ δυο ημερομηνιών", u"TForm24"},
    {2, Search, u"", u""},
    {1, Sub, u"&Ατομικό πληροφοριακό δελτίο - Δελτίο υγείας", u""},
    {2, Sub, u"Παιδιά που", u""},
    {3, Sub, u"Είναι &ορφανά από", u""},
    {4, Search, u"", u""},
    {4, Search, u"", u""},
    {4, Search, u"", u""},
    {4, Search, u"", u""},
    {3, Sub, u"Στο σπίτ&ι τους", u""},
    {4, Cmd, u"Ό αριθμός των υπνοδωματίων είναι α&πό ... μέχρι ...", u"TForm32"},
    {4, Search, u"", u""},
    {4, Search, u"", u""},
    {4, Search, u"", u""},
    {4, Search, u"", u""},
    {4, Search, u"", u""},
    {3, Sub, u"Μένουν &σε", u""},
    {4, Search, u"", u""},
    {4, Search, u"", u""},
    {4, Search, u"", u""},
    {3, Sub, u"Έ&χουν", u""},
    {4, Sub, u"Άνεργ&ο", u""},
    {5, Search, u"", u""},
    {5, Search, u"", u""},
    {5, Search, u"", u""},
    {5, Search, u"", u""},
    {5, Search, u"", u""},
    {4, Sep, u"", u""},
    {4, Sub, u"Αδ&έλφια", u""},
    {5, Search, u"", u""},
    {5, Search, u"", u""},
    {5, Cmd, u"Αριθμό αδελ&φιών από ... μέχρι ...", u"TForm31"},
    {4, Sep, u"", u""},
    {4, Search, u"", u""},
    {4, Sep, u"", u""},
    {4, Cmd, u"Μόρφωση πατέρα, μητέρας, &κηδεμόνα", u"TForm28"},
    {4, Search, u"", u""},
    {4, Sep, u"", u""},
    {4, Sub, u"&Περάσει από", u""},
    {5, Search, u"", u""},
    {5, Search, u"", u""},
    {5, Search, u"", u""},
    {5, Search, u"", u""},
    {5, Search, u"", u""},
    {5, Search, u"", u""},
    {5, Search, u"", u""},
    {4, Search, u"", u""},
    {4, Search, u"", u""},
    {4, Search, u"", u""},
    {4, Search, u"", u""},
    {4, Search, u"", u""},
    {4, Search, u"", u""},
    {4, Search, u"", u""},
    {4, Search, u"", u""},
    {4, Search, u"", u""},
    {4, Search, u"", u""},
    {4, Search, u"", u""},
    {4, Search, u"", u""},
    {4, Search, u"", u""},
    {4, Search, u"", u""},
    {4, Search, u"", u""},
    {4, Search, u"", u""},
    {4, Search, u"", u""},
    {4, Search, u"", u""},
    {4, Sub, u"Άλλα προβλήματα", u""},
    {5, Search, u"", u""},
    {5, Search, u"", u""},
    {5, Search, u"", u""},
    {5, Search, u"", u""},
    {5, Search, u"", u""},
    {5, Search, u"", u""},
    {5, Search, u"", u""},
    {5, Search, u"", u""},
    {5, Search, u"", u""},
    {3, Sub, u"Π&ρέπει να αποφεύγουν", u""},
    {4, Search, u"", u""},
    {4, Search, u"", u""},
    {3, Search, u"", u""},
    {3, Search, u"", u""},
    {3, Cmd, u"Γεννήθηκα&ν μεταξύ δυο ημερομηνιών", u"TForm29"},
    {3, Cmd, u"Ανήκουν σε συγκεκριμένη ομάδα", u"TForm55"},
    {3, Search, u"", u""},
    {2, Sep, u"", u""},
    {2, Cmd, u"&Θέση του παιδιού στην οικογένεια", u"TForm33"},
    {2, Sep, u"", u""},
    {2, Sub, u"Προσέλευση και αποχώρηση του παιδιού", u""},
    {3, Sub, u"&Μέσον", u""},
    {4, Search, u"", u""},
    {4, Search, u"", u""},
    {3, Sub, u"Ώ&ρα", u""},
    {4, Cmd, u"Προ&σέλευσης", u"TForm48"},
    {4, Cmd, u"Α&ποχώρησης", u"TForm49"},
    {4, Cmd, u"Προσέλευσης &και αποχώρησης", u"TForm50"},
    {2, Sub, u"Χορηγεία φαγητού", u""},
    {3, Search, u"", u""},
    {3, Search, u"", u""},
    {2, Sep, u"", u""},
    {2, Sub, u"Εμβόλια", u""},
    {3, Search, u"", u""},
    {3, Search, u"", u""},
    {3, Search, u"", u""},
    {3, Search, u"", u""},
    {3, Search, u"", u""},
    {3, Search, u"", u""},
    {3, Search, u"", u""},
    {3, Search, u"", u""},
    {3, Search, u"", u""},
    {3, Search, u"", u""},
    {1, Sub, u"Παρουσίες - Α&πουσίες", u""},
    {2, Cmd, u"Έλεγχος &απουσιών", u"TForm45"},
    {2, Cmd, u"Παρουσιολό&γιο", u"TForm46"},
    {1, Sub, u"Δί&δακτρα", u""},
    {2, Search, u"", u""},
    {2, Cmd, u"Εισ&πράξεις από τα δίδακτρα σε διάστημα δυο ημερομηνιών", u"TForm59"},
    {2, Cmd, u"Κατάσταση πληρωμής δι&δάκτρων", u"TForm60"},
    {2, Cmd, u"Αποδείξεις που εκδόθηκαν", u"TForm71"},
    {0, Cmd, u"&About velorima", u"TForm62"},
    {0, Cmd, u"Έ&ξοδος", u"exit"},
};

constexpr SideButton kSideButtons[] = {
    {u"Καταχώρηση των στοιχείων του παιδιού", u"TForm13"},
    {u"Εύρεση παιδιού", u"TForm14"},
    {u"Κατανομή των παιδιών σε ομάδες", u"TForm54"},
    {u"Ημερήσιο πρόγραμμα διδασκαλίας", u"TForm37"},
    {u"Εβδομαδιαίο πρόγραμμα διδασκαλίας", u"TForm36"},
    {u"Προσφερόμενα φαγητά", u"TForm42"},
    {u"Τηλεφωνικός κατάλογος", u"TForm2"},
    {u"Βιβλίο σημειώσεων", u"TForm5"},
    {u"Βιβλίο γεγονότων", u"TForm6"},
    {u"Υπενθυμίσεις", u"TForm7"},
    {u"Ημερολογιακά", u"TForm22"},
    {u"Αριθμομηχανή", u"calculator"},
};
// clang-format on

constexpr QStringView kLongLived[] = {
    u"TForm11", u"TForm27", u"TForm34", u"TForm35", u"TForm39", u"TForm40", u"TForm41",
    u"TForm43", u"TForm47", u"TForm60", u"TForm62", u"TForm72", u"TForm10", u"TForm74",
};

std::vector<MenuRow> withCannedSearches() {
    const QList<searches::CannedSearch>& searches = searches::cannedSearches();
    std::vector<MenuRow> rows(std::begin(kMainMenu), std::end(kMainMenu));
    qsizetype next = 0;
    for (MenuRow& row : rows) {
        if (row.kind != MenuRowKind::CannedSearch) {
            continue;
        }
        if (next == searches.size()) {
            throw std::logic_error("The main menu has more canned-search rows than searches");
        }
        row.search = &searches.at(next++);
        row.caption = row.search->caption;
    }
    if (next != searches.size()) {
        throw std::logic_error("The main menu has fewer canned-search rows than searches");
    }
    return rows;
}

}  // namespace

std::span<const MenuRow> mainMenuRows() {
    static const std::vector<MenuRow> rows = withCannedSearches();
    return rows;
}

std::span<const SideButton> sideButtons() {
    return kSideButtons;
}

std::span<const QStringView> longLivedWindowOrder() {
    return kLongLived;
}

QStringView receiptNumberingCommand() {
    const auto numbering = std::find_if(
        std::begin(kMainMenu), std::end(kMainMenu),
        [](const MenuRow& row) { return row.numbering == NumberingRole::HiddenOnceSet; });
    return numbering == std::end(kMainMenu) ? QStringView() : numbering->command;
}

}  // namespace app
