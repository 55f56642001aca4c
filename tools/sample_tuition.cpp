#include "tools/sample_tuition.h"

#include <QMap>
#include <algorithm>
#include <cmath>

#include "db/connection.h"
#include "finance/tuition_ledger.h"
#include "tools/sample_receipts.h"
#include "tools/sample_vocabulary.h"

namespace sample {

namespace {

// One month of the ledger: owed, paid by a valid receipt, or left without a row when its only
// receipt was cancelled.
struct LedgerMonth {
    qint64 child = 0;
    QDate month;       // its first day
    int receipt = -1;  // index of the valid receipt that paid it, -1 when owed
    bool cancelledOnly = false;
};

int schoolYearOf(const QDate& day) {
    return day.month() >= 9 ? day.year() : day.year() - 1;
}

// The monthly tuition: a base that rises a little every school year, food and transport on top,
// a tenth off for some families with two children at the kindergarten.
class Fees {
public:
    explicit Fees(const QDate& from) : firstSchoolYear_(schoolYearOf(from)) {}
    double of(const Child& child, bool discount, const QDate& month) const {
        const int years = schoolYearOf(month) - firstSchoolYear_;
        double fee = std::round(250 * std::pow(1.03, years) / 5) * 5;
        fee += child.eats ? 40 : 0;
        fee += child.usesTransport ? 30 : 0;
        return discount ? fee * 0.9 : fee;
    }

private:
    int firstSchoolYear_;
};

// The first days of the months a child owes: every month of every enrolment period, up to the
// month of `until`, with the day from which it could be paid.
QMap<QDate, QDate> owedMonths(const Child& child, const QDate& until) {
    QMap<QDate, QDate> months;
    for (const Period& period : child.periods) {
        const QDate last = period.isOpen() || period.left > until ? until : period.left;
        for (QDate month(period.enrolled.year(), period.enrolled.month(), 1); month <= last;
             month = month.addMonths(1)) {
            months.insert(month, std::max(month, period.enrolled));
        }
    }
    return months;
}

class TuitionBuilder {
public:
    TuitionBuilder(Random& random, const QDate& until, const QDate& from)
        : random_(random), until_(until), fees_(from) {}

    void addChild(const Child& child) {
        const bool discount = random_.chance(0.15);
        const QMap<QDate, QDate> months = owedMonths(child, until_);
        for (auto it = months.begin(); it != months.end(); ++it) {
            addMonth(child, it.key(), it.value(), fees_.of(child, discount, it.key()));
        }
    }

    QList<LedgerMonth> ledger;
    QList<Receipt> receipts;

private:
    double unpaidChance(const QDate& month) const {
        if (month.year() == until_.year() && month.month() == until_.month()) {
            return 0.5;
        }
        return month.addMonths(3) > until_ ? 0.08 : 0.02;
    }

    void addMonth(const Child& child, const QDate& month, const QDate& payable, double fee) {
        LedgerMonth row{child.number, month};
        const QDate paidOn = nextOpenDay(payable.addDays(random_.between(0, 20)));
        if (!random_.chance(unpaidChance(month)) && paidOn <= until_) {
            Receipt receipt;
            receipt.issued = paidOn;
            receipt.amount = fee;
            receipt.child = child.number;
            receipt.month = month.month();
            receipt.year = month.year();
            receipt.firstName = child.firstName;
            receipt.surname = child.surname;
            receipt.recipient = child.guardian;
            row.receipt = static_cast<int>(receipts.size());
            if (random_.chance(0.01)) {
                receipt.cancelled = true;
                row.receipt = -1;
                row.cancelledOnly = true;
                const QDate again = nextOpenDay(paidOn.addDays(random_.between(1, 15)));
                if (again <= until_ && random_.chance(0.6)) {
                    receipts << receipt;
                    receipt.issued = again;
                    receipt.cancelled = false;
                    row.receipt = static_cast<int>(receipts.size());
                    row.cancelledOnly = false;
                }
            }
            receipts << receipt;
        }
        ledger << row;
    }

    Random& random_;
    QDate until_;
    Fees fees_;
};

bool enrolledOn(const Child& child, const QDate& day) {
    for (const Period& period : child.periods) {
        if (period.enrolled <= day && (period.isOpen() || period.left >= day)) {
            return true;
        }
    }
    return false;
}

// Trips, books, uniforms and the like, for some of the children enrolled each month.
QList<Receipt> generalReceipts(Random& random, const QList<Child>& children, const QDate& from,
                               const QDate& until) {
    const QList<QPair<QString, int>> reasons = {
        {QStringLiteral("Σχολική εκδρομή"), 20},    {QStringLiteral("Βιβλία και γραφική ύλη"), 45},
        {QStringLiteral("Σχολική στολή"), 35},      {QStringLiteral("Φωτογραφίες της χρονιάς"), 15},
        {QStringLiteral("Θεατρική παράσταση"), 10}, {QStringLiteral("Μαθήματα κολύμβησης"), 60},
    };
    QList<Receipt> receipts;
    for (QDate month(from.year(), from.month(), 1); month <= until; month = month.addMonths(1)) {
        const QDate day = std::min(nextOpenDay(month.addDays(random.between(0, 25))), until);
        for (const Child& child : children) {
            if (!random.chance(0.05) || !enrolledOn(child, day)) {
                continue;
            }
            const auto& [description, price] = reasons.at(random.between(0, reasons.size() - 1));
            Receipt receipt;
            receipt.issued = day;
            receipt.amount = price + 2.5 * random.between(0, 4);
            receipt.firstName = child.firstName;
            receipt.surname = child.surname;
            receipt.recipient = child.guardian;
            receipt.description = description;
            receipt.general = true;
            receipt.cancelled = random.chance(0.02);
            receipts << receipt;
        }
    }
    return receipts;
}

}  // namespace

namespace {

// Returns the rows written.
int writeLedger(db::Connection& connection, const QList<LedgerMonth>& ledger,
                const QList<Receipt>& receipts, double vatRate) {
    int written = 0;
    RowWriter writer(connection, QStringLiteral("APODEIKSEIS_DIDAKTRWN"),
                     tableColumns(connection, QStringLiteral("APODEIKSEIS_DIDAKTRWN")));
    for (const LedgerMonth& month : ledger) {
        if (month.cancelledOnly) {
            continue;  // cancelling a receipt removes its month from the ledger
        }
        Row row{{QStringLiteral("ARITHMOS_MHTRWOY"), month.child},
                {QStringLiteral("MHNAS"), month.month.month()},
                {QStringLiteral("ETOS"), month.month.year()},
                {QStringLiteral("CHECKER"), words::owed()}};
        if (month.receipt >= 0) {
            const Receipt& receipt = receipts.at(month.receipt);
            const Amounts amounts = receiptAmounts(receipt.amount, vatRate);
            row.insert(QStringLiteral("CHECKER"), words::paid());
            row.insert(QStringLiteral("ARITHMOS_APODEIKSHS"), QString::number(receipt.number));
            row.insert(QStringLiteral("POSO"), amounts.amount);
            row.insert(QStringLiteral("VAT"), amounts.vat);
            row.insert(QStringLiteral("HMEROMHNIA"), receipt.issued);
        }
        writer.write(row);
        ++written;
    }
    return written;
}

Row tuitionReceiptRow(const Receipt& receipt, const Amounts& amounts) {
    return {{QStringLiteral("ARITHMOS_MHTRWOY"), receipt.child},
            {QStringLiteral("ARITHMOS_APODEIKSHS"), QString::number(receipt.number)},
            {QStringLiteral("POSO"), amounts.amount},
            {QStringLiteral("HMEROMHNIA"), receipt.issued},
            {QStringLiteral("MHNAS"), receipt.month},
            {QStringLiteral("ETOS"), receipt.year},
            {QStringLiteral("VAT"), amounts.vat},
            {QStringLiteral("POSO_KAI_VAT"), amounts.total},
            {QStringLiteral("EGKYRO"), receipt.cancelled ? 0 : 1},
            {QStringLiteral("POSOCY"), amounts.cypAmount},
            {QStringLiteral("VATCY"), amounts.cypVat},
            {QStringLiteral("POSO_KAI_VATCY"), amounts.cypTotal},
            {QStringLiteral("ONOMA_PAIDIOY"), receipt.firstName},
            {QStringLiteral("EPWNYMO_PAIDIOY"), receipt.surname},
            {QStringLiteral("PARALHPTHS"), receipt.recipient}};
}

Row generalReceiptRow(const Receipt& receipt, const Amounts& amounts) {
    return {{QStringLiteral("AR_APODEIKSHS"), QString::number(receipt.number)},
            {QStringLiteral("POSO"), amounts.amount},
            {QStringLiteral("HMEROMHNIA"), receipt.issued},
            {QStringLiteral("VAT"), amounts.vat},
            {QStringLiteral("POSO_KAI_VAT"), amounts.total},
            {QStringLiteral("EGKYRO"), !receipt.cancelled},
            {QStringLiteral("POSOCY"), amounts.cypAmount},
            {QStringLiteral("VATCY"), amounts.cypVat},
            {QStringLiteral("POSO_KAI_VAT_CY"), amounts.cypTotal},
            {QStringLiteral("ONOMA_PAIDIOY"), receipt.firstName},
            {QStringLiteral("EPWNYMO_PAIDIOY"), receipt.surname},
            {QStringLiteral("PARALHPTHS"), receipt.recipient},
            {QStringLiteral("PERIGRAFH"), receipt.description}};
}

// The archive and the general receipts, in the order of their numbers.
void writeReceipts(db::Connection& connection, QList<Receipt> receipts, double vatRate) {
    std::sort(receipts.begin(), receipts.end(),
              [](const Receipt& a, const Receipt& b) { return a.number < b.number; });
    RowWriter tuition(connection, QStringLiteral("APODEIKSEIS_HISTORY"),
                      tableColumns(connection, QStringLiteral("APODEIKSEIS_HISTORY")));
    RowWriter general(connection, QStringLiteral("APODEIKSEIS_GEN"),
                      tableColumns(connection, QStringLiteral("APODEIKSEIS_GEN")));
    for (const Receipt& receipt : receipts) {
        const Amounts amounts = receiptAmounts(receipt.amount, vatRate);
        if (receipt.general) {
            general.write(generalReceiptRow(receipt, amounts));
        } else {
            tuition.write(tuitionReceiptRow(receipt, amounts));
        }
    }
}

}  // namespace

TuitionSummary writeTuition(db::Connection& connection, Random& random,
                            const QList<Child>& children, const QDate& until, double vatRate,
                            qint64 firstNumber) {
    const QDate from = children.isEmpty() ? until : children.first().periods.first().enrolled;
    TuitionBuilder builder(random, until, from);
    for (const Child& child : children) {
        builder.addChild(child);
    }
    QList<Receipt> receipts = builder.receipts;
    const qsizetype tuitionCount = receipts.size();
    receipts << generalReceipts(random, children, from, until);

    TuitionSummary summary;
    summary.nextReceiptNumber = numberReceipts(receipts, firstNumber);
    summary.ledgerRows = writeLedger(connection, builder.ledger, receipts, vatRate);
    writeReceipts(connection, receipts, vatRate);
    finance::storeReceiptNumbering(connection, static_cast<int>(summary.nextReceiptNumber));

    summary.tuitionReceipts = static_cast<int>(tuitionCount);
    summary.generalReceipts = static_cast<int>(receipts.size() - tuitionCount);
    return summary;
}

}  // namespace sample
