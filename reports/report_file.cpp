#include "reports/report_file.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QTextDocumentFragment>

#include "reports/report_context.h"
#include "reports/report_dataset.h"
#include "reports/report_error.h"

namespace reports {

namespace mustache = kainjow::mustache;

namespace {

QString readText(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists())
        throw Error(QStringLiteral("Δεν βρέθηκε το αρχείο αναφοράς %1").arg(path));
    QFile file(path);
    if (info.isDir() || !file.open(QIODevice::ReadOnly))
        throw Error(QStringLiteral("Το αρχείο αναφοράς %1 δεν μπορεί να διαβαστεί").arg(path));
    const QByteArray bytes = file.readAll();
    QStringDecoder decoder(QStringDecoder::Utf8);
    QString text = decoder.decode(bytes);
    if (decoder.hasError() || bytes.contains('\0'))
        throw Error(
            QStringLiteral("Το αρχείο αναφοράς %1 δεν είναι αρχείο κειμένου UTF-8").arg(path));
    return text;
}

Error malformed(const QString& path, const QString& reason) {
    return Error(QStringLiteral("Το αρχείο αναφοράς %1 είναι κατεστραμμένο: %2").arg(path, reason));
}

}  // namespace

ReportFile ReportFile::load(const QString& path) {
    ReportFile file;
    file.path_ = path;
    file.source_ = readText(path);
    if (!file.source_.contains(QLatin1String("<body"), Qt::CaseInsensitive))
        throw malformed(path, QStringLiteral("δεν είναι έγγραφο HTML"));
    const mustache::mustache parsed(file.source_.toStdString());
    if (!parsed.is_valid())
        throw malformed(path, QString::fromStdString(parsed.error_message()));
    file.readSettings();
    return file;
}

void ReportFile::readSettings() {
    static const QRegularExpression meta(
        QStringLiteral(R"re(<meta\s+name\s*=\s*"([^"]*)"\s+content\s*=\s*"([^"]*)"\s*/?>)re"),
        QRegularExpression::CaseInsensitiveOption);
    for (const QRegularExpressionMatch& match : meta.globalMatch(source_))
        applySetting(match.captured(1).trimmed().toLower(), match.captured(2));

    static const QRegularExpression title(
        QStringLiteral(R"(<title>(.*?)</title>)"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    title_ = QTextDocumentFragment::fromHtml(title.match(source_).captured(1))
                 .toPlainText()
                 .simplified();

    if (dataConnections_.isEmpty())
        throw malformed(path_, QStringLiteral("δεν δηλώνει τις συνδέσεις δεδομένων του"));
    if (!pagePerRow_.isEmpty() && !dataConnections_.contains(pagePerRow_))
        throw malformed(
            path_,
            QStringLiteral("η σελίδα ανά εγγραφή αφορά άγνωστη σύνδεση %1").arg(pagePerRow_));
}

void ReportFile::applySetting(const QString& name, const QString& value) {
    bool understood = true;
    if (name == u"data-connections")
        dataConnections_ = value.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    else if (name == u"page-per-row")
        pagePerRow_ = value.trimmed();
    else if (name == u"page-size")
        understood = setPageSize(pageSetup_, value);
    else if (name == u"orientation")
        understood = setOrientation(pageSetup_, value);
    else if (name == u"margins")
        understood = setMargins(pageSetup_, value);
    else if (name == u"footer")
        understood = setFooter(pageSetup_, value);
    if (!understood)
        throw malformed(path_,
                        QStringLiteral("άγνωστη τιμή «%1» της ρύθμισης %2").arg(value, name));
}

void ReportFile::checkDataSets(const QList<DataSet>& dataSets) const {
    QStringList given;
    for (const DataSet& set : dataSets) given.append(set.name);
    for (const QString& connection : dataConnections_) {
        if (!given.contains(connection))
            throw Error(QStringLiteral("Η αναφορά %1 δεν πήρε τα δεδομένα της σύνδεσης %2")
                            .arg(path_, connection));
    }
    for (const QString& name : given) {
        if (!dataConnections_.contains(name))
            throw Error(
                QStringLiteral("Η αναφορά %1 δεν έχει σύνδεση δεδομένων %2").arg(path_, name));
    }
}

QStringList ReportFile::render(const QList<DataSet>& dataSets, const QDate& printDate) const {
    checkDataSets(dataSets);
    mustache::mustache engine(source_.toStdString());
    engine.set_custom_escape(&escapeValue);
    const auto renderWith = [&](const mustache::data& data) {
        const std::string html = engine.render(data);
        if (!engine.is_valid())
            throw malformed(path_, QString::fromStdString(engine.error_message()));
        return QString::fromStdString(html);
    };
    // The values are gathered once; a page-per-row part sees its data set as that row alone.
    mustache::data data = templateData(dataSets, printDate);
    if (pagePerRow_.isEmpty())
        return {renderWith(data)};
    mustache::data& rows = data[pagePerRow_.toStdString()];
    if (!rows.is_non_empty_list())
        return {renderWith(data)};
    const mustache::data all = std::move(rows);
    QStringList parts;
    for (const mustache::data& row : all.list_value()) {
        mustache::data alone{mustache::data::type::list};
        alone.push_back(row);
        rows = std::move(alone);
        parts.append(renderWith(data));
    }
    return parts;
}

}  // namespace reports
