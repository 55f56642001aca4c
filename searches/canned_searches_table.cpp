// The 76 ready-made searches of the "Έ&ρευνα" menu, in menu order. Texts are the program's
// own: captions with their accelerators, title lines and conditions exactly as the staff know
// them, including the Latin look-alike letters some titles carry.

#include "searches/canned_searches.h"

using namespace Qt::StringLiterals;

namespace searches {

namespace {

CannedSearch search(const QStringList& path, const QString& caption, const QString& title,
                    const QString& condition) {
    return CannedSearch{path, caption, title, condition, QString()};
}

CannedSearch special(const QStringList& path, const QString& caption, const QString& title,
                     const QString& statement) {
    return CannedSearch{path, caption, title, QString(), statement};
}

QList<CannedSearch> buildTable() {
    const QString card = u"&Ατομικό πληροφοριακό δελτίο - Δελτίο υγείας"_s;
    const QStringList childrenWho{card, u"Παιδιά που"_s};
    const QStringList have = childrenWho + QStringList{u"Έ&χουν"_s};

    const QStringList enrolments{u"&Εγγραφές και διαγραφές"_s};
    const QStringList orphans = childrenWho + QStringList{u"Είναι &ορφανά από"_s};
    const QStringList home = childrenWho + QStringList{u"Στο σπίτ&ι τους"_s};
    const QStringList dwelling = childrenWho + QStringList{u"Μένουν &σε"_s};
    const QStringList unemployed = have + QStringList{u"Άνεργ&ο"_s};
    const QStringList siblings = have + QStringList{u"Αδ&έλφια"_s};
    const QStringList hadIllness = have + QStringList{u"&Περάσει από"_s};
    const QStringList otherProblems = have + QStringList{u"Άλλα προβλήματα"_s};
    const QStringList mustAvoid = childrenWho + QStringList{u"Π&ρέπει να αποφεύγουν"_s};
    const QStringList transportMeans{card, u"Προσέλευση και αποχώρηση του παιδιού"_s, u"&Μέσον"_s};
    const QStringList food{card, u"Χορηγεία φαγητού"_s};
    const QStringList vaccinations{card, u"Εμβόλια"_s};
    const QStringList tuition{u"Δί&δακτρα"_s};

    return {
        special(enrolments, u"Παιδιά που γράφτ&ηκαν περισσότερες από μια φορά"_s,
                u"ΠΑΙΔΙΑ ΠΟΥ ΓΡΑΦΤΗΚΑΝ ΠΕΡΙΣΣΟΤΕΡΕΣ ΑΠΟ ΜΙΑ ΦΟΡΑ"_s,
                u"SELECT CHILDREN.ARITHMOS_MHTRWOY,ONOMA_PAIDIOY, EPWNYMO_PAIDIOY,"
                u"str(HMEROMHNIA_GENNHSEWS) as HMEROMHNIA_GENNHSEWS,FYLO,ONOMA_PATERA,"
                u"ONOMA_MHTERAS,ONOMA_KHDEMONA,DIEYTHYNSH_OIKIAS,THLEFWNO_ERGASIAS_KHDEMONA  "
                u"from CHILDREN,  MWRA_ME_MEG_APO_1_EGG  where   "
                u"MWRA_ME_MEG_APO_1_EGG.ARITHMOS_MHTRWOY=CHILDREN.ARITHMOS_MHTRWOY AND "
                u"ENERGO='ΝΑΙ' order by EPWNYMO_PAIDIOY ASC"_s),
        search(orphans, u"&Πατέρα ή μητέρα"_s, u"ΠΑΙΔΙΑ ΠΟΥ ΕΙΝΑΙ ΟΡΦΑΝΑ ΑΠΟ ΠΑΤΕΡΑ Ή ΜΗΤΕΡΑ"_s,
               u"ENERGO='ΝΑΙ' AND ZEI_O_PATERAS='ΟΧΙ' OR ENERGO='ΝΑΙ' AND ZEI_H_MHTERA='ΟΧΙ'"_s),
        search(orphans, u"Πατέρα &και μητέρα"_s, u"ΠΑΙΔΙΑ ΠΟΥ ΕΙΝΑΙ ΟΡΦΑΝΑ ΑΠΟ ΠΑΤΕΡΑ ΚΑΙ ΜΗΤΕΡΑ"_s,
               u"ENERGO='ΝΑΙ' AND ZEI_O_PATERAS='ΟΧΙ' AND ZEI_H_MHTERA='ΟΧΙ'"_s),
        search(orphans, u"Πατέ&ρα"_s, u"ΠΑΙΔΙΑ ΠΟΥ ΕΙΝΑΙ ΟΡΦΑΝΑ ΑΠΟ ΠΑΤΕΡΑ"_s,
               u"ENERGO='ΝΑΙ' AND ZEI_O_PATERAS='ΟΧΙ'"_s),
        search(orphans, u"&Μητέρα"_s, u"ΠΑΙΔΙΑ ΠΟΥ ΕΙΝΑΙ ΟΡΦΑΝΑ ΑΠΟ ΜΗΤΕΡΑ"_s,
               u"ENERGO='ΝΑΙ' AND ZEI_H_MHTERA='ΟΧΙ'"_s),
        search(home, u"&Υπάρχει αυλή"_s, u"ΠΑΙΔΙΑ ΠΟΥ ΣΤΟ ΣΠΙΤΙ ΤΟΥΣ ΥΠΑΡΧΕΙ ΑΥΛΗ"_s,
               u"ENERGO='ΝΑΙ' AND YPARXEI_AYLH='ΝΑΙ'"_s),
        search(home, u"&Δεν υπάρχει αυλή"_s, u"ΠΑΙΔΙΑ ΠΟΥ ΣΤΟ ΣΠΙΤΙ ΤΟΥΣ ΔΕΝ ΥΠΑΡΧΕΙ ΑΥΛΗ"_s,
               u"ENERGO='ΝΑΙ' AND YPARXEI_AYLH='ΟΧΙ'"_s),
        search(home, u"Έχουν δικό τους δω&μάτιο"_s, u"ΠΑΙΔΙΑ ΠΟΥ ΕΧΟΥΝ ΔΙΚΟ ΤΟΥΣ ΔΩΜΑΤΙΟ"_s,
               u"ENERGO='ΝΑΙ' AND DIKO_TOY_DWMATIO='ΝΑΙ'"_s),
        search(home, u"Δεν έχουν δικό τους δωμάτι&ο"_s, u"ΠΑΙΔΙΑ ΠΟΥ ΔΕΝ ΕΧΟΥΝ ΔΙΚΟ ΤΟΥΣ ΔΩΜΑΤΙΟ"_s,
               u"ENERGO='ΝΑΙ' AND DIKO_TOY_DWMATIO='ΟΧΙ'"_s),
        search(home, u"Κοιμούνται με άλλου&ς"_s, u"ΠΑΙΔΙΑ ΠΟΥ ΚΟΙΜΟΥΝΤΑΙ ΜΕ ΑΛΛΟΥΣ"_s,
               u"ENERGO='ΝΑΙ' AND LEN(ME_POIOYS_KOIMATAI)>0"_s),
        search(dwelling, u"&Μονοκατοικία"_s, u"ΠΑΙΔΙΑ ΠΟΥ MENOYΝ ΣΕ ΜΟΝΟΚΑΤΟΙΚΙΑ"_s,
               u"ENERGO='ΝΑΙ' AND EIDOS_KATOIKIAS='Μονοκατοικία'"_s),
        search(dwelling, u"&Διπλοκατοικία"_s, u"ΠΑΙΔΙΑ ΠΟΥ MENOYΝ ΣΕ ΔΙΠΛΟΚΑΤΟΙΚΙΑ"_s,
               u"ENERGO='ΝΑΙ' AND EIDOS_KATOIKIAS='Διπλοκατοικία'"_s),
        search(dwelling, u"Δια&μέρισμα"_s, u"ΠΑΙΔΙΑ ΠΟΥ MENOYΝ ΣΕ ΔΙΑΜΕΡΙΣΜΑ"_s,
               u"ENERGO='ΝΑΙ' AND EIDOS_KATOIKIAS='Διαμέρισμα'"_s),
        search(
            unemployed, u"&Πατέρα"_s, u"ΠΑΙΔΙΑ ΜΕ ΑΝΕΡΓΟ ΠΑΤΕΡΑ"_s,
            u"ENERGO='ΝΑΙ' AND EPAGGELMA_PATERA IS NULL OR ENERGO='ΝΑΙ' AND EPAGGELMA_PATERA=\"\""_s),
        search(
            unemployed, u"&Μητέρα"_s, u"ΠΑΙΔΙΑ ΜΕ ΑΝΕΡΓH ΜΗΤΕΡΑ"_s,
            u"ENERGO='ΝΑΙ' AND EPAGGELMA_MHTERAS IS NULL OR ENERGO='ΝΑΙ' AND EPAGGELMA_MHTERAS=\"\""_s),
        search(
            unemployed, u"Πατέρα ή Μ&ητέρα"_s, u"ΠΑΙΔΙΑ ΜΕ ΑΝΕΡΓΟ ΠΑΤΕΡΑ Ή ΜΗΤΕΡΑ"_s,
            u"ENERGO='ΝΑΙ' AND EPAGGELMA_PATERA IS NULL OR ENERGO='ΝΑΙ' AND EPAGGELMA_MHTERAS IS NULL OR ENERGO='ΝΑΙ' AND EPAGGELMA_PATERA=\"\" OR ENERGO='ΝΑΙ' AND EPAGGELMA_MHTERAS=\"\""_s),
        search(
            unemployed, u"Πατέρα &και μητέρα"_s, u"ΠΑΙΔΙΑ ΜΕ ΑΝΕΡΓΟ ΠΑΤΕΡΑ ΚΑΙ ΜΗΤΕΡΑ"_s,
            u"ENERGO='ΝΑΙ' AND (EPAGGELMA_PATERA IS NULL OR EPAGGELMA_PATERA=\"\") AND (EPAGGELMA_MHTERAS IS NULL OR EPAGGELMA_MHTERAS=\"\")"_s),
        search(
            unemployed, u"Κη&δεμόνα"_s, u"ΠΑΙΔΙΑ ΜΕ ΑΝΕΡΓΟ ΚΗΔΕΜΟΝΑ"_s,
            u"ENERGO='ΝΑΙ' AND EPAGGELMA_KHDEMONA IS NULL OR ENERGO='ΝΑΙ' AND EPAGGELMA_KHDEMONA=\"\""_s),
        search(siblings, u"&Αγόρια"_s, u"ΠΑΙΔΙΑ ΠΟΥ ΕΧΟΥΝ ΑΔΕΛΦΙΑ ΑΓΟΡΙΑ"_s,
               u"ENERGO='ΝΑΙ' AND ADELFOYS>0"_s),
        search(siblings, u"&Κορίτσια"_s, u"ΠΑΙΔΙΑ ΠΟΥ ΕΧΟΥΝ ΑΔΕΛΦΙΑ ΚΟΡΙΤΣΙΑ"_s,
               u"ENERGO='ΝΑΙ' AND ADELFES>0"_s),
        search(have, u"Ειδικά ενδια&φέροντα"_s, u"ΠΑΙΔΙΑ ΠΟΥ ΕΧΟΥΝ ΕΙΔΙΚΑ ΕΝΔΙΑΦΕΡΟΝΤΑ"_s,
               u"ENERGO='ΝΑΙ' AND EIDIKA_ENDIAFERONTA IS NOT NULL"_s),
        search(have, u"&Οικογενειακά προβλήματα"_s, u"ΠΑΙΔΙΑ ΠΟΥ ΕΧΟΥΝ ΟΙΚΟΓΕΝΕΙΑΚΑ ΠΡΟΒΛΗΜΑΤΑ"_s,
               u"ENERGO='ΝΑΙ' AND OIKOGENEIAKA_PROBLHMATA IS NOT NULL"_s),
        search(hadIllness, u"&Σοβαρές ασθένειες μέχρι σήμερα"_s,
               u"ΠΑΙΔΙΑ ΠΟΥ ΕΧΟΥΝ ΠΕΡΑΣΕΙ ΣΟΒΑΡΕΣ ΑΣΘΕΝΕΙΕΣ ΜΕΧΡΙ ΣΗΜΕΡΑ"_s,
               u"ENERGO='ΝΑΙ' AND SOB_ASTHENEIES_MEXRI_SHMERA IS NOT NULL"_s),
        search(hadIllness, u"&Ιλαρά"_s, u"ΠΑΙΔΙΑ ΠΟΥ ΕΧΟΥΝ ΠΕΡΑΣΕΙ ΑΠΟ ΙΛΑΡΑ"_s,
               u"ENERGO='ΝΑΙ' AND ILARA='ΝΑΙ'"_s),
        search(hadIllness, u"&Παρωτίτιδα"_s, u"ΠΑΙΔΙΑ ΠΟΥ ΕΧΟΥΝ ΠΕΡΑΣΕΙ ΑΠΟ ΠΑΡΩΤΙΤΙΔΑ"_s,
               u"ENERGO='ΝΑΙ' AND PAROTITIDA='ΝΑΙ'"_s),
        search(hadIllness, u"&Ερυθρά"_s, u"ΠΑΙΔΙΑ ΠΟΥ ΕΧΟΥΝ ΠΕΡΑΣΕΙ ΑΠΟ ΕΡΥΘΡΑ"_s,
               u"ENERGO='ΝΑΙ' AND ERYTHRA='ΝΑΙ'"_s),
        search(hadIllness, u"&Οστρακιά"_s, u"ΠΑΙΔΙΑ ΠΟΥ ΕΧΟΥΝ ΠΕΡΑΣΕΙ ΑΠΟ ΟΣΤΡΑΚΙΑ"_s,
               u"ENERGO='ΝΑΙ' AND WSTRAKIA='ΝΑΙ'"_s),
        search(hadIllness, u"&Κοκκίτη"_s, u"ΠΑΙΔΙΑ ΠΟΥ ΕΧΟΥΝ ΠΕΡΑΣΕΙ ΑΠΟ ΚΟΚΚΙΤΗ"_s,
               u"ENERGO='ΝΑΙ' AND KOKKITHS='ΝΑΙ'"_s),
        search(hadIllness, u"&Διφθερίτιδα"_s, u"ΠΑΙΔΙΑ ΠΟΥ ΕΧΟΥΝ ΠΕΡΑΣΕΙ ΑΠΟ ΔΙΦΘΕΡΙΤΙΔΑ"_s,
               u"ENERGO='ΝΑΙ' AND DIFTHERITIDA='ΝΑΙ'"_s),
        search(have, u"&Φόβους"_s, u"ΠΑΙΔΙΑ ΠΟΥ ΕΧΟΥΝ ΦΟΒΟΥΣ"_s,
               u"ENERGO='ΝΑΙ' AND EXEI_FOBOYS IS NOT NULL"_s),
        search(have, u"&Αλλεργίες"_s, u"ΠΑΙΔΙΑ ΠΟΥ ΕΧΟΥΝ ΑΛΛΕΡΓΙΕΣ"_s,
               u"ENERGO='ΝΑΙ' AND ALLERGIES IS NOT NULL"_s),
        search(have, u"&Επιλη&ψία"_s, u"ΠΑΙΔΙΑ ΠΟΥ ΕΧΟΥΝ ΕΠΙΛΗΨΙΑ"_s,
               u"ENERGO='ΝΑΙ' AND EPILHPSIA='ΝΑΙ'"_s),
        search(have, u"&Διαβήτη"_s, u"ΠΑΙΔΙΑ ΠΟΥ ΕΧΟΥΝ ΔΙΑΒΗΤΗ"_s,
               u"ENERGO='ΝΑΙ' AND DIABHTHS='ΝΑΙ'"_s),
        search(have, u"&Παιδική παράλυση"_s, u"ΠΑΙΔΙΑ ΠΟΥ ΕΧΟΥΝ ΠΑΙΔΙΚΗ ΠΑΡΑΛΥΣΗ"_s,
               u"ENERGO='ΝΑΙ' AND PAIDIKH_PARALYSH='ΝΑΙ'"_s),
        search(have, u"Έκ&ζεμα"_s, u"ΠΑΙΔΙΑ ΠΟΥ ΕΧΟΥΝ EKZEMA"_s,
               u"ENERGO='ΝΑΙ' AND EKZEMA='ΝΑΙ'"_s),
        search(have, u"&Καρδιοπάθεια"_s, u"ΠΑΙΔΙΑ ΠΟΥ ΕΧΟΥΝ ΚΑΡΔΙΟΠΑΘΕΙΑ"_s,
               u"ENERGO='ΝΑΙ' AND KARDIOPATHEIA='ΝΑΙ'"_s),
        search(have, u"Βρογ&χικά"_s, u"ΠΑΙΔΙΑ ΠΟΥ ΕΧΟΥΝ ΒΡΟΓΧΙΚΑ"_s,
               u"ENERGO='ΝΑΙ' AND BROGXIKA='ΝΑΙ'"_s),
        search(have, u"&Ζαλάδες"_s, u"ΠΑΙΔΙΑ ΠΟΥ EXOYN ΖΑΛΑΔΕΣ"_s,
               u"ENERGO='ΝΑΙ' AND ZALIZETAI='ΝΑΙ'"_s),
        search(have, u"&Συχνοουρία"_s, u"ΠΑΙΔΙΑ ΠΟΥ EXOYN ΣΥΧΝΟΟΥΡΙΑ"_s,
               u"ENERGO='ΝΑΙ' AND SYXNOOYRIA='ΝΑΙ'"_s),
        search(have, u"&Λιποθυμίες"_s, u"ΠΑΙΔΙΑ ΠΟΥ EXOYN ΛΙΠΟΘΥΜΙΕΣ"_s,
               u"ENERGO='ΝΑΙ' AND LYPOTHIMA='ΝΑΙ'"_s),
        search(have, u"Δυσκολία στην όρασ&η"_s, u"ΠΑΙΔΙΑ ΠΟΥ ΕΧΟΥΝ ΔΥΣΚΟΛΙΑ ΣΤΗΝ ΟΡΑΣΗ"_s,
               u"ENERGO='ΝΑΙ' AND DYSKOLIA_STHN_ORASH='ΝΑΙ'"_s),
        search(have, u"Δυσκολία στην α&κοή"_s, u"ΠΑΙΔΙΑ ΠΟΥ ΕΧΟΥΝ ΔΥΣΚΟΛΙΑ ΣΤΗΝ ΑΚΟΗ"_s,
               u"ENERGO='ΝΑΙ' AND DYSKOLIA_STHN_AKOH='ΝΑΙ'"_s),
        search(have, u"Σοβαρά προβλήματα &υγείας"_s, u"ΠΑΙΔΙΑ ΠΟΥ ΕΧΟΥΝ ΣΟΒΑΡΑ ΠΡΟΒΛΗΜΑΤΑ ΥΓΕΙΑΣ"_s,
               u"ENERGO='ΝΑΙ' AND SOBARA_PROBLHMATA_YGEIAS IS NOT NULL"_s),
        search(have, u"Σωματικά ελαττώ&ματα"_s, u"ΠΑΙΔΙΑ ΠΟΥ ΕΧΟΥΝ ΣΩΜΑΤΙΚΑ ΕΛΑΤΤΩΜΑΤΑ"_s,
               u"ENERGO='ΝΑΙ' AND SWMATIKA_ELATTWMATA IS NOT NULL"_s),
        search(have, u"Πρόσφατα προ&βλήματα στην φυσική τους κατάσταση"_s,
               u"ΠΑΙΔΙΑ ΠΟΥ ΕΧΟΥΝ ΠΡΟΣΦΑΤΑ ΠΡΟΒΛΗΜΑΤΑ ΣΤΗΝ ΦΥΣΙΚΗ ΤΟΥΣ ΚΑΤΑΣΤΑΣΗ"_s,
               u"ENERGO='ΝΑΙ' AND ALLA_PROSF_PROBL_FYS_KAT IS NOT NULL"_s),
        search(
            have,
            u"Εδικούς ιατρικούς λόγους για τους οποίους πρέπει να είναι ενήμερο το νηπια&γωγείο"_s,
            u"ΠΑΙΔΙΑ ΠΟΥ ΕΧΟΥΝ ΕΙΔΙΚΟΥΣ ΙΑΤΡΙΚΟΥΣ ΛΟΓΟΥΣ ΓΙΑ ΤΟΥΣ ΟΠΟΙΟΥΣ ΠΡΕΠΕΙ ΝΑ ΕΙΝΑΙ ΕΝΗΜΕΡΟ ΤΟ ΝΗΠΙΑΓΩΓΕΙΟ"_s,
            u"ENERGO='ΝΑΙ' AND LOGOI_ENHMERO_NHPIAGWGEIO IS NOT NULL"_s),
        search(have, u"Άλλη α&ρώστεια"_s, u"ΠΑΙΔΙΑ ΠΟΥ ΕΧΟΥΝ ΑΛΛΗ ΑΡΩΣΤΕΙΑ"_s,
               u"ENERGO='ΝΑΙ' AND ALLH_ARWSTIA IS NOT NULL"_s),
        search(otherProblems, u"Βρέχουν το κρεβάτι του&ς"_s,
               u"ΠΑΙΔΙΑ ΠΟΥ ΒΡΕΧΟΥΝ ΤΟ ΚΡΕΒΑΤΙ ΤΟΥΣ"_s,
               u"ENERGO='ΝΑΙ' AND BREXEI_TO_KREBATI_TOY='ΝΑΙ'"_s),
        search(otherProblems, u"Ιδρώνουν το βράδ&υ"_s, u"ΠΑΙΔΙΑ ΠΟΥ ΙΔΡΩΝΟΥΝ ΤΟ ΒΡΑΔΥ"_s,
               u"ENERGO='ΝΑΙ' AND IDRWNEI_TO_BRADY='ΝΑΙ'"_s),
        search(otherProblems, u"Αιμορραγεί η μύτη τους"_s, u"ΠΑΙΔΙΑ ΠΟΥ ΑΙΜΟΡΡΑΓΕΙ Η ΜΥΤΗ ΤΟΥΣ"_s,
               u"ENERGO='ΝΑΙ' AND SPAZEI_H_MYTH_TOY='ΝΑΙ'"_s),
        search(otherProblems, u"Κουράζοντ&αι εύκολα"_s, u"ΠΑΙΔΙΑ ΠΟΥ ΚΟΥΡΑΖΟΝΤΑΙ ΕΥΚΟΛΑ"_s,
               u"ENERGO='ΝΑΙ' AND KOYRAZETAI_EYKOLA='ΝΑΙ'"_s),
        search(otherProblems, u"&Ξέσπασμα θυμού"_s, u"ΠΑΙΔΙΑ ΠΟΥ ΕΧΟΥΝ ΞΕΣΠΑΣΜΑ ΘΥΜΟΥ"_s,
               u"ENERGO='ΝΑΙ' AND KSESPASMA_THYMOY='ΝΑΙ'"_s),
        search(otherProblems, u"Είναι &δύστροπα"_s, u"ΠΑΙΔΙΑ ΠΟΥ ΕΙΝΑΙ ΔΥΣΤΡΟΠΑ"_s,
               u"ENERGO='ΝΑΙ' AND DYSTROPO='ΝΑΙ'"_s),
        search(otherProblems, u"&Ειδικά προβλήματα συμπεριφοράς"_s,
               u"ΠΑΙΔΙΑ ΠΟΥ ΕΧΟΥΝ ΕΙΔΙΚΑ ΠΡΟΒΛΗΜΑΤΑ ΣΥΜΠΕΡΙΦΟΡΑΣ"_s,
               u"ENERGO='ΝΑΙ' AND EIDIKA_PROBLHMATA_SYMPERIFORAS IS NOT NULL"_s),
        search(otherProblems, u"&Θυλάζουν το δάκτυλο τους"_s,
               u"ΠΑΙΔΙΑ ΠΟΥ ΘΥΛΑΖΟΥΝ ΤΟ ΔΑΚΤΥΛΟ ΤΟΥΣ"_s,
               u"ENERGO='ΝΑΙ' AND THYLAZEI_TO_DAKTYLO_TOY='ΝΑΙ'"_s),
        search(otherProblems, u"Δαγκ&ώνουν το δάκτυλο τους"_s,
               u"ΠΑΙΔΙΑ ΠΟΥ ΔΑΓΚΩΝΟΥΝ ΤΟ ΔΑΚΤΥΛΟ ΤΟΥΣ"_s,
               u"ENERGO='ΝΑΙ' AND DAGKWNEI_TO_DAKTYLO_TOY='ΝΑΙ'"_s),
        search(mustAvoid, u"&Συγκεκριμένες δραστηριότητες"_s,
               u"ΠΑΙΔΙΑ ΠΟΥ ΠΡΕΠΕΙ ΝΑ ΑΠΟΦΕΥΓΟΥΝ ΣΥΓΚΕΚΡΙΜΕΝΕΣ ΔΡΑΣΤΗΡΙΟΤΗΤΕΣ"_s,
               u"ENERGO='ΝΑΙ' AND DRASTHRIOT_PREPEI_APOFEYGEI IS NOT NULL"_s),
        search(mustAvoid, u"Συγκεκριμένα &φαγητά"_s,
               u"ΠΑΙΔΙΑ ΠΟΥ ΠΡΕΠΕΙ ΝΑ ΑΠΟΦΕΥΓΟΥΝ ΣΥΓΚΕΚΡΙΜΕΝΑ ΦΑΓΗΤΑ"_s,
               u"ENERGO='ΝΑΙ' AND FAGHTA_APOFEYGEI IS NOT NULL"_s),
        search(childrenWho, u"&Δεν έχουν αδέλφια"_s, u"ΠΑΙΔΙΑ ΠΟΥ ΔΕΝ ΕΧΟΥΝ ΑΔΕΛΦΙΑ"_s,
               u"ENERGO='ΝΑΙ' AND (ADELFOYS+ADELFES)=0"_s),
        search(childrenWho, u"Οι &γονείς τους βρίσκονται σε διάσταση / είναι διαζευγμένοι"_s,
               u"ΠΑΙΔΙΑ ΠΟΥ ΟΙ ΓΟΝΕΙΣ ΤΟΥΣ ΒΡΙΣΚΟΝΤΑΙ ΣΕ ΔΙΑΣΤΑΣΗ / ΕΙΝΑΙ ΔΙΑΖΕΥΓΜΕΝΟΙ"_s,
               u"ENERGO='ΝΑΙ' AND BRISKONTAI_SE_DIASTASH='ΝΑΙ'"_s),
        search(childrenWho, u"Τους αρέσει η συντροφιά άλλων παιδιώ&ν"_s,
               u"ΠΑΙΔΙΑ ΠΟΥ ΤΟΥΣ ΑΡΕΣΕΙ Η ΣΥΝΤΡΟΦΙΑ ΑΛΛΩΝ ΠΑΙΔΙΩΝ"_s,
               u"ENERGO='ΝΑΙ' AND ARESEI_SYNTROFIA_PAIDIWN='ΝΑΙ'"_s),
        search(transportMeans, u"&Ιδιωτικό αυτοκίνητο"_s,
               u"ΠΑΙΔΙΑ ΠΟΥ ΕΡΧΟΝΤΑΙ Ή ΦΕΥΓΟΥΝ ΜΕ ΙΔΙΩΤΙΚΟ ΑΥΤΟΚΙΝΗΤΟ"_s,
               u"ENERGO='ΝΑΙ' AND METAFORA='Ιδιωτικό'"_s),
        search(transportMeans, u"Αυτοκίνητο του &νηπιαγωγείου"_s,
               u"ΠΑΙΔΙΑ ΠΟΥ ΕΡΧΟΝΤΑΙ Ή ΦΕΥΓΟΥΝ ΜΕ ΑΥΤΟΚΙΝΗΤΟ ΤΟΥ ΝΗΠΙΑΓΩΓΕΙΟΥ"_s,
               u"ENERGO='ΝΑΙ' AND METAFORA='Νηπιαγωγείο'"_s),
        search(food, u"Παιδιά που τους &χορηγείται φαγητό από το νηπιαγωγείο"_s,
               u"ΠΑΙΔΙΑ ΠΟΥ ΤΟΥΣ ΧΟΡΗΓΕΙΤΑΙ ΦΑΓΗΤΟ ΑΠΟ ΤΟ ΝΗΠΙΑΓΩΓΕΙΟ"_s,
               u"ENERGO='ΝΑΙ' AND FAGHTO='ΝΑΙ'"_s),
        search(food, u"Παιδιά που &δεν τους χορηγείται φαγητό από το νηπιαγωγείο"_s,
               u"ΠΑΙΔΙΑ ΠΟΥ ΔΕΝ ΤΟΥΣ ΧΟΡΗΓΕΙΤΑΙ ΦΑΓΗΤΟ ΑΠΟ ΤΟ ΝΗΠΙΑΓΩΓΕΙΟ"_s,
               u"ENERGO='ΝΑΙ' AND FAGHTO='ΟΧΙ'"_s),
        search(
            vaccinations, u"Παιδιά που δεν έκαναν τουλάχιστο ένα εμ&βόλιο"_s,
            u"ΠΑΙΔΙΑ ΠΟΥ ΔΕΝ ΕΚΑΝΑΝ ΤΟΥΛΑΧΙΣΤΟ ΕΝΑ ΕΜΒΟΛΙΟ"_s,
            u"ENERGO='ΝΑΙ' AND EMBOLIO_ANEMEBLOGIAS IS NULL OR ENERGO='ΝΑΙ' AND EMBOLIO_DIFTHERITIDA IS NULL OR ENERGO='ΝΑΙ' AND EMBOLIO_TETANOS IS NULL OR ENERGO='ΝΑΙ' AND EMBOLIO_KOKKITHS IS NULL OR ENERGO='ΝΑΙ' AND EMBOLIO_ILARAS IS NULL OR ENERGO='ΝΑΙ' AND EMBOLIO_PAROTITIDAS IS NULL OR ENERGO='ΝΑΙ' AND EMBOLIO_ERYTHRAS IS NULL OR ENERGO='ΝΑΙ' AND EMBOLIO_YPATITIDAS_B IS NULL OR ENERGO='ΝΑΙ' AND EMBOLIO_POLYOMYELITIS IS NULL"_s),
        search(vaccinations, u"Παιδιά που δεν έκαναν εμβόλιο &διφθερίτιδας"_s,
               u"ΠΑΙΔΙΑ ΠΟΥ ΔΕΝ ΕΚΑΝΑΝ ΕΜΒΟΛΙΟ ΔΙΦΘΕΡΙΤΙΔΑΣ"_s,
               u"ENERGO='ΝΑΙ' AND EMBOLIO_DIFTHERITIDA IS NULL"_s),
        search(vaccinations, u"Παιδιά που δεν έκαναν εμβόλιο &τετάνου"_s,
               u"ΠΑΙΔΙΑ ΠΟΥ ΔΕΝ ΕΚΑΝΑΝ ΕΜΒΟΛΙΟ TETANOY"_s,
               u"ENERGO='ΝΑΙ' AND EMBOLIO_TETANOS IS NULL"_s),
        search(vaccinations, u"Παιδιά που δεν έκαναν εμβόλιο &κοκκίτη"_s,
               u"ΠΑΙΔΙΑ ΠΟΥ ΔΕΝ ΕΚΑΝΑΝ ΕΜΒΟΛΙΟ ΚΟΚΚΙΤΗ"_s,
               u"ENERGO='ΝΑΙ' AND EMBOLIO_KOKKITHS IS NULL"_s),
        search(vaccinations, u"Παιδιά που δεν έκαναν εμβόλιο &ιλαράς"_s,
               u"ΠΑΙΔΙΑ ΠΟΥ ΔΕΝ ΕΚΑΝΑΝ ΕΜΒΟΛΙΟ ΙΛΑΡΑΣ"_s,
               u"ENERGO='ΝΑΙ' AND EMBOLIO_ILARAS IS NULL"_s),
        search(vaccinations, u"Παιδιά που δεν έκαναν εμβόλιο &παρωτίτιδας"_s,
               u"ΠΑΙΔΙΑ ΠΟΥ ΔΕΝ ΕΚΑΝΑΝ ΕΜΒΟΛΙΟ ΠΑΡΩΤΙΤΙΔΑΣ"_s,
               u"ENERGO='ΝΑΙ' AND EMBOLIO_PAROTITIDAS IS NULL"_s),
        search(vaccinations, u"Παιδιά που δεν έκαναν εμβόλιο &ερυθράς"_s,
               u"ΠΑΙΔΙΑ ΠΟΥ ΔΕΝ ΕΚΑΝΑΝ ΕΜΒΟΛΙΟ ΕΡΥΘΡΑΣ"_s,
               u"ENERGO='ΝΑΙ' AND EMBOLIO_ERYTHRAS IS NULL"_s),
        search(vaccinations, u"Παιδιά που δεν έκαναν εμβόλιο &ηπατίτιδας Β"_s,
               u"ΠΑΙΔΙΑ ΠΟΥ ΔΕΝ ΕΚΑΝΑΝ ΕΜΒΟΛΙΟ ΗΠΑΤΙΤΙΔΑΣ Β"_s,
               u"ENERGO='ΝΑΙ' AND EMBOLIO_YPATITIDAS_B IS NULL"_s),
        search(vaccinations, u"Παιδιά που δεν έκαναν εμβόλιο &πολυομυελίτιδα&ς"_s,
               u"ΠΑΙΔΙΑ ΠΟΥ ΔΕΝ ΕΚΑΝΑΝ ΕΜΒΟΛΙΟ ΠΟΛΥΟΜΥΕΛΙΤΙΔΑΣ"_s,
               u"ENERGO='ΝΑΙ' AND EMBOLIO_POLYOMYELITIS IS NULL"_s),
        search(vaccinations, u"Παιδιά που δεν έκαναν εμβόλιο &ανεμεβλογιάς"_s,
               u"ΠΑΙΔΙΑ ΠΟΥ ΔΕΝ ΕΚΑΝΑΝ ΕΜΒΟΛΙΟ ΑΝΕΜΕΒΛΟΓΙΑΣ"_s,
               u"ENERGO='ΝΑΙ' AND EMBOLIO_ANEMEBLOGIAS IS NULL"_s),
        special(tuition, u"Π&αιδιά που οφείλουν δίδακτρα"_s, u"ΠΑΙΔΙΑ ΠΟΥ ΟΦΕΙΛΟΥΝ ΔΙΔΑΚΤΡΑ"_s,
                u"select DISTINCT CHILDREN.ARITHMOS_MHTRWOY as ARITHMOS_MHTRWOY,ONOMA_PAIDIOY, "
                u"EPWNYMO_PAIDIOY,str(HMEROMHNIA_GENNHSEWS) as HMEROMHNIA_GENNHSEWS,FYLO,"
                u"ONOMA_PATERA,ONOMA_MHTERAS,ONOMA_KHDEMONA,DIEYTHYNSH_OIKIAS,"
                u"THLEFWNO_ERGASIAS_KHDEMONA  from CHILDREN, APODEIKSEIS_DIDAKTRWN where "
                u"APODEIKSEIS_DIDAKTRWN.ARITHMOS_MHTRWOY=CHILDREN.ARITHMOS_MHTRWOY and "
                u"CHILDREN.ENERGO ='ΝΑΙ' and APODEIKSEIS_DIDAKTRWN.CHECKER ='Χ' order by "
                u"EPWNYMO_PAIDIOY ASC"_s),
    };
}

}  // namespace

const QList<CannedSearch>& cannedSearches() {
    static const QList<CannedSearch> table = buildTable();
    return table;
}

}  // namespace searches
