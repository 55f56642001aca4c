#pragma once

#include <QDate>
#include <QList>
#include <random>

namespace sample {

// The one source of chance of the sample data. The Mersenne Twister's output is the same on every
// platform, and the helpers below use nothing else, so one seed always gives the same database.
class Random {
public:
    explicit Random(quint32 seed) : engine_(seed) {}

    // A whole number from low to high, both included.
    int between(int low, int high) {
        const auto span = static_cast<quint64>(high - low) + 1;
        return low + static_cast<int>(engine_() % span);
    }
    double real(double low, double high) {
        return low + (high - low) * (static_cast<double>(engine_()) / 4294967296.0);
    }
    bool chance(double probability) { return real(0, 1) < probability; }

    template <typename T>
    const T& pick(const QList<T>& list) {
        return list.at(between(0, static_cast<int>(list.size()) - 1));
    }
    QDate dayBetween(const QDate& from, const QDate& to) {
        return from.addDays(between(0, static_cast<int>(from.daysTo(to))));
    }

private:
    std::mt19937 engine_;
};

}  // namespace sample
