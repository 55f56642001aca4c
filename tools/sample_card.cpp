#include "tools/sample_card.h"

#include "common/day_hours.h"
#include "tools/sample_vocabulary.h"

namespace sample {

namespace {

// The parents as the card records them.
struct Parent {
    QString fullName;
    int age = 0;
    QString education;
    QString job;  // empty: not working
    QString workPhone;
};

class CardFiller {
public:
    CardFiller(Random& random, Child& child, const QDate& until)
        : random_(random), child_(child), card_(child.card), until_(until) {}

    void fill() {
        identity();
        family();
        home();
        vaccinations();
        health();
        behaviour();
        otherData();
    }

private:
    void set(const QString& column, const QVariant& value) { card_.insert(column, value); }
    void setText(const QString& column, const QString& text) { set(column, orNull(text)); }

    // A YES/NO question: yes with the given chance; a few questions the staff skipped.
    void flag(const QString& column, double yes) {
        if (random_.chance(0.06)) {
            return;
        }
        set(column, random_.chance(yes) ? words::yes() : words::no());
    }
    // A long text the staff fill in only when there is something to record.
    void note(const QString& column, double chance, const QStringList& phrases) {
        if (random_.chance(chance)) {
            set(column, random_.pick(phrases));
        }
    }
    QString digits(int count) {
        QString text;
        for (int i = 0; i < count; ++i) {
            text += QChar(u'0' + random_.between(0, 9));
        }
        return text;
    }
    QString landline() {
        return QStringLiteral("22 ") + QString::number(random_.between(2, 8)) + digits(5);
    }
    QString mobile() {
        return random_.pick(
                   QStringList{QStringLiteral("99"), QStringLiteral("96"), QStringLiteral("97")}) +
               u' ' + digits(6);
    }
    int ageAtRegistration() const {
        const QDate registered = child_.periods.first().enrolled;
        return (registered.toJulianDay() - child_.birth.toJulianDay()) / 365;
    }
    Parent parent(const QString& firstName, const QString& surname, const QStringList& jobs,
                  double working) {
        Parent p;
        p.fullName = firstName + u' ' + surname;
        p.age = ageAtRegistration() + random_.between(24, 42);
        p.education = random_.pick(words::educationLevels());
        if (random_.chance(working)) {
            p.job = random_.pick(jobs);
            p.workPhone = landline();
        }
        return p;
    }

    void identity();
    void family();
    void home();
    void vaccinations();
    void health();
    void behaviour();
    void otherData();

    Random& random_;
    Child& child_;
    Row& card_;
    QDate until_;
    words::Surname surname_;
    QString address_;
    int brothers_ = 0;
    int sisters_ = 0;
};

void CardFiller::identity() {
    surname_ = random_.pick(words::surnames());
    child_.surname = child_.boy ? surname_.male : surname_.female;
    child_.firstName = random_.pick(child_.boy ? words::boysNames() : words::girlsNames());
    set(QStringLiteral("ARITHMOS_MHTRWOY"), child_.number);
    set(QStringLiteral("ONOMA_PAIDIOY"), child_.firstName);
    set(QStringLiteral("EPWNYMO_PAIDIOY"), child_.surname);
    set(QStringLiteral("HMEROMHNIA_GENNHSEWS"), child_.birth);
    set(QStringLiteral("FYLO"), child_.boy ? words::boy() : words::girl());
    set(QStringLiteral("ENERGO"), child_.isActive() ? words::yes() : words::no());
}

void CardFiller::family() {
    const Parent father =
        parent(random_.pick(words::mensNames()), surname_.male, words::mensJobs(), 0.93);
    const Parent mother =
        parent(random_.pick(words::womensNames()), surname_.female, words::womensJobs(), 0.75);
    const Parent& guardian = random_.chance(0.7) ? mother : father;
    child_.guardian = guardian.fullName;
    address_ = random_.pick(words::streets()) + u' ' + QString::number(random_.between(1, 140)) +
               u' ' + random_.pick(words::areas());

    set(QStringLiteral("ONOMA_PATERA"), father.fullName);
    set(QStringLiteral("ONOMA_MHTERAS"), mother.fullName);
    set(QStringLiteral("ONOMA_KHDEMONA"), guardian.fullName);
    set(QStringLiteral("DIEYTHYNSH_OIKIAS"), address_);
    set(QStringLiteral("DIEYTHYNSH_KHDEMONA"), address_);
    set(QStringLiteral("THLEFWNO_OIKIAS"), landline());
    setText(QStringLiteral("THLEFWNO_ERGASIAS_PATERA"), father.workPhone);
    setText(QStringLiteral("THLEFWNO_ERGASIAS_MHTERAS"), mother.workPhone);
    set(QStringLiteral("THLEFWNO_ERGASIAS_KHDEMONA"),
        guardian.workPhone.isEmpty() ? mobile() : guardian.workPhone);
    set(QStringLiteral("MOBILE"), mobile());
    set(QStringLiteral("HLIKIA_PATERA"), father.age);
    set(QStringLiteral("HLIKIA_MHTERAS"), mother.age);
    set(QStringLiteral("HLIKIA_KHDEMONA"), guardian.age);
    set(QStringLiteral("MORFWSH_PATERA"), father.education);
    set(QStringLiteral("MORFWSH_MHTERAS"), mother.education);
    set(QStringLiteral("MORFWSH_KHDEMONA"), guardian.education);
    setText(QStringLiteral("EPAGGELMA_PATERA"), father.job);
    setText(QStringLiteral("EPAGGELMA_MHTERAS"), mother.job);
    setText(QStringLiteral("EPAGGELMA_KHDEMONA"), guardian.job);
    flag(QStringLiteral("ZEI_O_PATERAS"), 0.99);
    flag(QStringLiteral("ZEI_H_MHTERA"), 0.995);
    flag(QStringLiteral("BRISKONTAI_SE_DIASTASH"), 0.08);
}

void CardFiller::home() {
    brothers_ = random_.between(0, 2);
    sisters_ = random_.between(0, 2);
    const bool ownRoom = brothers_ + sisters_ == 0 || random_.chance(0.4);
    set(QStringLiteral("THESH_PAIDIOY_STHN_OIKOGENEIA"),
        random_.between(1, brothers_ + sisters_ + 1));
    set(QStringLiteral("EIDOS_KATOIKIAS"), random_.pick(words::housingKinds()));
    flag(QStringLiteral("YPARXEI_AYLH"), 0.6);
    set(QStringLiteral("ARITHMOS_YPNODWMATIWN"), random_.between(2, 4));
    set(QStringLiteral("DIKO_TOY_DWMATIO"), ownRoom ? words::yes() : words::no());
    if (!ownRoom) {
        const QString sibling =
            brothers_ > 0 ? QStringLiteral("Με τον αδελφό") : QStringLiteral("Με την αδελφή");
        set(QStringLiteral("ME_POIOYS_KOIMATAI"),
            sibling + (child_.boy ? QStringLiteral(" του") : QStringLiteral(" της")));
    }
    note(QStringLiteral("EIDIKA_ENDIAFERONTA"), 0.35, words::interests());
    // A few cards were saved with one of the two sibling counts left empty.
    if (!random_.chance(0.03)) {
        set(QStringLiteral("ADELFOYS"), brothers_);
    }
    if (!random_.chance(0.03)) {
        set(QStringLiteral("ADELFES"), sisters_);
    }
    note(QStringLiteral("OIKOGENEIAKA_PROBLHMATA"), 0.04, words::familyProblems());
}

void CardFiller::vaccinations() {
    // Column and the age in months at which the vaccination is usually given.
    const QList<QPair<QString, int>> schedule = {
        {QStringLiteral("EMBOLIO_ANEMEBLOGIAS"), 13}, {QStringLiteral("EMBOLIO_DIFTHERITIDA"), 2},
        {QStringLiteral("EMBOLIO_TETANOS"), 2},       {QStringLiteral("EMBOLIO_KOKKITHS"), 2},
        {QStringLiteral("EMBOLIO_ILARAS"), 13},       {QStringLiteral("EMBOLIO_PAROTITIDAS"), 13},
        {QStringLiteral("EMBOLIO_ERYTHRAS"), 13},     {QStringLiteral("EMBOLIO_POLYOMYELITIS"), 2},
        {QStringLiteral("EMBOLIO_YPATITIDAS_B"), 1},
    };
    for (const auto& [column, months] : schedule) {
        const QDate given = child_.birth.addMonths(months).addDays(random_.between(0, 40));
        if (given <= until_ && !random_.chance(0.07)) {
            set(column, given);
        }
    }
}

void CardFiller::health() {
    const QList<QPair<QString, double>> questions = {
        {QStringLiteral("ILARA"), 0.01},
        {QStringLiteral("DIFTHERITIDA"), 0.002},
        {QStringLiteral("KOKKITHS"), 0.01},
        {QStringLiteral("PAROTITIDA"), 0.01},
        {QStringLiteral("ERYTHRA"), 0.01},
        {QStringLiteral("WSTRAKIA"), 0.05},
        {QStringLiteral("DIABHTHS"), 0.004},
        {QStringLiteral("ZALIZETAI"), 0.02},
        {QStringLiteral("LYPOTHIMA"), 0.01},
        {QStringLiteral("SYXNOOYRIA"), 0.03},
        {QStringLiteral("IDRWNEI_TO_BRADY"), 0.08},
        {QStringLiteral("SPAZEI_H_MYTH_TOY"), 0.06},
        {QStringLiteral("KOYRAZETAI_EYKOLA"), 0.05},
        {QStringLiteral("DYSKOLIA_STHN_AKOH"), 0.02},
        {QStringLiteral("DYSKOLIA_STHN_ORASH"), 0.04},
        {QStringLiteral("EPILHPSIA"), 0.004},
        {QStringLiteral("BROGXIKA"), 0.08},
        {QStringLiteral("EKZEMA"), 0.06},
        {QStringLiteral("REYMATIKOS_PYRETOS"), 0.003},
        {QStringLiteral("KARDIOPATHEIA"), 0.004},
        {QStringLiteral("PAIDIKH_PARALYSH"), 0.001},
    };
    for (const auto& [column, yes] : questions) {
        flag(column, yes);
    }
    const bool allergic = random_.chance(0.1);
    if (allergic) {
        set(QStringLiteral("ALLERGIES"), random_.pick(words::allergies()));
        note(QStringLiteral("FAGHTA_APOFEYGEI"), 0.7, words::foodsToAvoid());
    }
    note(QStringLiteral("ALLH_ARWSTIA"), 0.05, words::illnesses());
    note(QStringLiteral("SOB_ASTHENEIES_MEXRI_SHMERA"), 0.04, words::illnesses());
    note(QStringLiteral("ALLA_PROSF_PROBL_FYS_KAT"), 0.03,
         {QStringLiteral("Κάταγμα στο αριστερό χέρι τον περασμένο χρόνο")});
    note(QStringLiteral("SOBARA_PROBLHMATA_YGEIAS"), 0.02,
         {QStringLiteral("Άσθμα· έχει μαζί του εισπνευστήρα")});
    note(QStringLiteral("SWMATIKA_ELATTWMATA"), 0.01, {QStringLiteral("Φορά γυαλιά οράσεως")});
}

void CardFiller::behaviour() {
    flag(QStringLiteral("BREXEI_TO_KREBATI_TOY"), 0.08);
    flag(QStringLiteral("DAGKWNEI_TO_DAKTYLO_TOY"), 0.05);
    flag(QStringLiteral("THYLAZEI_TO_DAKTYLO_TOY"), 0.1);
    flag(QStringLiteral("KSESPASMA_THYMOY"), 0.1);
    flag(QStringLiteral("DYSTROPO"), 0.05);
    note(QStringLiteral("EXEI_FOBOYS"), 0.12, words::fears());
    flag(QStringLiteral("ARESEI_SYNTROFIA_PAIDIWN"), 0.93);
    note(QStringLiteral("EIDIKA_PROBLHMATA_SYMPERIFORAS"), 0.06, words::behaviourNotes());
    note(QStringLiteral("KOINWNIKH_SYNAISTHIM_KATASTASH"), 0.05, words::behaviourNotes());
    note(QStringLiteral("DRASTHRIOT_PREPEI_APOFEYGEI"), 0.02,
         {QStringLiteral("Έντονη άσκηση σε πολύ ζεστές μέρες")});
    note(QStringLiteral("LOGOI_ENHMERO_NHPIAGWGEIO"), 0.03, words::illnesses());
}

void CardFiller::otherData() {
    const words::Doctor& doctor = random_.pick(words::paediatricians());
    set(QStringLiteral("ONOMA_GIATROY"), doctor.name);
    set(QStringLiteral("DIEYTHYNSH_GIATROY"), doctor.address);
    set(QStringLiteral("THLEFWNO_GIATROY"), doctor.phone);
    note(QStringLiteral("ALLES_PLHROFORIES"), 0.05,
         {QStringLiteral("Το παραλαμβάνει συχνά η γιαγιά του")});

    child_.usesTransport = random_.chance(0.25);
    child_.eats = random_.chance(0.7);
    const QStringList arrivals = common::arrivalHours();
    const QStringList departures = common::departureHours();
    set(QStringLiteral("METAFORA"),
        child_.usesTransport ? words::kindergartenTransport() : words::privateTransport());
    set(QStringLiteral("WRA_ERXETAI"), arrivals.at(random_.between(0, 3)));
    set(QStringLiteral("WRA_FEYGEI"), departures.at(random_.between(5, 12)));
    set(QStringLiteral("FAGHTO"), child_.eats ? words::yes() : words::no());
}

}  // namespace

void fillCard(Random& random, Child& child, const QDate& until) {
    CardFiller(random, child, until).fill();
}

}  // namespace sample
