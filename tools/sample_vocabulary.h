#pragma once

#include <QString>
#include <QStringList>

// The words of the sample data: the fixed texts the program compares as whole texts, and the
// fictional Greek names, places and phrases the staff would type.
namespace sample::words {

// Fixed texts.
QString yes();   // the YES/NO flag's yes
QString no();    // the YES/NO flag's no
QString owed();  // ledger mark of an owed month
QString paid();  // ledger mark of a paid month
QString boy();
QString girl();
const QStringList& educationLevels();
const QStringList& housingKinds();
QString privateTransport();
QString kindergartenTransport();

// People and places.
struct Surname {
    QString male;
    QString female;
};
const QList<Surname>& surnames();
const QStringList& boysNames();
const QStringList& girlsNames();
const QStringList& mensNames();
const QStringList& womensNames();
const QStringList& streets();
const QStringList& areas();
const QStringList& mensJobs();
const QStringList& womensJobs();

struct Doctor {
    QString name;
    QString address;
    QString phone;
    QString specialty;
};
const QList<Doctor>& paediatricians();

// The kindergarten.
const QStringList& groupNames();
const QStringList& teachers();  // as many as there are group names

// Phrases for the free and long texts of the card.
const QStringList& interests();
const QStringList& familyProblems();
const QStringList& allergies();
const QStringList& illnesses();
const QStringList& fears();
const QStringList& behaviourNotes();
const QStringList& foodsToAvoid();
const QStringList& leavingReasons();
QString graduationReason();

}  // namespace sample::words
