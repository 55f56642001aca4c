#include "reports/report_page_setup.h"

#include <QList>
#include <QRegularExpression>
#include <QSizeF>
#include <QStringList>

namespace reports {

QPageLayout PageSetup::paperLayout() const {
    return QPageLayout(pageSize, orientation, QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter,
                       QMarginsF(0, 0, 0, 0));
}

namespace {

QPageSize customSize(const QString& text) {
    static const QRegularExpression pattern(
        QStringLiteral(R"(^\s*(\d+(?:\.\d+)?)\s*x\s*(\d+(?:\.\d+)?)\s*mm\s*$)"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return {};
    const QSizeF size(match.captured(1).toDouble(), match.captured(2).toDouble());
    if (size.width() <= 0 || size.height() <= 0)
        return {};
    return QPageSize(size, QPageSize::Millimeter, QString(), QPageSize::ExactMatch);
}

}  // namespace

bool setPageSize(PageSetup& setup, const QString& text) {
    const QString name = text.trimmed().toUpper();
    QPageSize size;
    if (name == u"A3")
        size = QPageSize(QPageSize::A3);
    else if (name == u"A4")
        size = QPageSize(QPageSize::A4);
    else if (name == u"A5")
        size = QPageSize(QPageSize::A5);
    else if (name == u"DL")
        size = QPageSize(QPageSize::EnvelopeDL);
    else if (name == u"C5")
        size = QPageSize(QPageSize::EnvelopeC5);
    else
        size = customSize(text);
    if (!size.isValid())
        return false;
    setup.pageSize = size;
    return true;
}

bool setOrientation(PageSetup& setup, const QString& text) {
    const QString name = text.trimmed().toLower();
    if (name == u"portrait")
        setup.orientation = QPageLayout::Portrait;
    else if (name == u"landscape")
        setup.orientation = QPageLayout::Landscape;
    else
        return false;
    return true;
}

bool setMargins(PageSetup& setup, const QString& text) {
    const QStringList parts = text.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (parts.isEmpty() || parts.size() > 4)
        return false;
    QList<double> values;
    for (const QString& part : parts) {
        bool ok = false;
        const double value = part.toDouble(&ok);
        if (!ok || value < 0 || value > 100)
            return false;
        values.append(value);
    }
    // CSS order: top, right, bottom, left; missing sides repeat their opposite.
    const double top = values.at(0);
    const double right = values.value(1, top);
    const double bottom = values.value(2, top);
    const double left = values.value(3, right);
    setup.margins = QMarginsF(left, top, right, bottom);
    return true;
}

bool setFooter(PageSetup& setup, const QString& text) {
    const QString name = text.trimmed().toLower();
    if (name == u"page-and-date")
        setup.footer = true;
    else if (name == u"none")
        setup.footer = false;
    else
        return false;
    return true;
}

}  // namespace reports
