#include "reports/report_context.h"

#include <QHash>
#include <QStringList>

#include <cmath>

#include "common/date_literal.h"
#include "reports/report_dataset.h"
#include "reports/report_values.h"

namespace reports {

namespace mustache = kainjow::mustache;

namespace {

std::string utf8(const QString& text) {
    return text.toStdString();
}

QString fromUtf8(const std::string& text) {
    return QString::fromStdString(text);
}

// The largest value of every column whose non-empty cells are all numbers.
QHash<int, double> numberColumnMaxima(const DataSet& set) {
    QHash<int, double> maxima;
    for (int column = 0; column < set.columns.size(); ++column) {
        bool numeric = false;
        double maximum = 0;
        for (const QVariantList& row : set.rows) {
            const QString text = cellText(row.value(column)).trimmed();
            if (text.isEmpty())
                continue;
            bool ok = false;
            const double value = parseNumber(text, &ok);
            if (!ok) {
                numeric = false;
                break;
            }
            maximum = numeric ? std::max(maximum, value) : value;
            numeric = true;
        }
        if (numeric)
            maxima.insert(column, maximum);
    }
    return maxima;
}

QString barPercent(const QVariant& value, double maximum) {
    bool ok = false;
    const double number = parseNumber(cellText(value), &ok);
    if (!ok || number <= 0 || maximum <= 0)
        return {};
    const double percent = std::round(number / maximum * 100.0);
    return QString::number(std::clamp(percent, 1.0, 100.0));
}

mustache::data rowData(const DataSet& set, int rowIndex, const QHash<int, double>& maxima) {
    const QVariantList& values = set.rows.at(rowIndex);
    mustache::data row;
    mustache::data bars;
    for (int column = 0; column < set.columns.size(); ++column) {
        const QString text = cellText(values.value(column));
        const std::string name = utf8(set.columns.at(column).toUpper());
        if (text.trimmed().isEmpty())
            row.set(name, mustache::data(false));
        else
            row.set(name, utf8(text));
        if (maxima.contains(column)) {
            const QString percent = barPercent(values.value(column), maxima.value(column));
            if (percent.isEmpty())
                bars.set(name, mustache::data(false));
            else
                bars.set(name, utf8(percent));
        }
    }
    row.set("bar", bars);
    row.set("row", utf8(QString::number(rowIndex + 1)));
    row.set("first", mustache::data(rowIndex == 0));
    row.set("last", mustache::data(rowIndex == set.rows.size() - 1));
    row.set("even", mustache::data(rowIndex % 2 == 1));
    return row;
}

mustache::data rowsData(const DataSet& set) {
    const QHash<int, double> maxima = numberColumnMaxima(set);
    mustache::data rows{mustache::data::type::list};
    for (int row = 0; row < set.rows.size(); ++row) rows.push_back(rowData(set, row, maxima));
    return rows;
}

mustache::data reformatting(QString (*format)(const QString&)) {
    return mustache::data(
        mustache::lambda2{[format](const std::string& text, const mustache::renderer& render) {
            return utf8(format(fromUtf8(render(text))));
        }});
}

}  // namespace

mustache::data templateData(const QList<DataSet>& dataSets, const QDate& printDate) {
    mustache::data data;
    mustache::data counts;
    for (const DataSet& set : dataSets) {
        data.set(utf8(set.name), rowsData(set));
        counts.set(utf8(set.name), utf8(QString::number(set.rows.size())));
    }
    data.set("count", counts);
    data.set("printDate", utf8(common::shortDate(printDate)));
    data.set("money", reformatting(&moneyText));
    data.set("date", reformatting(&dateText));
    data.set("longDate", reformatting(&longDateText));
    data.set("monthName", reformatting(&monthName));
    data.set("monthGenitive", reformatting(&monthNameGenitive));
    return data;
}

std::string escapeValue(const std::string& text) {
    std::string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        switch (c) {
            case '&':
                result += "&amp;";
                break;
            case '<':
                result += "&lt;";
                break;
            case '>':
                result += "&gt;";
                break;
            case '"':
                result += "&quot;";
                break;
            case '\'':
                result += "&#39;";
                break;
            case '\r':
                if (i + 1 < text.size() && text[i + 1] == '\n')
                    ++i;
                result += "<br/>";
                break;
            case '\n':
                result += "<br/>";
                break;
            default:
                result += c;
        }
    }
    return result;
}

}  // namespace reports
