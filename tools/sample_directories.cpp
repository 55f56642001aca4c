#include "tools/sample_directories.h"

#include <cmath>

#include "db/connection.h"
#include "db/statement.h"
#include "tools/sample_receipts.h"
#include "tools/sample_vocabulary.h"
#include "tools/sample_writer.h"

using namespace Qt::Literals::StringLiterals;

namespace sample {

namespace {

Row person(const QString& name, const QString& phone, const QString& position, double hours) {
    return {{u"PERSON"_s, name},
            {u"ADDRESS"_s, u"Στρόβολος"_s},
            {u"PHONE1"_s, phone},
            {u"POSITION"_s, position},
            {u"WRES"_s, hours}};
}

}  // namespace

void writeStaff(db::Connection& connection, int groups) {
    QList<Row> staff = {person(u"Ανθή Χριστοδούλου"_s, u"99 415263"_s, u"Διευθύντρια"_s, 40)};
    for (int i = 0; i < groups; ++i) {
        staff << person(words::teachers().at(i), u"99 52%1"_s.arg(1100 + 37 * i), u"Νηπιαγωγός"_s,
                        38);
    }
    staff << person(u"Ευτυχία Λοΐζου"_s, u"96 331470"_s, u"Βοηθός νηπιαγωγού"_s, 30)
          << person(u"Χρυστάλλα Ιακώβου"_s, u"97 650212"_s, u"Βοηθός νηπιαγωγού"_s, 22.5)
          << person(u"Κυριακή Νεοφύτου"_s, u"99 804316"_s, u"Μαγείρισσα"_s, 30)
          << person(u"Σάββας Κυριάκου"_s, u"99 277059"_s, u"Οδηγός σχολικού λεωφορείου"_s, 20)
          << person(u"Λούλλα Σωτηρίου"_s, u"96 118843"_s, u"Καθαρίστρια"_s, 15);
    writeRows(connection, u"PROSWPIKO"_s, staff);
}

void writeContacts(db::Connection& connection, Random& random) {
    const QList<QStringList> entries = {
        {u"Αρχή Ηλεκτρισμού Κύπρου"_s, u"Λευκωσία"_s, u"1800"_s},
        {u"Συμβούλιο Υδατοπρομήθειας Λευκωσίας"_s, u"Λευκωσία"_s, u"22 693000"_s},
        {u"Δήμος Στροβόλου"_s, u"Λεωφόρος Στροβόλου 100 Στρόβολος"_s, u"22 470470"_s},
        {u"Αστυνομικός Σταθμός Στροβόλου"_s, u"Στρόβολος"_s, u"22 802180"_s},
        {u"Υπουργείο Παιδείας"_s, u"Λευκωσία"_s, u"22 800600"_s},
        {u"Αρτοποιείο Ο Άγιος Γεώργιος"_s, u"Οδός Ομήρου 40 Έγκωμη"_s, u"22 353811"_s},
        {u"Υπεραγορά Στρόβολος"_s, u"Λεωφόρος Στροβόλου 230 Στρόβολος"_s, u"22 497512"_s},
        {u"Βιβλιοπωλείο Το Αλφαβητάρι"_s, u"Οδός Ευαγόρου 12 Λευκωσία"_s, u"22 663401"_s},
        {u"Παιχνίδια και Χειροτεχνίες Ίριδα"_s, u"Οδός Κέννεντυ 8 Λευκωσία"_s, u"22 751920"_s},
        {u"Υδραυλικός Μάριος Πέτρου"_s, u"Λακατάμια"_s, u"99 631288"_s},
        {u"Ηλεκτρολόγος Στέλιος Ζαχαρίου"_s, u"Λατσιά"_s, u"99 482105"_s},
        {u"Σύνδεσμος Γονέων"_s, u"Στρόβολος"_s, u"99 907316"_s},
        {u"Λεωφορεία Εκδρομών Ο Απόστολος"_s, u"Αγλαντζιά"_s, u"22 335566"_s},
        {u"Κέντρο Φωτογραφίας Λάμψη"_s, u"Οδός Πινδάρου 5 Λευκωσία"_s, u"22 672249"_s},
    };
    QList<Row> contacts;
    for (const QStringList& entry : entries) {
        Row row{
            {u"CONTACT"_s, entry.at(0)}, {u"ADDRESS"_s, entry.at(1)}, {u"PHONE1"_s, entry.at(2)}};
        if (random.chance(0.3)) {
            row.insert(u"FAX"_s, u"22 %1"_s.arg(random.between(300000, 899999)));
        }
        contacts << row;
    }
    writeRows(connection, u"CONTACTS"_s, contacts);
}

void writeDoctors(db::Connection& connection) {
    QList<Row> doctors;
    const QList<words::Doctor> ours = {
        words::paediatricians().first(),
        {u"Παύλος Αναστασιάδης"_s, u"Οδός Ηρώων 14 Στρόβολος"_s, u"22 421786"_s, u"Οδοντίατρος"_s},
        {u"Ιωάννα Μαρκίδου"_s, u"Οδός Ελευθερίας 3 Έγκωμη"_s, u"22 358214"_s, u"Λογοθεραπεύτρια"_s},
    };
    for (const words::Doctor& doctor : ours) {
        doctors << Row{{u"DOCTOR"_s, doctor.name},
                       {u"DIETHYNSH"_s, doctor.address},
                       {u"THLEFWNO1"_s, doctor.phone},
                       {u"EIDIKOTHTA"_s, doctor.specialty}};
    }
    writeRows(connection, u"DOCTORS"_s, doctors);
}

void writeReceiptHeader(db::Connection& connection) {
    db::Statement update(connection,
                         u"UPDATE INFORMATION SET TITLE = ?, ADDRESS1 = ?, ADDRESS2 = ?, "
                         "PHONE = ?, FAX = ?, EMAIL = ?, AFT = ?, AFPA = ?, EXTRA1 = ?"_s);
    const QStringList values = {
        u"Νηπιαγωγείο Τα Χαμομηλάκια"_s,
        u"Οδός Αγίας Σοφίας 25"_s,
        u"2018 Στρόβολος"_s,
        u"22 491530"_s,
        u"22 491531"_s,
        u"info@xamomilakia.example"_s,
        u"12345678Χ"_s,
        u"10123456Υ"_s,
        u"Ευχαριστούμε για την προτίμηση"_s,
    };
    for (int i = 0; i < values.size(); ++i) {
        update.bind(i + 1, values.at(i));
    }
    update.step();
}

int writeExpenses(db::Connection& connection, Random& random, const QDate& from, const QDate& until,
                  double vatRate) {
    struct Cost {
        QString what;
        double low;
        double high;
        bool withVat;
    };
    const QList<Cost> monthly = {
        {u"Ενοίκιο κτιρίου"_s, 1800, 1800, false},
        {u"Λογαριασμός ρεύματος"_s, 280, 620, true},
        {u"Λογαριασμός νερού"_s, 60, 130, true},
        {u"Τηλέφωνο και διαδίκτυο"_s, 55, 95, true},
        {u"Τρόφιμα για τα γεύματα"_s, 900, 1600, true},
        {u"Είδη καθαριότητας"_s, 45, 110, true},
        {u"Καύσιμα σχολικού λεωφορείου"_s, 150, 260, true},
    };
    RowWriter writer(connection, u"EKSODA"_s, tableColumns(connection, u"EKSODA"_s));
    int written = 0;
    for (QDate month(from.year(), from.month(), 1); month <= until; month = month.addMonths(1)) {
        for (const Cost& cost : monthly) {
            const QDate day = month.addDays(random.between(0, month.daysInMonth() - 1));
            if (day > until) {
                continue;
            }
            const double amount = std::round(random.real(cost.low, cost.high) * 100) / 100;
            writer.write({{u"HMEROMHNIA"_s, day},
                          {u"POSO"_s, amount},
                          {u"VAT"_s, cost.withVat ? receiptAmounts(amount, vatRate).vat : 0.0},
                          {u"PERIGRAFH"_s, cost.what}});
            ++written;
        }
    }
    return written;
}

}  // namespace sample
