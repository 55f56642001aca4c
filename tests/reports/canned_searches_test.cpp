#include <gtest/gtest.h>

#include <QSet>

#include "db/transaction.h"
#include "reports/canned_searches.h"
#include "reports/title_lines.h"
#include "search_children.h"

using namespace Qt::StringLiterals;
using searchtest::Values;

namespace {

// For each canned search, by its title line: the values that make a child match it, the values
// of a near miss (a child that must stay out), statements giving the matching child the rows of
// other tables that the search looks at, and the other ways of matching a search whose
// condition has alternatives.
struct Expectation {
    QString title;
    Values match;
    Values nearMiss;
    QStringList extra;
    QList<Values> otherWays;
};

QList<Expectation> expectations() {
    return {
        {u"ΠΑΙΔΙΑ ΠΟΥ ΓΡΑΦΤΗΚΑΝ ΠΕΡΙΣΣΟΤΕΡΕΣ ΑΠΟ ΜΙΑ ΦΟΡΑ"_s,
         {},
         {},
         {u"INSERT INTO CHILDREN_EGG_DIAG (ARITHMOS_MHTRWOY,HMEROMHNIA_EGGRAFHS,HMEROMHNIA_DIAGRAFHS) VALUES (%1,#9/1/2021#,#6/30/2022#)"_s},
         {}},
        {u"ΠΑΙΔΙΑ ΠΟΥ ΕΙΝΑΙ ΟΡΦΑΝΑ ΑΠΟ ΠΑΤΕΡΑ Ή ΜΗΤΕΡΑ"_s,
         {{u"ZEI_O_PATERAS"_s, u"'ΟΧΙ'"_s}},
         {{u"ZEI_O_PATERAS"_s, u"'ΝΑΙ'"_s}},
         {},
         {{{u"ZEI_H_MHTERA"_s, u"'ΟΧΙ'"_s}}}},
        {u"ΠΑΙΔΙΑ ΠΟΥ ΕΙΝΑΙ ΟΡΦΑΝΑ ΑΠΟ ΠΑΤΕΡΑ ΚΑΙ ΜΗΤΕΡΑ"_s,
         {{u"ZEI_O_PATERAS"_s, u"'ΟΧΙ'"_s}, {u"ZEI_H_MHTERA"_s, u"'ΟΧΙ'"_s}},
         {{u"ZEI_O_PATERAS"_s, u"'ΟΧΙ'"_s}},
         {},
         {}},
        {u"ΠΑΙΔΙΑ ΠΟΥ ΕΙΝΑΙ ΟΡΦΑΝΑ ΑΠΟ ΠΑΤΕΡΑ"_s,
         {{u"ZEI_O_PATERAS"_s, u"'ΟΧΙ'"_s}},
         {{u"ZEI_O_PATERAS"_s, u"'ΝΑΙ'"_s}},
         {},
         {}},
        {u"ΠΑΙΔΙΑ ΠΟΥ ΕΙΝΑΙ ΟΡΦΑΝΑ ΑΠΟ ΜΗΤΕΡΑ"_s,
         {{u"ZEI_H_MHTERA"_s, u"'ΟΧΙ'"_s}},
         {{u"ZEI_H_MHTERA"_s, u"'ΝΑΙ'"_s}},
         {},
         {}},
        {u"ΠΑΙΔΙΑ ΠΟΥ ΣΤΟ ΣΠΙΤΙ ΤΟΥΣ ΥΠΑΡΧΕΙ ΑΥΛΗ"_s,
         {{u"YPARXEI_AYLH"_s, u"'ΝΑΙ'"_s}},
         {{u"YPARXEI_AYLH"_s, u"'ΟΧΙ'"_s}},
         {},
         {}},
        {u"ΠΑΙΔΙΑ ΠΟΥ ΣΤΟ ΣΠΙΤΙ ΤΟΥΣ ΔΕΝ ΥΠΑΡΧΕΙ ΑΥΛΗ"_s,
         {{u"YPARXEI_AYLH"_s, u"'ΟΧΙ'"_s}},
         {{u"YPARXEI_AYLH"_s, u"'ΝΑΙ'"_s}},
         {},
         {}},
        {u"ΠΑΙΔΙΑ ΠΟΥ ΕΧΟΥΝ ΔΙΚΟ ΤΟΥΣ ΔΩΜΑΤΙΟ"_s,
         {{u"DIKO_TOY_DWMATIO"_s, u"'ΝΑΙ'"_s}},
         {{u"DIKO_TOY_DWMATIO"_s, u"'ΟΧΙ'"_s}},
         {},
         {}},
        {u"ΠΑΙΔΙΑ ΠΟΥ ΔΕΝ ΕΧΟΥΝ ΔΙΚΟ ΤΟΥΣ ΔΩΜΑΤΙΟ"_s,
         {{u"DIKO_TOY_DWMATIO"_s, u"'ΟΧΙ'"_s}},
         {{u"DIKO_TOY_DWMATIO"_s, u"'ΝΑΙ'"_s}},
         {},
         {}},
        {u"ΠΑΙΔΙΑ ΠΟΥ ΚΟΙΜΟΥΝΤΑΙ ΜΕ ΑΛΛΟΥΣ"_s,
         {{u"ME_POIOYS_KOIMATAI"_s, u"'Αδελφό'"_s}},
         {{u"ME_POIOYS_KOIMATAI"_s, u"''"_s}},
         {},
         {}},
        {u"ΠΑΙΔΙΑ ΠΟΥ MENOYΝ ΣΕ ΜΟΝΟΚΑΤΟΙΚΙΑ"_s,
         {{u"EIDOS_KATOIKIAS"_s, u"'Μονοκατοικία'"_s}},
         {{u"EIDOS_KATOIKIAS"_s, u"'Διαμέρισμα'"_s}},
         {},
         {}},
        {u"ΠΑΙΔΙΑ ΠΟΥ MENOYΝ ΣΕ ΔΙΠΛΟΚΑΤΟΙΚΙΑ"_s,
         {{u"EIDOS_KATOIKIAS"_s, u"'Διπλοκατοικία'"_s}},
         {{u"EIDOS_KATOIKIAS"_s, u"'Μονοκατοικία'"_s}},
         {},
         {}},
        {u"ΠΑΙΔΙΑ ΠΟΥ MENOYΝ ΣΕ ΔΙΑΜΕΡΙΣΜΑ"_s,
         {{u"EIDOS_KATOIKIAS"_s, u"'Διαμέρισμα'"_s}},
         {{u"EIDOS_KATOIKIAS"_s, u"'Μονοκατοικία'"_s}},
         {},
         {}},
        {u"ΠΑΙΔΙΑ ΜΕ ΑΝΕΡΓΟ ΠΑΤΕΡΑ"_s,
         {{u"EPAGGELMA_PATERA"_s, u"NULL"_s}},
         {},
         {},
         {{{u"EPAGGELMA_PATERA"_s, u"''"_s}}}},
        {u"ΠΑΙΔΙΑ ΜΕ ΑΝΕΡΓH ΜΗΤΕΡΑ"_s,
         {{u"EPAGGELMA_MHTERAS"_s, u"NULL"_s}},
         {},
         {},
         {{{u"EPAGGELMA_MHTERAS"_s, u"''"_s}}}},
        {u"ΠΑΙΔΙΑ ΜΕ ΑΝΕΡΓΟ ΠΑΤΕΡΑ Ή ΜΗΤΕΡΑ"_s,
         {{u"EPAGGELMA_PATERA"_s, u"NULL"_s}},
         {},
         {},
         {{{u"EPAGGELMA_MHTERAS"_s, u"NULL"_s}}, {{u"EPAGGELMA_PATERA"_s, u"''"_s}}, {{u"EPAGGELMA_MHTERAS"_s, u"''"_s}}}},
        {u"ΠΑΙΔΙΑ ΜΕ ΑΝΕΡΓΟ ΠΑΤΕΡΑ ΚΑΙ ΜΗΤΕΡΑ"_s,
         {{u"EPAGGELMA_PATERA"_s, u"''"_s}, {u"EPAGGELMA_MHTERAS"_s, u"NULL"_s}},
         {{u"EPAGGELMA_PATERA"_s, u"''"_s}},
         {},
         {}},
        {u"ΠΑΙΔΙΑ ΜΕ ΑΝΕΡΓΟ ΚΗΔΕΜΟΝΑ"_s,
         {{u"EPAGGELMA_KHDEMONA"_s, u"NULL"_s}},
         {},
         {},
         {{{u"EPAGGELMA_KHDEMONA"_s, u"''"_s}}}},
        {u"ΠΑΙΔΙΑ ΠΟΥ ΕΧΟΥΝ ΑΔΕΛΦΙΑ ΑΓΟΡΙΑ"_s,
         {{u"ADELFOYS"_s, u"2"_s}},
         {{u"ADELFOYS"_s, u"0"_s}},
         {},
         {}},
        {u"ΠΑΙΔΙΑ ΠΟΥ ΕΧΟΥΝ ΑΔΕΛΦΙΑ ΚΟΡΙΤΣΙΑ"_s,
         {{u"ADELFES"_s, u"2"_s}},
         {{u"ADELFES"_s, u"0"_s}},
         {},
         {}},
        {u"ΠΑΙΔΙΑ ΠΟΥ ΕΧΟΥΝ ΕΙΔΙΚΑ ΕΝΔΙΑΦΕΡΟΝΤΑ"_s,
         {{u"EIDIKA_ENDIAFERONTA"_s, u"'Κάτι'"_s}},
         {},
         {},
         {}},
        {u"ΠΑΙΔΙΑ ΠΟΥ ΕΧΟΥΝ ΟΙΚΟΓΕΝΕΙΑΚΑ ΠΡΟΒΛΗΜΑΤΑ"_s,
         {{u"OIKOGENEIAKA_PROBLHMATA"_s, u"'Κάτι'"_s}},
         {},
         {},
         {}},
        {u"ΠΑΙΔΙΑ ΠΟΥ ΕΧΟΥΝ ΠΕΡΑΣΕΙ ΣΟΒΑΡΕΣ ΑΣΘΕΝΕΙΕΣ ΜΕΧΡΙ ΣΗΜΕΡΑ"_s,
         {{u"SOB_ASTHENEIES_MEXRI_SHMERA"_s, u"'Κάτι'"_s}},
         {},
         {},
         {}},
        {u"ΠΑΙΔΙΑ ΠΟΥ ΕΧΟΥΝ ΠΕΡΑΣΕΙ ΑΠΟ ΙΛΑΡΑ"_s,
         {{u"ILARA"_s, u"'ΝΑΙ'"_s}},
         {{u"ILARA"_s, u"'ΟΧΙ'"_s}},
         {},
         {}},
        {u"ΠΑΙΔΙΑ ΠΟΥ ΕΧΟΥΝ ΠΕΡΑΣΕΙ ΑΠΟ ΠΑΡΩΤΙΤΙΔΑ"_s,
         {{u"PAROTITIDA"_s, u"'ΝΑΙ'"_s}},
         {{u"PAROTITIDA"_s, u"'ΟΧΙ'"_s}},
         {},
         {}},
        {u"ΠΑΙΔΙΑ ΠΟΥ ΕΧΟΥΝ ΠΕΡΑΣΕΙ ΑΠΟ ΕΡΥΘΡΑ"_s,
         {{u"ERYTHRA"_s, u"'ΝΑΙ'"_s}},
         {{u"ERYTHRA"_s, u"'ΟΧΙ'"_s}},
         {},
         {}},
        {u"ΠΑΙΔΙΑ ΠΟΥ ΕΧΟΥΝ ΠΕΡΑΣΕΙ ΑΠΟ ΟΣΤΡΑΚΙΑ"_s,
         {{u"WSTRAKIA"_s, u"'ΝΑΙ'"_s}},
         {{u"WSTRAKIA"_s, u"'ΟΧΙ'"_s}},
         {},
         {}},
        {u"ΠΑΙΔΙΑ ΠΟΥ ΕΧΟΥΝ ΠΕΡΑΣΕΙ ΑΠΟ ΚΟΚΚΙΤΗ"_s,
         {{u"KOKKITHS"_s, u"'ΝΑΙ'"_s}},
         {{u"KOKKITHS"_s, u"'ΟΧΙ'"_s}},
         {},
         {}},
        {u"ΠΑΙΔΙΑ ΠΟΥ ΕΧΟΥΝ ΠΕΡΑΣΕΙ ΑΠΟ ΔΙΦΘΕΡΙΤΙΔΑ"_s,
         {{u"DIFTHERITIDA"_s, u"'ΝΑΙ'"_s}},
         {{u"DIFTHERITIDA"_s, u"'ΟΧΙ'"_s}},
         {},
         {}},
        {u"ΠΑΙΔΙΑ ΠΟΥ ΕΧΟΥΝ ΦΟΒΟΥΣ"_s,
         {{u"EXEI_FOBOYS"_s, u"'Κάτι'"_s}},
         {},
         {},
         {}},
        {u"ΠΑΙΔΙΑ ΠΟΥ ΕΧΟΥΝ ΑΛΛΕΡΓΙΕΣ"_s,
         {{u"ALLERGIES"_s, u"'Κάτι'"_s}},
         {},
         {},
         {}},
        {u"ΠΑΙΔΙΑ ΠΟΥ ΕΧΟΥΝ ΕΠΙΛΗΨΙΑ"_s,
         {{u"EPILHPSIA"_s, u"'ΝΑΙ'"_s}},
         {{u"EPILHPSIA"_s, u"'ΟΧΙ'"_s}},
         {},
         {}},
        {u"ΠΑΙΔΙΑ ΠΟΥ ΕΧΟΥΝ ΔΙΑΒΗΤΗ"_s,
         {{u"DIABHTHS"_s, u"'ΝΑΙ'"_s}},
         {{u"DIABHTHS"_s, u"'ΟΧΙ'"_s}},
         {},
         {}},
        {u"ΠΑΙΔΙΑ ΠΟΥ ΕΧΟΥΝ ΠΑΙΔΙΚΗ ΠΑΡΑΛΥΣΗ"_s,
         {{u"PAIDIKH_PARALYSH"_s, u"'ΝΑΙ'"_s}},
         {{u"PAIDIKH_PARALYSH"_s, u"'ΟΧΙ'"_s}},
         {},
         {}},
        {u"ΠΑΙΔΙΑ ΠΟΥ ΕΧΟΥΝ EKZEMA"_s,
         {{u"EKZEMA"_s, u"'ΝΑΙ'"_s}},
         {{u"EKZEMA"_s, u"'ΟΧΙ'"_s}},
         {},
         {}},
        {u"ΠΑΙΔΙΑ ΠΟΥ ΕΧΟΥΝ ΚΑΡΔΙΟΠΑΘΕΙΑ"_s,
         {{u"KARDIOPATHEIA"_s, u"'ΝΑΙ'"_s}},
         {{u"KARDIOPATHEIA"_s, u"'ΟΧΙ'"_s}},
         {},
         {}},
        {u"ΠΑΙΔΙΑ ΠΟΥ ΕΧΟΥΝ ΒΡΟΓΧΙΚΑ"_s,
         {{u"BROGXIKA"_s, u"'ΝΑΙ'"_s}},
         {{u"BROGXIKA"_s, u"'ΟΧΙ'"_s}},
         {},
         {}},
        {u"ΠΑΙΔΙΑ ΠΟΥ EXOYN ΖΑΛΑΔΕΣ"_s,
         {{u"ZALIZETAI"_s, u"'ΝΑΙ'"_s}},
         {{u"ZALIZETAI"_s, u"'ΟΧΙ'"_s}},
         {},
         {}},
        {u"ΠΑΙΔΙΑ ΠΟΥ EXOYN ΣΥΧΝΟΟΥΡΙΑ"_s,
         {{u"SYXNOOYRIA"_s, u"'ΝΑΙ'"_s}},
         {{u"SYXNOOYRIA"_s, u"'ΟΧΙ'"_s}},
         {},
         {}},
        {u"ΠΑΙΔΙΑ ΠΟΥ EXOYN ΛΙΠΟΘΥΜΙΕΣ"_s,
         {{u"LYPOTHIMA"_s, u"'ΝΑΙ'"_s}},
         {{u"LYPOTHIMA"_s, u"'ΟΧΙ'"_s}},
         {},
         {}},
        {u"ΠΑΙΔΙΑ ΠΟΥ ΕΧΟΥΝ ΔΥΣΚΟΛΙΑ ΣΤΗΝ ΟΡΑΣΗ"_s,
         {{u"DYSKOLIA_STHN_ORASH"_s, u"'ΝΑΙ'"_s}},
         {{u"DYSKOLIA_STHN_ORASH"_s, u"'ΟΧΙ'"_s}},
         {},
         {}},
        {u"ΠΑΙΔΙΑ ΠΟΥ ΕΧΟΥΝ ΔΥΣΚΟΛΙΑ ΣΤΗΝ ΑΚΟΗ"_s,
         {{u"DYSKOLIA_STHN_AKOH"_s, u"'ΝΑΙ'"_s}},
         {{u"DYSKOLIA_STHN_AKOH"_s, u"'ΟΧΙ'"_s}},
         {},
         {}},
        {u"ΠΑΙΔΙΑ ΠΟΥ ΕΧΟΥΝ ΣΟΒΑΡΑ ΠΡΟΒΛΗΜΑΤΑ ΥΓΕΙΑΣ"_s,
         {{u"SOBARA_PROBLHMATA_YGEIAS"_s, u"'Κάτι'"_s}},
         {},
         {},
         {}},
        {u"ΠΑΙΔΙΑ ΠΟΥ ΕΧΟΥΝ ΣΩΜΑΤΙΚΑ ΕΛΑΤΤΩΜΑΤΑ"_s,
         {{u"SWMATIKA_ELATTWMATA"_s, u"'Κάτι'"_s}},
         {},
         {},
         {}},
        {u"ΠΑΙΔΙΑ ΠΟΥ ΕΧΟΥΝ ΠΡΟΣΦΑΤΑ ΠΡΟΒΛΗΜΑΤΑ ΣΤΗΝ ΦΥΣΙΚΗ ΤΟΥΣ ΚΑΤΑΣΤΑΣΗ"_s,
         {{u"ALLA_PROSF_PROBL_FYS_KAT"_s, u"'Κάτι'"_s}},
         {},
         {},
         {}},
        {u"ΠΑΙΔΙΑ ΠΟΥ ΕΧΟΥΝ ΕΙΔΙΚΟΥΣ ΙΑΤΡΙΚΟΥΣ ΛΟΓΟΥΣ ΓΙΑ ΤΟΥΣ ΟΠΟΙΟΥΣ ΠΡΕΠΕΙ ΝΑ ΕΙΝΑΙ ΕΝΗΜΕΡΟ ΤΟ ΝΗΠΙΑΓΩΓΕΙΟ"_s,
         {{u"LOGOI_ENHMERO_NHPIAGWGEIO"_s, u"'Κάτι'"_s}},
         {},
         {},
         {}},
        {u"ΠΑΙΔΙΑ ΠΟΥ ΕΧΟΥΝ ΑΛΛΗ ΑΡΩΣΤΕΙΑ"_s,
         {{u"ALLH_ARWSTIA"_s, u"'Κάτι'"_s}},
         {},
         {},
         {}},
        {u"ΠΑΙΔΙΑ ΠΟΥ ΒΡΕΧΟΥΝ ΤΟ ΚΡΕΒΑΤΙ ΤΟΥΣ"_s,
         {{u"BREXEI_TO_KREBATI_TOY"_s, u"'ΝΑΙ'"_s}},
         {{u"BREXEI_TO_KREBATI_TOY"_s, u"'ΟΧΙ'"_s}},
         {},
         {}},
        {u"ΠΑΙΔΙΑ ΠΟΥ ΙΔΡΩΝΟΥΝ ΤΟ ΒΡΑΔΥ"_s,
         {{u"IDRWNEI_TO_BRADY"_s, u"'ΝΑΙ'"_s}},
         {{u"IDRWNEI_TO_BRADY"_s, u"'ΟΧΙ'"_s}},
         {},
         {}},
        {u"ΠΑΙΔΙΑ ΠΟΥ ΑΙΜΟΡΡΑΓΕΙ Η ΜΥΤΗ ΤΟΥΣ"_s,
         {{u"SPAZEI_H_MYTH_TOY"_s, u"'ΝΑΙ'"_s}},
         {{u"SPAZEI_H_MYTH_TOY"_s, u"'ΟΧΙ'"_s}},
         {},
         {}},
        {u"ΠΑΙΔΙΑ ΠΟΥ ΚΟΥΡΑΖΟΝΤΑΙ ΕΥΚΟΛΑ"_s,
         {{u"KOYRAZETAI_EYKOLA"_s, u"'ΝΑΙ'"_s}},
         {{u"KOYRAZETAI_EYKOLA"_s, u"'ΟΧΙ'"_s}},
         {},
         {}},
        {u"ΠΑΙΔΙΑ ΠΟΥ ΕΧΟΥΝ ΞΕΣΠΑΣΜΑ ΘΥΜΟΥ"_s,
         {{u"KSESPASMA_THYMOY"_s, u"'ΝΑΙ'"_s}},
         {{u"KSESPASMA_THYMOY"_s, u"'ΟΧΙ'"_s}},
         {},
         {}},
        {u"ΠΑΙΔΙΑ ΠΟΥ ΕΙΝΑΙ ΔΥΣΤΡΟΠΑ"_s,
         {{u"DYSTROPO"_s, u"'ΝΑΙ'"_s}},
         {{u"DYSTROPO"_s, u"'ΟΧΙ'"_s}},
         {},
         {}},
        {u"ΠΑΙΔΙΑ ΠΟΥ ΕΧΟΥΝ ΕΙΔΙΚΑ ΠΡΟΒΛΗΜΑΤΑ ΣΥΜΠΕΡΙΦΟΡΑΣ"_s,
         {{u"EIDIKA_PROBLHMATA_SYMPERIFORAS"_s, u"'Κάτι'"_s}},
         {},
         {},
         {}},
        {u"ΠΑΙΔΙΑ ΠΟΥ ΘΥΛΑΖΟΥΝ ΤΟ ΔΑΚΤΥΛΟ ΤΟΥΣ"_s,
         {{u"THYLAZEI_TO_DAKTYLO_TOY"_s, u"'ΝΑΙ'"_s}},
         {{u"THYLAZEI_TO_DAKTYLO_TOY"_s, u"'ΟΧΙ'"_s}},
         {},
         {}},
        {u"ΠΑΙΔΙΑ ΠΟΥ ΔΑΓΚΩΝΟΥΝ ΤΟ ΔΑΚΤΥΛΟ ΤΟΥΣ"_s,
         {{u"DAGKWNEI_TO_DAKTYLO_TOY"_s, u"'ΝΑΙ'"_s}},
         {{u"DAGKWNEI_TO_DAKTYLO_TOY"_s, u"'ΟΧΙ'"_s}},
         {},
         {}},
        {u"ΠΑΙΔΙΑ ΠΟΥ ΠΡΕΠΕΙ ΝΑ ΑΠΟΦΕΥΓΟΥΝ ΣΥΓΚΕΚΡΙΜΕΝΕΣ ΔΡΑΣΤΗΡΙΟΤΗΤΕΣ"_s,
         {{u"DRASTHRIOT_PREPEI_APOFEYGEI"_s, u"'Κάτι'"_s}},
         {},
         {},
         {}},
        {u"ΠΑΙΔΙΑ ΠΟΥ ΠΡΕΠΕΙ ΝΑ ΑΠΟΦΕΥΓΟΥΝ ΣΥΓΚΕΚΡΙΜΕΝΑ ΦΑΓΗΤΑ"_s,
         {{u"FAGHTA_APOFEYGEI"_s, u"'Κάτι'"_s}},
         {},
         {},
         {}},
        {u"ΠΑΙΔΙΑ ΠΟΥ ΔΕΝ ΕΧΟΥΝ ΑΔΕΛΦΙΑ"_s,
         {{u"ADELFOYS"_s, u"0"_s}, {u"ADELFES"_s, u"0"_s}},
         {{u"ADELFOYS"_s, u"0"_s}, {u"ADELFES"_s, u"1"_s}},
         {},
         {}},
        {u"ΠΑΙΔΙΑ ΠΟΥ ΟΙ ΓΟΝΕΙΣ ΤΟΥΣ ΒΡΙΣΚΟΝΤΑΙ ΣΕ ΔΙΑΣΤΑΣΗ / ΕΙΝΑΙ ΔΙΑΖΕΥΓΜΕΝΟΙ"_s,
         {{u"BRISKONTAI_SE_DIASTASH"_s, u"'ΝΑΙ'"_s}},
         {{u"BRISKONTAI_SE_DIASTASH"_s, u"'ΟΧΙ'"_s}},
         {},
         {}},
        {u"ΠΑΙΔΙΑ ΠΟΥ ΤΟΥΣ ΑΡΕΣΕΙ Η ΣΥΝΤΡΟΦΙΑ ΑΛΛΩΝ ΠΑΙΔΙΩΝ"_s,
         {{u"ARESEI_SYNTROFIA_PAIDIWN"_s, u"'ΝΑΙ'"_s}},
         {{u"ARESEI_SYNTROFIA_PAIDIWN"_s, u"'ΟΧΙ'"_s}},
         {},
         {}},
        {u"ΠΑΙΔΙΑ ΠΟΥ ΕΡΧΟΝΤΑΙ Ή ΦΕΥΓΟΥΝ ΜΕ ΙΔΙΩΤΙΚΟ ΑΥΤΟΚΙΝΗΤΟ"_s,
         {{u"METAFORA"_s, u"'Ιδιωτικό'"_s}},
         {{u"METAFORA"_s, u"'Νηπιαγωγείο'"_s}},
         {},
         {}},
        {u"ΠΑΙΔΙΑ ΠΟΥ ΕΡΧΟΝΤΑΙ Ή ΦΕΥΓΟΥΝ ΜΕ ΑΥΤΟΚΙΝΗΤΟ ΤΟΥ ΝΗΠΙΑΓΩΓΕΙΟΥ"_s,
         {{u"METAFORA"_s, u"'Νηπιαγωγείο'"_s}},
         {{u"METAFORA"_s, u"'Ιδιωτικό'"_s}},
         {},
         {}},
        {u"ΠΑΙΔΙΑ ΠΟΥ ΤΟΥΣ ΧΟΡΗΓΕΙΤΑΙ ΦΑΓΗΤΟ ΑΠΟ ΤΟ ΝΗΠΙΑΓΩΓΕΙΟ"_s,
         {{u"FAGHTO"_s, u"'ΝΑΙ'"_s}},
         {{u"FAGHTO"_s, u"'ΟΧΙ'"_s}},
         {},
         {}},
        {u"ΠΑΙΔΙΑ ΠΟΥ ΔΕΝ ΤΟΥΣ ΧΟΡΗΓΕΙΤΑΙ ΦΑΓΗΤΟ ΑΠΟ ΤΟ ΝΗΠΙΑΓΩΓΕΙΟ"_s,
         {{u"FAGHTO"_s, u"'ΟΧΙ'"_s}},
         {{u"FAGHTO"_s, u"'ΝΑΙ'"_s}},
         {},
         {}},
        {u"ΠΑΙΔΙΑ ΠΟΥ ΔΕΝ ΕΚΑΝΑΝ ΤΟΥΛΑΧΙΣΤΟ ΕΝΑ ΕΜΒΟΛΙΟ"_s,
         {{u"EMBOLIO_ANEMEBLOGIAS"_s, u"NULL"_s}},
         {},
         {},
         {{{u"EMBOLIO_DIFTHERITIDA"_s, u"NULL"_s}}, {{u"EMBOLIO_TETANOS"_s, u"NULL"_s}}, {{u"EMBOLIO_KOKKITHS"_s, u"NULL"_s}}, {{u"EMBOLIO_ILARAS"_s, u"NULL"_s}}, {{u"EMBOLIO_PAROTITIDAS"_s, u"NULL"_s}}, {{u"EMBOLIO_ERYTHRAS"_s, u"NULL"_s}}, {{u"EMBOLIO_YPATITIDAS_B"_s, u"NULL"_s}}, {{u"EMBOLIO_POLYOMYELITIS"_s, u"NULL"_s}}}},
        {u"ΠΑΙΔΙΑ ΠΟΥ ΔΕΝ ΕΚΑΝΑΝ ΕΜΒΟΛΙΟ ΔΙΦΘΕΡΙΤΙΔΑΣ"_s,
         {{u"EMBOLIO_DIFTHERITIDA"_s, u"NULL"_s}},
         {},
         {},
         {}},
        {u"ΠΑΙΔΙΑ ΠΟΥ ΔΕΝ ΕΚΑΝΑΝ ΕΜΒΟΛΙΟ TETANOY"_s,
         {{u"EMBOLIO_TETANOS"_s, u"NULL"_s}},
         {},
         {},
         {}},
        {u"ΠΑΙΔΙΑ ΠΟΥ ΔΕΝ ΕΚΑΝΑΝ ΕΜΒΟΛΙΟ ΚΟΚΚΙΤΗ"_s,
         {{u"EMBOLIO_KOKKITHS"_s, u"NULL"_s}},
         {},
         {},
         {}},
        {u"ΠΑΙΔΙΑ ΠΟΥ ΔΕΝ ΕΚΑΝΑΝ ΕΜΒΟΛΙΟ ΙΛΑΡΑΣ"_s,
         {{u"EMBOLIO_ILARAS"_s, u"NULL"_s}},
         {},
         {},
         {}},
        {u"ΠΑΙΔΙΑ ΠΟΥ ΔΕΝ ΕΚΑΝΑΝ ΕΜΒΟΛΙΟ ΠΑΡΩΤΙΤΙΔΑΣ"_s,
         {{u"EMBOLIO_PAROTITIDAS"_s, u"NULL"_s}},
         {},
         {},
         {}},
        {u"ΠΑΙΔΙΑ ΠΟΥ ΔΕΝ ΕΚΑΝΑΝ ΕΜΒΟΛΙΟ ΕΡΥΘΡΑΣ"_s,
         {{u"EMBOLIO_ERYTHRAS"_s, u"NULL"_s}},
         {},
         {},
         {}},
        {u"ΠΑΙΔΙΑ ΠΟΥ ΔΕΝ ΕΚΑΝΑΝ ΕΜΒΟΛΙΟ ΗΠΑΤΙΤΙΔΑΣ Β"_s,
         {{u"EMBOLIO_YPATITIDAS_B"_s, u"NULL"_s}},
         {},
         {},
         {}},
        {u"ΠΑΙΔΙΑ ΠΟΥ ΔΕΝ ΕΚΑΝΑΝ ΕΜΒΟΛΙΟ ΠΟΛΥΟΜΥΕΛΙΤΙΔΑΣ"_s,
         {{u"EMBOLIO_POLYOMYELITIS"_s, u"NULL"_s}},
         {},
         {},
         {}},
        {u"ΠΑΙΔΙΑ ΠΟΥ ΔΕΝ ΕΚΑΝΑΝ ΕΜΒΟΛΙΟ ΑΝΕΜΕΒΛΟΓΙΑΣ"_s,
         {{u"EMBOLIO_ANEMEBLOGIAS"_s, u"NULL"_s}},
         {},
         {},
         {}},
        {u"ΠΑΙΔΙΑ ΠΟΥ ΟΦΕΙΛΟΥΝ ΔΙΔΑΚΤΡΑ"_s,
         {},
         {},
         {u"INSERT INTO APODEIKSEIS_DIDAKTRWN (ARITHMOS_MHTRWOY,MHNAS,ETOS,CHECKER) VALUES (%1,10,2023,'Χ')"_s, u"INSERT INTO APODEIKSEIS_DIDAKTRWN (ARITHMOS_MHTRWOY,MHNAS,ETOS,CHECKER) VALUES (%1,11,2023,'Χ')"_s, u"INSERT INTO APODEIKSEIS_DIDAKTRWN (ARITHMOS_MHTRWOY,MHNAS,ETOS,CHECKER) VALUES (%1,12,2023,'Χ')"_s},
         {}},
    };
}

class CannedSearchesTest : public ::testing::Test {
protected:
    searchtest::SearchDatabase database_;
};

TEST_F(CannedSearchesTest, TableHoldsSeventySixSearchesWithUniqueEntries) {
    const auto& searches = reports::cannedSearches();
    ASSERT_EQ(searches.size(), 76);
    QSet<QString> titles;
    QSet<QString> entries;
    for (const auto& search : searches) {
        titles.insert(search.title);
        entries.insert(search.menuPath.join(u'>') + u'>' + search.caption);
        EXPECT_NE(search.condition.isEmpty(), search.specialStatement.isEmpty());
    }
    EXPECT_EQ(titles.size(), 76);
    EXPECT_EQ(entries.size(), 76);

    // Two searches carry a whole statement; the rest the standard one around their condition.
    EXPECT_EQ(searches.first().caption, u"Παιδιά που γράφτ&ηκαν περισσότερες από μια φορά"_s);
    EXPECT_EQ(searches.last().caption, u"Π&αιδιά που οφείλουν δίδακτρα"_s);
    EXPECT_EQ(searches.at(3).statement(),
              u"SELECT ARITHMOS_MHTRWOY,ONOMA_PAIDIOY, EPWNYMO_PAIDIOY,str(HMEROMHNIA_GENNHSEWS) as "
              "HMEROMHNIA_GENNHSEWS,FYLO,ONOMA_PATERA,ONOMA_MHTERAS,ONOMA_KHDEMONA,DIEYTHYNSH_OIKIAS,"
              "THLEFWNO_ERGASIAS_KHDEMONA FROM CHILDREN WHERE ENERGO='ΝΑΙ' AND ZEI_O_PATERAS='ΟΧΙ' "
              "ORDER BY EPWNYMO_PAIDIOY ASC"_s);
}

TEST_F(CannedSearchesTest, SubmenusKeepTheirMenuOrder) {
    const QStringList unemployed{u"&Ατομικό πληροφοριακό δελτίο - Δελτίο υγείας"_s,
                                 u"Παιδιά που"_s, u"Έ&χουν"_s, u"Άνεργ&ο"_s};
    QStringList captions;
    for (const auto& search : reports::cannedSearchesUnder(unemployed)) {
        captions.append(search.caption);
    }
    EXPECT_EQ(captions, (QStringList{u"&Πατέρα"_s, u"&Μητέρα"_s, u"Πατέρα ή Μ&ητέρα"_s,
                                     u"Πατέρα &και μητέρα"_s, u"Κη&δεμόνα"_s}));
    EXPECT_EQ(reports::cannedSearchesUnder({u"Εμβόλια"_s}).size(), 0);
    EXPECT_EQ(reports::cannedSearchesUnder({u"&Ατομικό πληροφοριακό δελτίο - Δελτίο υγείας"_s,
                                            u"Εμβόλια"_s}).size(), 10);
}

// Every search lists exactly the active children made to match it, in every way its condition
// allows: never the neutral child, nor the same children inactive, nor the near miss; with the
// ten columns the results window shows.
TEST_F(CannedSearchesTest, EverySearchListsExactlyTheActiveMatchingChildren) {
    const auto all = expectations();
    ASSERT_EQ(all.size(), 76);
    for (const auto& search : reports::cannedSearches()) {
        SCOPED_TRACE(search.title.toStdString());
        const auto found = std::find_if(all.begin(), all.end(), [&](const Expectation& e) {
            return e.title == search.title;
        });
        ASSERT_NE(found, all.end());

        QList<Values> ways{found->match};
        ways += found->otherWays;
        QList<int> expected;
        {
            db::Transaction setUp(database_.connection());  // one write instead of dozens
            database_.removeAllChildren();
            database_.addChild(1, u"Αβραάμ"_s);
            if (!found->nearMiss.isEmpty()) {
                database_.addChild(2, u"Βουλγαράκης"_s, found->nearMiss);
            }
            for (int way = 0; way < ways.size(); ++way) {
                database_.addChild(10 + way, u"Ζαχαρίου"_s, ways.at(way), found->extra);
                database_.addChild(50 + way, u"Γεωργίου"_s,
                                   searchtest::withValues(ways.at(way), {{u"ENERGO"_s, u"'ΟΧΙ'"_s}}),
                                   found->extra);
                expected.append(10 + way);
            }
            setUp.commit();
        }
        QList<int> listed = database_.listed(search.statement());
        std::sort(listed.begin(), listed.end());
        EXPECT_EQ(listed, expected);

        db::Query query(database_.connection(), search.statement());
        query.open();
        EXPECT_EQ(query.columnNames(), searchtest::resultColumns());
        EXPECT_EQ(query.text(u"HMEROMHNIA_GENNHSEWS"_s), u"05/03/2019"_s);
    }
}

const reports::CannedSearch& searchTitled(const QString& title) {
    for (const auto& search : reports::cannedSearches()) {
        if (search.title == title) {
            return search;
        }
    }
    throw std::runtime_error("no such search");
}

TEST_F(CannedSearchesTest, ChildMissingAnyOneVaccinationIsListedOnceAndInSurnameOrder) {
    const QStringList vaccinations{
        u"EMBOLIO_ANEMEBLOGIAS"_s, u"EMBOLIO_DIFTHERITIDA"_s, u"EMBOLIO_TETANOS"_s,
        u"EMBOLIO_KOKKITHS"_s,     u"EMBOLIO_ILARAS"_s,       u"EMBOLIO_PAROTITIDAS"_s,
        u"EMBOLIO_ERYTHRAS"_s,     u"EMBOLIO_POLYOMYELITIS"_s, u"EMBOLIO_YPATITIDAS_B"_s};
    database_.removeAllChildren();
    database_.addChild(100, u"Ωμέγα"_s);  // every vaccination recorded
    // Surnames in reverse of the registry numbers, so the order shows the sort.
    const QStringList surnames{u"Ιωάννου"_s, u"Θεοδώρου"_s, u"Ηλιόπουλος"_s, u"Ζερβός"_s,
                               u"Ευαγγέλου"_s, u"Δήμου"_s,    u"Γαλάνης"_s,    u"Βασιλείου"_s,
                               u"Αθανασίου"_s};
    for (int i = 0; i < vaccinations.size(); ++i) {
        database_.addChild(i + 1, surnames.at(i), {{vaccinations.at(i), u"NULL"_s}});
    }
    // Several missing at once still lists the child once.
    database_.addChild(50, u"Κωνσταντίνου"_s,
                       {{vaccinations.at(0), u"NULL"_s}, {vaccinations.at(4), u"NULL"_s}});

    const auto& anyOne = searchTitled(u"ΠΑΙΔΙΑ ΠΟΥ ΔΕΝ ΕΚΑΝΑΝ ΤΟΥΛΑΧΙΣΤΟ ΕΝΑ ΕΜΒΟΛΙΟ"_s);
    EXPECT_EQ(database_.listed(anyOne.statement()), (QList<int>{9, 8, 7, 6, 5, 4, 3, 2, 1, 50}));
}

TEST_F(CannedSearchesTest, UnemployedParentsCountEmptyAndMissingProfessions) {
    database_.removeAllChildren();
    database_.addChild(1, u"Αλεξίου"_s, {{u"EPAGGELMA_PATERA"_s, u"''"_s}});
    database_.addChild(2, u"Βλάχου"_s, {{u"EPAGGELMA_PATERA"_s, u"NULL"_s}});
    database_.addChild(3, u"Γκίκας"_s, {{u"EPAGGELMA_MHTERAS"_s, u"NULL"_s}});
    database_.addChild(4, u"Δούκας"_s, {{u"EPAGGELMA_MHTERAS"_s, u"\"\""_s}});
    database_.addChild(5, u"Ευθυμίου"_s,
                       {{u"EPAGGELMA_PATERA"_s, u"NULL"_s}, {u"EPAGGELMA_MHTERAS"_s, u"''"_s}});
    database_.addChild(6, u"Φωτίου"_s);
    database_.addChild(7, u"Χριστάκης"_s, {{u"EPAGGELMA_KHDEMONA"_s, u"''"_s}});
    database_.addChild(8, u"Ψαρράς"_s,
                       {{u"EPAGGELMA_PATERA"_s, u"NULL"_s}, {u"EPAGGELMA_MHTERAS"_s, u"NULL"_s},
                        {u"ENERGO"_s, u"'ΟΧΙ'"_s}});

    EXPECT_EQ(database_.listed(searchTitled(u"ΠΑΙΔΙΑ ΜΕ ΑΝΕΡΓΟ ΠΑΤΕΡΑ"_s).statement()),
              (QList<int>{1, 2, 5}));
    EXPECT_EQ(database_.listed(searchTitled(u"ΠΑΙΔΙΑ ΜΕ ΑΝΕΡΓH ΜΗΤΕΡΑ"_s).statement()),
              (QList<int>{3, 4, 5}));
    EXPECT_EQ(database_.listed(searchTitled(u"ΠΑΙΔΙΑ ΜΕ ΑΝΕΡΓΟ ΠΑΤΕΡΑ Ή ΜΗΤΕΡΑ"_s).statement()),
              (QList<int>{1, 2, 3, 4, 5}));
    EXPECT_EQ(database_.listed(searchTitled(u"ΠΑΙΔΙΑ ΜΕ ΑΝΕΡΓΟ ΠΑΤΕΡΑ ΚΑΙ ΜΗΤΕΡΑ"_s).statement()),
              (QList<int>{5}));
    EXPECT_EQ(database_.listed(searchTitled(u"ΠΑΙΔΙΑ ΜΕ ΑΝΕΡΓΟ ΚΗΔΕΜΟΝΑ"_s).statement()),
              (QList<int>{7}));
}

TEST_F(CannedSearchesTest, OwedTuitionAndRepeatedEnrolmentListEachChildOnce) {
    database_.removeAllChildren();
    const QString owed = u"INSERT INTO APODEIKSEIS_DIDAKTRWN (ARITHMOS_MHTRWOY,MHNAS,ETOS,CHECKER) "
                         "VALUES (%1,%2,2024,'Χ')"_s;
    database_.addChild(1, u"Βασιλείου"_s, {},
                       {owed.arg(u"%1"_s, u"1"_s), owed.arg(u"%1"_s, u"2"_s), owed.arg(u"%1"_s, u"3"_s)});
    database_.addChild(2, u"Αθανασίου"_s, {}, {owed.arg(u"%1"_s, u"1"_s)});
    database_.addChild(3, u"Γεωργίου"_s);  // paid up
    EXPECT_EQ(database_.listed(searchTitled(u"ΠΑΙΔΙΑ ΠΟΥ ΟΦΕΙΛΟΥΝ ΔΙΔΑΚΤΡΑ"_s).statement()),
              (QList<int>{2, 1}));

    const QString period = u"INSERT INTO CHILDREN_EGG_DIAG (ARITHMOS_MHTRWOY,HMEROMHNIA_EGGRAFHS) "
                           "VALUES (%1,#9/1/2024#)"_s;
    database_.connection().execute(period.arg(3));
    database_.connection().execute(period.arg(3));
    EXPECT_EQ(database_.listed(
                  searchTitled(u"ΠΑΙΔΙΑ ΠΟΥ ΓΡΑΦΤΗΚΑΝ ΠΕΡΙΣΣΟΤΕΡΕΣ ΑΠΟ ΜΙΑ ΦΟΡΑ"_s).statement()),
              QList<int>{3});
}

TEST_F(CannedSearchesTest, TitleLineReplacesBothLinesOfTheOneRow) {
    db::Connection& connection = database_.connection();
    connection.execute(u"UPDATE PERIGRAFH SET KEIMENO1='παλιά',KEIMENO2='δεύτερη'"_s);
    reports::writeSearchTitle(connection, searchTitled(u"ΠΑΙΔΙΑ ΠΟΥ ΕΧΟΥΝ EKZEMA"_s).title);
    EXPECT_FALSE(connection.isOpen());
    connection.open();
    EXPECT_EQ(database_.titleLines(), (QStringList{u"ΠΑΙΔΙΑ ΠΟΥ ΕΧΟΥΝ EKZEMA"_s, QString()}));
}

}  // namespace
