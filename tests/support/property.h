#pragma once

#include <QList>
#include <QRandomGenerator>
#include <QString>

namespace testsupport {

// Generated inputs for property tests. Each test tries its default number of inputs;
// VELORIMA_PROPERTY_SCALE=N tries N times as many (a long run), and VELORIMA_PROPERTY_SEED
// replays a run whose seed a failure printed.
class PropertyInputs {
public:
    PropertyInputs();

    int runs(int defaultRuns) const { return defaultRuns * scale_; }
    quint32 seed() const { return seed_; }
    // For SCOPED_TRACE: how to replay this run.
    std::string replay() const;

    int number(int lowest, int highest);  // both included
    bool chance(int percent);
    QChar oneOf(const QString& alphabet);
    template <typename T>
    const T& oneOf(const QList<T>& choices) {
        return choices.at(random_.bounded(static_cast<int>(choices.size())));
    }
    // Up to maxLength characters drawn from the alphabet.
    QString text(const QString& alphabet, int maxLength);
    // The text after a few random edits: characters of the alphabet inserted or put in place of
    // others, characters deleted, a piece repeated.
    QString mutated(const QString& text, const QString& alphabet, int maxEdits);

private:
    quint32 seed_;
    int scale_;
    QRandomGenerator random_;
};

}  // namespace testsupport
