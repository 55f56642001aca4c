#include "tools/sample_vocabulary.h"

using namespace Qt::Literals::StringLiterals;

namespace sample::words {

QString yes() {
    return u"ΝΑΙ"_s;
}
QString no() {
    return u"ΟΧΙ"_s;
}
QString owed() {
    return u"Χ"_s;
}
QString paid() {
    return u"Π"_s;
}
QString boy() {
    return u"Αγόρι"_s;
}
QString girl() {
    return u"Κορίτσι"_s;
}

const QStringList& educationLevels() {
    static const QStringList levels = {u"ΔΗΜΟΤΙΚΟ"_s, u"ΓΥΜΝΑΣΙΟ"_s, u"ΛΥΚΕΙΟ"_s,
                                       u"ΠΑΝΕΠΙΣΤΗΜΙΟ"_s};
    return levels;
}

const QStringList& housingKinds() {
    static const QStringList kinds = {u"Άλλο"_s, u"Διαμέρισμα"_s, u"Διπλοκατοικία"_s,
                                      u"Μονοκατοικία"_s};
    return kinds;
}

QString privateTransport() {
    return u"Ιδιωτικό"_s;
}
QString kindergartenTransport() {
    return u"Νηπιαγωγείο"_s;
}

const QList<Surname>& surnames() {
    static const QList<Surname> names = {
        {u"Γεωργίου"_s, u"Γεωργίου"_s},
        {u"Χριστοδούλου"_s, u"Χριστοδούλου"_s},
        {u"Κωνσταντίνου"_s, u"Κωνσταντίνου"_s},
        {u"Ιωάννου"_s, u"Ιωάννου"_s},
        {u"Νικολάου"_s, u"Νικολάου"_s},
        {u"Χαραλάμπους"_s, u"Χαραλάμπους"_s},
        {u"Αντωνίου"_s, u"Αντωνίου"_s},
        {u"Δημητρίου"_s, u"Δημητρίου"_s},
        {u"Παναγιώτου"_s, u"Παναγιώτου"_s},
        {u"Στυλιανού"_s, u"Στυλιανού"_s},
        {u"Θεοδώρου"_s, u"Θεοδώρου"_s},
        {u"Ανδρέου"_s, u"Ανδρέου"_s},
        {u"Κυριάκου"_s, u"Κυριάκου"_s},
        {u"Σωτηρίου"_s, u"Σωτηρίου"_s},
        {u"Χατζηγεωργίου"_s, u"Χατζηγεωργίου"_s},
        {u"Νεοφύτου"_s, u"Νεοφύτου"_s},
        {u"Ζαχαρίου"_s, u"Ζαχαρίου"_s},
        {u"Φιλίππου"_s, u"Φιλίππου"_s},
        {u"Αθανασίου"_s, u"Αθανασίου"_s},
        {u"Ευαγγέλου"_s, u"Ευαγγέλου"_s},
        {u"Μιχαήλ"_s, u"Μιχαήλ"_s},
        {u"Σάββα"_s, u"Σάββα"_s},
        {u"Ηλία"_s, u"Ηλία"_s},
        {u"Πέτρου"_s, u"Πέτρου"_s},
        {u"Παπαδόπουλος"_s, u"Παπαδοπούλου"_s},
        {u"Αναστασιάδης"_s, u"Αναστασιάδου"_s},
        {u"Σολομωνίδης"_s, u"Σολομωνίδου"_s},
        {u"Κληρίδης"_s, u"Κληρίδου"_s},
        {u"Μαρκίδης"_s, u"Μαρκίδου"_s},
        {u"Ευριπίδης"_s, u"Ευριπίδου"_s},
        {u"Μαυρομμάτης"_s, u"Μαυρομμάτη"_s},
        {u"Χριστοφίδης"_s, u"Χριστοφίδου"_s},
        {u"Ιακώβου"_s, u"Ιακώβου"_s},
        {u"Κυπριανού"_s, u"Κυπριανού"_s},
        {u"Λοΐζου"_s, u"Λοΐζου"_s},
        {u"Χρυσοστόμου"_s, u"Χρυσοστόμου"_s},
    };
    return names;
}

const QStringList& boysNames() {
    static const QStringList names = {
        u"Ανδρέας"_s,    u"Γιώργος"_s,  u"Κωνσταντίνος"_s, u"Χρίστος"_s,  u"Νικόλας"_s,
        u"Παναγιώτης"_s, u"Μιχάλης"_s,  u"Μάριος"_s,       u"Στέλιος"_s,  u"Αλέξανδρος"_s,
        u"Δημήτρης"_s,   u"Ιωάννης"_s,  u"Θεόδωρος"_s,     u"Φίλιππος"_s, u"Στέφανος"_s,
        u"Άγγελος"_s,    u"Ραφαήλ"_s,   u"Μάρκος"_s,       u"Πέτρος"_s,   u"Λουκάς"_s,
        u"Σάββας"_s,     u"Κυριάκος"_s, u"Χαράλαμπος"_s,   u"Αντώνης"_s,  u"Λοΐζος"_s,
        u"Σωτήρης"_s,    u"Παύλος"_s,   u"Ηλίας"_s,        u"Οδυσσέας"_s, u"Φοίβος"_s,
    };
    return names;
}

const QStringList& girlsNames() {
    static const QStringList names = {
        u"Μαρία"_s,     u"Ελένη"_s,     u"Άννα"_s,        u"Χριστίνα"_s,  u"Κατερίνα"_s,
        u"Γεωργία"_s,   u"Σοφία"_s,     u"Ραφαέλλα"_s,    u"Άντρια"_s,    u"Μαρίνα"_s,
        u"Δέσποινα"_s,  u"Ευαγγελία"_s, u"Στέλλα"_s,      u"Παναγιώτα"_s, u"Νικολέττα"_s,
        u"Αναστασία"_s, u"Ιωάννα"_s,    u"Κωνσταντίνα"_s, u"Μελίνα"_s,    u"Χαρά"_s,
        u"Δανάη"_s,     u"Ειρήνη"_s,    u"Θεοδώρα"_s,     u"Αλεξάνδρα"_s, u"Φωτεινή"_s,
        u"Ζωή"_s,       u"Μυρτώ"_s,     u"Λυδία"_s,       u"Εβελίνα"_s,   u"Στεφανία"_s,
    };
    return names;
}

const QStringList& mensNames() {
    static const QStringList names = {
        u"Ανδρέας"_s,    u"Γιώργος"_s,    u"Κώστας"_s,   u"Χρίστος"_s,  u"Νίκος"_s,
        u"Παναγιώτης"_s, u"Μιχάλης"_s,    u"Μάριος"_s,   u"Στέλιος"_s,  u"Σάββας"_s,
        u"Κυριάκος"_s,   u"Χαράλαμπος"_s, u"Αντώνης"_s,  u"Σωτήρης"_s,  u"Δημήτρης"_s,
        u"Γιάννης"_s,    u"Πέτρος"_s,     u"Λεωνίδας"_s, u"Ευαγόρας"_s, u"Νεόφυτος"_s,
    };
    return names;
}

const QStringList& womensNames() {
    static const QStringList names = {
        u"Μαρία"_s,     u"Ελένη"_s,     u"Άννα"_s,   u"Χριστίνα"_s, u"Κατερίνα"_s,
        u"Γεωργία"_s,   u"Σοφία"_s,     u"Άντρια"_s, u"Μαρίνα"_s,   u"Δέσποινα"_s,
        u"Στέλλα"_s,    u"Παναγιώτα"_s, u"Ανθή"_s,   u"Έλενα"_s,    u"Ευτυχία"_s,
        u"Χρυστάλλα"_s, u"Αθηνά"_s,     u"Νίκη"_s,   u"Λούλλα"_s,   u"Κυριακή"_s,
    };
    return names;
}

const QStringList& streets() {
    static const QStringList names = {
        u"Λεωφόρος Αρχιεπισκόπου Μακαρίου Γ"_s,
        u"Λεωφόρος Στροβόλου"_s,
        u"Λεωφόρος Αθαλάσσης"_s,
        u"Οδός Στασικράτους"_s,
        u"Οδός Ανεξαρτησίας"_s,
        u"Οδός Κέννεντυ"_s,
        u"Οδός Ομήρου"_s,
        u"Οδός Περικλέους"_s,
        u"Οδός Ηρώων"_s,
        u"Οδός Αγίου Ανδρέα"_s,
        u"Οδός Ευαγόρου"_s,
        u"Οδός Πινδάρου"_s,
        u"Οδός Κυρηνείας"_s,
        u"Οδός Νίκου Κρανιδιώτη"_s,
        u"Οδός Αγίας Σοφίας"_s,
        u"Οδός Ελευθερίας"_s,
        u"Οδός Δημοσθένη Σεβέρη"_s,
        u"Οδός Γρηγόρη Αυξεντίου"_s,
    };
    return names;
}

const QStringList& areas() {
    static const QStringList names = {
        u"Στρόβολος"_s, u"Λακατάμια"_s, u"Έγκωμη"_s, u"Αγλαντζιά"_s, u"Λατσιά"_s,
        u"Λευκωσία"_s,  u"Ακρόπολη"_s,  u"Γέρι"_s,   u"Τσέρι"_s,
    };
    return names;
}

const QStringList& mensJobs() {
    static const QStringList jobs = {
        u"Λογιστής"_s,
        u"Μηχανικός"_s,
        u"Ιατρός"_s,
        u"Δικηγόρος"_s,
        u"Ηλεκτρολόγος"_s,
        u"Δημόσιος υπάλληλος"_s,
        u"Ιδιωτικός υπάλληλος"_s,
        u"Αστυνομικός"_s,
        u"Οδηγός"_s,
        u"Πωλητής"_s,
        u"Τραπεζικός υπάλληλος"_s,
        u"Αρχιτέκτονας"_s,
        u"Φαρμακοποιός"_s,
        u"Στρατιωτικός"_s,
        u"Επιχειρηματίας"_s,
        u"Εκπαιδευτικός"_s,
        u"Οικοδόμος"_s,
    };
    return jobs;
}

const QStringList& womensJobs() {
    static const QStringList jobs = {
        u"Λογίστρια"_s,           u"Μηχανικός"_s,   u"Ιατρός"_s,
        u"Δικηγόρος"_s,           u"Νοσηλεύτρια"_s, u"Δημόσια υπάλληλος"_s,
        u"Ιδιωτική υπάλληλος"_s,  u"Πωλήτρια"_s,    u"Φαρμακοποιός"_s,
        u"Τραπεζική υπάλληλος"_s, u"Κομμώτρια"_s,   u"Αισθητικός"_s,
        u"Εκπαιδευτικός"_s,       u"Γραμματέας"_s,  u"Γραφίστρια"_s,
    };
    return jobs;
}

const QList<Doctor>& paediatricians() {
    static const QList<Doctor> doctors = {
        {u"Ανδρέας Χριστοφόρου"_s, u"Λεωφόρος Στροβόλου 112 Στρόβολος"_s, u"22 318420"_s,
         u"Παιδίατρος"_s},
        {u"Έλενα Παπαδοπούλου"_s, u"Οδός Στασικράτους 21 Λευκωσία"_s, u"22 762115"_s,
         u"Παιδίατρος"_s},
        {u"Μιχάλης Κληρίδης"_s, u"Λεωφόρος Αθαλάσσης 54 Αγλαντζιά"_s, u"22 335907"_s,
         u"Παιδίατρος"_s},
        {u"Χρυστάλλα Ιωάννου"_s, u"Οδός Αγίας Σοφίας 8 Λακατάμια"_s, u"22 381264"_s,
         u"Παιδίατρος"_s},
        {u"Στέλιος Μαρκίδης"_s, u"Οδός Ομήρου 17 Έγκωμη"_s, u"22 352840"_s, u"Παιδίατρος"_s},
        {u"Νίκη Σολομωνίδου"_s, u"Οδός Ηρώων 3 Λατσιά"_s, u"22 487133"_s, u"Παιδίατρος"_s},
    };
    return doctors;
}

const QStringList& groupNames() {
    static const QStringList names = {
        u"Πεταλούδες"_s, u"Μελισσούλες"_s,  u"Αστεράκια"_s,  u"Πασχαλίτσες"_s,
        u"Δελφινάκια"_s, u"Χελιδόνια"_s,    u"Ηλιαχτίδες"_s, u"Μικροί Εξερευνητές"_s,
        u"Λαγουδάκια"_s, u"Ουράνιο Τόξο"_s,
    };
    return names;
}

const QStringList& teachers() {
    static const QStringList names = {
        u"Ελένη Αντωνίου"_s, u"Μαρία Κυπριανού"_s,   u"Χριστίνα Σάββα"_s, u"Άντρια Νικολάου"_s,
        u"Δέσποινα Ηλία"_s,  u"Στέλλα Παναγιώτου"_s, u"Γεωργία Μιχαήλ"_s, u"Αθηνά Χαραλάμπους"_s,
        u"Έλενα Θεοδώρου"_s, u"Κατερίνα Φιλίππου"_s,
    };
    return names;
}

const QStringList& interests() {
    static const QStringList phrases = {
        u"Ζωγραφική και χειροτεχνίες"_s,
        u"Μουσική και τραγούδι"_s,
        u"Χορός"_s,
        u"Ποδόσφαιρο και παιχνίδια με μπάλα"_s,
        u"Παραμύθια και βιβλία με εικόνες"_s,
        u"Ζώα και φύση"_s,
        u"Κατασκευές με τουβλάκια"_s,
        u"Κολύμβηση"_s,
    };
    return phrases;
}

const QStringList& familyProblems() {
    static const QStringList phrases = {
        u"Οι γονείς εργάζονται στο εξωτερικό μεγάλο μέρος του χρόνου"_s,
        u"Πρόσφατη απώλεια της γιαγιάς που το φρόντιζε"_s,
        u"Ο πατέρας εργάζεται με βάρδιες και λείπει συχνά τα βράδια"_s,
        u"Μετακόμιση της οικογένειας μέσα στη χρονιά"_s,
    };
    return phrases;
}

const QStringList& allergies() {
    static const QStringList phrases = {
        u"Αλλεργία στα φιστίκια και στους ξηρούς καρπούς"_s,
        u"Αλλεργία στη γύρη"_s,
        u"Δυσανεξία στη λακτόζη"_s,
        u"Αλλεργία στην πενικιλίνη"_s,
        u"Αλλεργία στο αυγό"_s,
        u"Αλλεργία στα τσιμπήματα μέλισσας"_s,
    };
    return phrases;
}

const QStringList& illnesses() {
    static const QStringList phrases = {
        u"Συχνές ωτίτιδες τον χειμώνα"_s,
        u"Άσθμα που ελέγχεται με εισπνοές"_s,
        u"Πνευμονία σε ηλικία δύο ετών"_s,
        u"Αμυγδαλεκτομή"_s,
        u"Αναιμία"_s,
    };
    return phrases;
}

const QStringList& fears() {
    static const QStringList phrases = {
        u"Φοβάται το σκοτάδι"_s,
        u"Φοβάται τους σκύλους"_s,
        u"Φοβάται τους δυνατούς θορύβους"_s,
        u"Φοβάται να μείνει μόνο του"_s,
    };
    return phrases;
}

const QStringList& behaviourNotes() {
    static const QStringList phrases = {
        u"Δυσκολεύεται να μοιραστεί τα παιχνίδια του"_s,
        u"Ντροπαλό στην αρχή αλλά προσαρμόζεται γρήγορα"_s,
        u"Χρειάζεται χρόνο για να αποχωριστεί τη μητέρα του το πρωί"_s,
        u"Έντονη κινητικότητα και δυσκολία συγκέντρωσης"_s,
    };
    return phrases;
}

const QStringList& foodsToAvoid() {
    static const QStringList phrases = {
        u"Ξηροί καρποί"_s, u"Γάλα και γαλακτοκομικά"_s, u"Αυγά"_s, u"Ψάρια και θαλασσινά"_s,
        u"Φράουλες"_s,
    };
    return phrases;
}

const QStringList& leavingReasons() {
    static const QStringList reasons = {
        u"Μετακόμιση της οικογένειας"_s, u"Οικονομικοί λόγοι"_s, u"Μεταφορά σε άλλο νηπιαγωγείο"_s,
        u"Οικογενειακοί λόγοι"_s,        u"Λόγοι υγείας"_s,
    };
    return reasons;
}

QString graduationReason() {
    return u"Αποφοίτηση και εγγραφή στο δημοτικό"_s;
}

}  // namespace sample::words
