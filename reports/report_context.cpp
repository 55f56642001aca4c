#include "reports/report_context.h"

#include <QStringList>

#include <cmath>
#include <optional>
#include <string>
#include <vector>

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

// The library copies whatever it is handed (set(), push_back() and the list constructor take
// their argument by reference and copy it whole), and a long list's values copied row by row
// and again as a list cost more than the rest of the fill; rows are moved into the list's
// vector instead, which the list owns and only lends out as const.
mustache::list& listOf(mustache::data& list) {
    return const_cast<mustache::list&>(list.list_value());
}

// A data set's cells as printed text, read once: the values and the bars both need them.
struct PrintedCells {
    std::vector<std::string> names;             // the columns' upper-case names
    QList<QString> texts;                       // row by row
    std::vector<std::optional<double>> maxima;  // per column: the largest value of a number column

    const QString& text(int row, int column) const {
        return texts.at(qsizetype(row) * qsizetype(names.size()) + column);
    }
};

// A number column is one whose non-empty cells are all numbers.
std::optional<double> columnMaximum(const PrintedCells& cells, int rows, int column) {
    std::optional<double> maximum;
    for (int row = 0; row < rows; ++row) {
        const QString& text = cells.text(row, column);
        if (text.trimmed().isEmpty())
            continue;
        bool ok = false;
        const double value = parseNumber(text, &ok);
        if (!ok)
            return std::nullopt;
        maximum = maximum ? std::max(*maximum, value) : value;
    }
    return maximum;
}

PrintedCells printedCells(const DataSet& set) {
    PrintedCells cells;
    const int columns = int(set.columns.size());
    for (const QString& column : set.columns) cells.names.push_back(utf8(column.toUpper()));
    cells.texts.reserve(set.rows.size() * columns);
    for (const QVariantList& row : set.rows) {
        for (int column = 0; column < columns; ++column)
            cells.texts.append(cellText(row.value(column)));
    }
    for (int column = 0; column < columns; ++column)
        cells.maxima.push_back(columnMaximum(cells, int(set.rows.size()), column));
    return cells;
}

mustache::data textOrFalse(const QString& text) {
    if (text.trimmed().isEmpty())
        return mustache::data(false);
    return mustache::data(utf8(text));
}

QString barPercent(const QString& text, double maximum) {
    bool ok = false;
    const double number = parseNumber(text, &ok);
    if (!ok || number <= 0 || maximum <= 0)
        return {};
    const double percent = std::round(number / maximum * 100.0);
    return QString::number(std::clamp(percent, 1.0, 100.0));
}

mustache::data rowData(const PrintedCells& cells, int rowIndex, int rowCount) {
    mustache::data row;
    mustache::data bars;
    for (int column = 0; column < int(cells.names.size()); ++column) {
        const QString& text = cells.text(rowIndex, column);
        const std::string& name = cells.names[column];
        row[name] = textOrFalse(text);
        if (const std::optional<double>& maximum = cells.maxima[column])
            bars[name] = textOrFalse(barPercent(text, *maximum));
    }
    row["bar"] = std::move(bars);
    row["row"] = mustache::data(std::to_string(rowIndex + 1));
    row["first"] = mustache::data(rowIndex == 0);
    row["last"] = mustache::data(rowIndex == rowCount - 1);
    row["even"] = mustache::data(rowIndex % 2 == 1);
    return row;
}

mustache::data rowsData(const DataSet& set) {
    const PrintedCells cells = printedCells(set);
    const int count = int(set.rows.size());
    mustache::data rows{mustache::data::type::list};
    mustache::list& list = listOf(rows);
    list.reserve(count);  // no reallocation: the library's move may throw, so it would copy
    for (int row = 0; row < count; ++row) list.push_back(rowData(cells, row, count));
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
        data[utf8(set.name)] = rowsData(set);
        counts[utf8(set.name)] = mustache::data(std::to_string(set.rows.size()));
    }
    data["count"] = std::move(counts);
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
