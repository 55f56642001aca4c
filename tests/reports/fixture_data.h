#pragma once

// Reads the data sets a report is rendered from in the golden tests: a JSON file
//   { "RvDataSetConnection6a": { "columns": ["A", "B"], "rows": [[1, "text"], ...] }, ... }
// Values: strings, numbers (whole numbers stay whole), null, and {"date": "yyyy-mm-dd"} for
// a date column, as the database layer hands them.

#include <QDate>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QList>
#include <QString>
#include <QVariant>

#include <cmath>
#include <stdexcept>

#include "reports/report_dataset.h"

namespace fixtures {

inline QVariant jsonValue(const QJsonValue& value) {
    if (value.isNull())
        return {};
    if (value.isObject())
        return QDate::fromString(value.toObject().value(QStringLiteral("date")).toString(),
                                 QStringLiteral("yyyy-MM-dd"));
    if (value.isDouble()) {
        const double number = value.toDouble();
        if (std::floor(number) == number && std::abs(number) < 1e15)
            return QVariant::fromValue<qlonglong>(static_cast<qlonglong>(number));
        return number;
    }
    if (value.isBool())
        return value.toBool();
    return value.toString();
}

inline reports::DataSet jsonDataSet(const QString& name, const QJsonObject& object) {
    reports::DataSet set{name, {}, {}};
    for (const QJsonValue& column : object.value(QStringLiteral("columns")).toArray())
        set.columns.append(column.toString());
    for (const QJsonValue& row : object.value(QStringLiteral("rows")).toArray()) {
        QVariantList values;
        for (const QJsonValue& value : row.toArray()) values.append(jsonValue(value));
        set.rows.append(values);
    }
    return set;
}

inline QList<reports::DataSet> readDataSets(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error("cannot read fixture " + path.toStdString());
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &error);
    if (error.error != QJsonParseError::NoError)
        throw std::runtime_error("bad fixture " + path.toStdString() + ": " +
                                 error.errorString().toStdString());
    QList<reports::DataSet> sets;
    const QJsonObject root = document.object();
    for (auto it = root.begin(); it != root.end(); ++it)
        sets.append(jsonDataSet(it.key(), it.value().toObject()));
    return sets;
}

}  // namespace fixtures
