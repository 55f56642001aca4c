#include "children/enrolment_reports.h"

#include "common/date_literal.h"

namespace children {

using namespace Qt::StringLiterals;

QString enrolmentReportCaption(EnrolmentReport report) {
    switch (report) {
        case EnrolmentReport::Enrolments:
            return u"Εγγραφές μεταξύ δυο ημερομηνιών"_s;
        case EnrolmentReport::DeEnrolments:
            return u"Διαγραφές μεταξύ δυο ημερομηνιών"_s;
        case EnrolmentReport::EnrolmentsAndDeEnrolments:
            break;
    }
    return u"Εγγραφές και διαγραφές μεταξύ δυο ημερομηνιών"_s;
}

QString enrolmentReportStatement(EnrolmentReport report, const QString& from, const QString& to) {
    const QString between = u" BETWEEN "_s + common::dateLiteral(from.trimmed()) + u" AND "_s +
                            common::dateLiteral(to.trimmed());
    switch (report) {
        case EnrolmentReport::Enrolments:
            return u"SELECT * FROM EGRAFES_SE_HMEROMHNIES WHERE HMEROMHNIA_EGGRAFHS"_s + between;
        case EnrolmentReport::DeEnrolments:
            return u"SELECT * FROM DIAGRAFES_SE_HMEROMHNIES WHERE HMEROMHNIA_DIAGRAFHS"_s + between;
        case EnrolmentReport::EnrolmentsAndDeEnrolments:
            break;
    }
    return u"SELECT * FROM EGG_DIAG_SE_HMEROMHNIES WHERE HMEROMHNIA_DIAGRAFHS"_s + between +
           u" AND HMEROMHNIA_EGGRAFHS"_s + between;
}

}  // namespace children
