#include "tools/sample_organiser.h"

#include <QSet>

#include "common/month_names.h"
#include "db/connection.h"
#include "tools/sample_children.h"
#include "tools/sample_vocabulary.h"
#include "tools/sample_writer.h"

using namespace Qt::Literals::StringLiterals;

namespace sample {

namespace {

// The theme the teachers work on in a month (1 to 12).
QString themeOfMonth(int month) {
    static const QStringList themes = {
        u"Ο χειμώνας"_s,       u"Η Αποκριά"_s,    u"Η άνοιξη"_s,          u"Το Πάσχα"_s,
        u"Τα επαγγέλματα"_s,   u"Η θάλασσα"_s,    u"Τα μέσα μεταφοράς"_s, u"Τα χρώματα"_s,
        u"Η οικογένειά μου"_s, u"Το φθινόπωρο"_s, u"Τα ζώα της φάρμας"_s, u"Τα Χριστούγεννα"_s,
    };
    return themes.at(month - 1);
}

const QStringList& activities() {
    static const QStringList list = {
        u"Ζωγραφική με δακτυλομπογιές"_s,
        u"Κολάζ με φύλλα"_s,
        u"Τραγούδια και ρυθμική"_s,
        u"Ανάγνωση παραμυθιού"_s,
        u"Κουκλοθέατρο"_s,
        u"Παιχνίδια με αριθμούς"_s,
        u"Κατασκευή με πηλό"_s,
        u"Κινητικά παιχνίδια στην αυλή"_s,
    };
    return list;
}

QString dailyText(Random& random, const QString& theme) {
    return u"08:00 Υποδοχή και ελεύθερο παιχνίδι\n09:00 Πρωινό\n09:30 Συζήτηση: %1\n"
           "10:15 %2\n11:00 Διάλειμμα στην αυλή\n11:30 %3\n12:30 Μεσημεριανό φαγητό"_s.arg(
               theme, random.pick(activities()), random.pick(activities()));
}

void writeDaily(db::Connection& connection, Random& random, const QDate& until) {
    RowWriter writer(connection, u"HMERHSIO"_s, tableColumns(connection, u"HMERHSIO"_s));
    for (QDate day = until.addDays(-42); day <= until; day = day.addDays(1)) {
        if (day.dayOfWeek() <= 5) {
            writer.write({{u"HMEROMHNIA"_s, day},
                          {u"KEIMENO"_s, dailyText(random, themeOfMonth(day.month()))}});
        }
    }
}

void writeWeekly(db::Connection& connection, Random& random, const QDate& until) {
    RowWriter writer(connection, u"EBDOMADIAIO"_s, tableColumns(connection, u"EBDOMADIAIO"_s));
    const QDate thisMonday = until.addDays(1 - until.dayOfWeek());
    for (QDate monday = thisMonday.addDays(-7 * 15); monday <= thisMonday;
         monday = monday.addDays(7)) {
        QString text = u"Θέμα της εβδομάδας: %1"_s.arg(themeOfMonth(monday.month()));
        for (const QString& weekday :
             {u"Δευτέρα"_s, u"Τρίτη"_s, u"Τετάρτη"_s, u"Πέμπτη"_s, u"Παρασκευή"_s}) {
            text += u"\n%1: %2"_s.arg(weekday, random.pick(activities()));
        }
        writer.write({{u"APO"_s, monday}, {u"MEXRI"_s, monday.addDays(4)}, {u"KEIMENO"_s, text}});
    }
}

void writeYearly(db::Connection& connection, const QDate& from, const QDate& until) {
    RowWriter writer(connection, u"XRONIAIO"_s, tableColumns(connection, u"XRONIAIO"_s));
    for (int year = from.year(); year <= until.year(); ++year) {
        QStringList lines{u"Ετήσιο πρόγραμμα διδασκαλίας %1"_s.arg(year)};
        for (int month = 1; month <= 12; ++month) {
            lines << common::monthName(month) + u": "_s + themeOfMonth(month);
        }
        writer.write({{u"ETOS"_s, year}, {u"KEIMENO"_s, lines.join(u'\n')}});
    }
}

void writeMenus(db::Connection& connection, Random& random) {
    const QStringList breakfasts = {u"Γάλα με δημητριακά"_s, u"Ψωμί με βούτυρο και μέλι"_s,
                                    u"Τοστ με χαλλούμι"_s, u"Γιαούρτι με φρούτα"_s};
    const QStringList lunches = {u"Μακαρόνια με κιμά"_s,       u"Φασολάκια με πατάτες"_s,
                                 u"Κοτόπουλο με ρύζι"_s,       u"Φακές με ψωμί"_s,
                                 u"Ψάρι με πατάτες φούρνου"_s, u"Κεφτέδες με σαλάτα"_s};
    const QStringList snacks = {u"Φρούτα εποχής"_s, u"Κουλούρι με σουσάμι"_s, u"Κέικ πορτοκαλιού"_s,
                                u"Χυμός και μπισκότα"_s};
    const QStringList days = {u"DEYTERA"_s, u"TRITH"_s,     u"TETARTH"_s,
                              u"PEMPTH"_s,  u"PARASKEYH"_s, u"SABBATO"_s};
    QList<Row> menus;
    for (const QString& name :
         {u"Χειμερινό μενού"_s, u"Καλοκαιρινό μενού"_s, u"Μενού νηστείας"_s}) {
        Row menu{{u"PROGRAMMA"_s, name}};
        for (const QString& day : days) {
            menu.insert(day + u"_1"_s, random.pick(breakfasts));
            menu.insert(day + u"_2"_s, random.pick(lunches));
            menu.insert(day + u"_3"_s, random.pick(snacks));
        }
        menus << menu;
    }
    writeRows(connection, u"FAGHTO"_s, menus);
}

}  // namespace

void writeProgramme(db::Connection& connection, Random& random, const QDate& from,
                    const QDate& until) {
    writeDaily(connection, random, until);
    writeWeekly(connection, random, until);
    writeYearly(connection, from, until);
    writeMenus(connection, random);
}

namespace {

void writeNotes(db::Connection& connection) {
    const QList<QPair<QString, QString>> notes = {
        {u"Προμήθειες"_s, u"Να παραγγελθούν χαρτιά ζωγραφικής, κόλλες και πλαστελίνες."_s},
        {u"Συντήρηση"_s, u"Να ελεγχθεί η βρύση στο μπάνιο των μικρών και το φως στην αυλή."_s},
        {u"Συνάντηση προσωπικού"_s, u"Θέματα: πρόγραμμα γιορτής, βάρδιες υποδοχής, εκδρομή."_s},
        {u"Ιδέες για δραστηριότητες"_s, u"Κήπος με λαχανικά στην αυλή.\nΓωνιά βιβλιοθήκης."_s},
        {u"Τηλέφωνα έκτακτης ανάγκης"_s, u"Ασθενοφόρο 112. Κέντρο δηλητηριάσεων 1401."_s},
    };
    QList<Row> rows;
    for (const auto& [title, text] : notes) {
        rows << Row{{u"TITLE"_s, title}, {u"KEIMENO"_s, text}};
    }
    writeRows(connection, u"NOTES"_s, rows);
}

void writeEvents(db::Connection& connection, const QDate& from, const QDate& until) {
    struct Event {
        int month;
        int day;
        QString text;
    };
    const QList<Event> year = {
        {9, 1, u"Πρώτη μέρα της νέας σχολικής χρονιάς"_s},
        {10, 27, u"Γιορτή για την επέτειο του Όχι"_s},
        {12, 20, u"Χριστουγεννιάτικη γιορτή με τους γονείς"_s},
        {2, 20, u"Αποκριάτικο πάρτι με μεταμφιέσεις"_s},
        {4, 15, u"Εκδρομή στο Τρόοδος"_s},
        {6, 25, u"Τελετή αποφοίτησης"_s},
    };
    RowWriter writer(connection, u"BIBLIO_SXOLEIOY"_s,
                     tableColumns(connection, u"BIBLIO_SXOLEIOY"_s));
    for (int schoolYear = from.year() - 1; schoolYear <= until.year(); ++schoolYear) {
        for (const Event& event : year) {
            const int calendarYear = event.month >= 9 ? schoolYear : schoolYear + 1;
            const QDate day = nextOpenDay(QDate(calendarYear, event.month, event.day));
            if (day >= from && day <= until) {
                writer.write({{u"HMEROMHNIA"_s, day}, {u"KEIMENO"_s, event.text}});
            }
        }
    }
}

void writeReminders(db::Connection& connection, Random& random, const QDate& until) {
    const QStringList texts = {
        u"Πληρωμή ενοικίου"_s,
        u"Να σταλούν οι ειδοποιήσεις για τα δίδακτρα"_s,
        u"Έλεγχος πυροσβεστήρων"_s,
        u"Παραγγελία τροφίμων για την εβδομάδα"_s,
        u"Συνάντηση με τον σύνδεσμο γονέων"_s,
        u"Ανανέωση ασφάλειας του λεωφορείου"_s,
    };
    RowWriter writer(connection, u"REMINDER"_s, tableColumns(connection, u"REMINDER"_s));
    writer.write({{u"HMEROMHNIA"_s, until}, {u"KEIMENO"_s, texts.first()}});
    QSet<QDate> taken{until};
    for (int i = 0; i < 24; ++i) {
        const QDate day = random.dayBetween(until.addYears(-1), until.addDays(60));
        if (!taken.contains(day)) {
            taken.insert(day);
            writer.write({{u"HMEROMHNIA"_s, day}, {u"KEIMENO"_s, random.pick(texts)}});
        }
    }
}

void writeAppointments(db::Connection& connection, Random& random, const QDate& from,
                       const QDate& until) {
    const QStringList columns = tableColumns(connection, u"RANTEBOU"_s);
    const QStringList halfHours = columns.mid(1);  // every column after the date is a half hour
    const QStringList what = {
        u"Συνάντηση με γονείς νέου μαθητή"_s,
        u"Ενημέρωση γονέων για την πρόοδο του παιδιού"_s,
        u"Επίσκεψη παιδιάτρου"_s,
        u"Παράδοση τροφίμων"_s,
        u"Συνάντηση με τον λογιστή"_s,
    };
    RowWriter writer(connection, u"RANTEBOU"_s, columns);
    for (QDate day = from; day <= until.addDays(30); day = day.addDays(1)) {
        if (day.dayOfWeek() > 5 || !random.chance(0.35)) {
            continue;
        }
        Row row{{u"HMEROMHNIA"_s, day}};
        for (int booked = random.between(1, 3); booked > 0; --booked) {
            row.insert(halfHours.at(random.between(0, 15)), random.pick(what));
        }
        writer.write(row);
    }
}

}  // namespace

void writeOrganiser(db::Connection& connection, Random& random, const QDate& from,
                    const QDate& until) {
    writeNotes(connection);
    writeEvents(connection, from, until);
    writeReminders(connection, random, until);
    writeAppointments(connection, random, from, until);
}

}  // namespace sample
