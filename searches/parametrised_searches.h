#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace searches {

// What a search hands on: the title line written into PERIGRAFH and the statement the search
// results window runs.
struct SearchRequest {
    QString title;
    QString statement;
};

// The statement head every parametrised search starts with: the ten result columns of the
// search results window, from CHILDREN, up to WHERE.
QString parametrisedSearchHead();

// The message of the searches whose typed criteria are checked.
QString wrongCriteriaMessage();

// The levels of education the staff choose from.
QStringList educationLevels();

// Parents' education: a level for each ticked person, nothing for the others; at least one
// should be ticked (the window allows the search only then).
struct EducationChoice {
    std::optional<QString> father;
    std::optional<QString> mother;
    std::optional<QString> guardian;

    bool anyTicked() const { return father || mother || guardian; }
};
SearchRequest educationSearch(const EducationChoice& choice);

// The searches over typed criteria. Each text is trimmed first; nothing is returned when the
// criteria do not pass the search's check (dates for born-between, whole numbers otherwise).
std::optional<SearchRequest> bornBetweenSearch(const QString& from, const QString& to);
std::optional<SearchRequest> siblingsSearch(const QString& from, const QString& to);
std::optional<SearchRequest> bedroomsSearch(const QString& from, const QString& to);
std::optional<SearchRequest> positionSearch(const QString& position);

// The searches by an hour chosen from its list.
SearchRequest arrivalSearch(const QString& hour);
SearchRequest departureSearch(const QString& hour);
SearchRequest arrivalAndDepartureSearch(const QString& arrival, const QString& departure);

// A typed whole number as the checks accept it: digits with an optional sign, within the range
// of a whole number (the text is trimmed first).
bool isWholeNumber(const QString& text);

}  // namespace searches
