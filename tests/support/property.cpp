#include "support/property.h"

namespace testsupport {

namespace {

int environmentNumber(const char* name, int fallback) {
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok ? value : fallback;
}

}  // namespace

PropertyInputs::PropertyInputs()
    : seed_(static_cast<quint32>(environmentNumber(
          "VELORIMA_PROPERTY_SEED", static_cast<int>(QRandomGenerator::global()->generate())))),
      scale_(std::max(1, environmentNumber("VELORIMA_PROPERTY_SCALE", 1))),
      random_(seed_) {}

std::string PropertyInputs::replay() const {
    return "replay with VELORIMA_PROPERTY_SEED=" + std::to_string(static_cast<qint32>(seed_));
}

int PropertyInputs::number(int lowest, int highest) {
    return random_.bounded(lowest, highest + 1);
}

bool PropertyInputs::chance(int percent) {
    return random_.bounded(100) < percent;
}

QChar PropertyInputs::oneOf(const QString& alphabet) {
    return alphabet.at(random_.bounded(static_cast<int>(alphabet.size())));
}

QString PropertyInputs::text(const QString& alphabet, int maxLength) {
    QString text;
    const int length = number(0, maxLength);
    for (int i = 0; i < length; ++i) {
        text += oneOf(alphabet);
    }
    return text;
}

QString PropertyInputs::mutated(const QString& text, const QString& alphabet, int maxEdits) {
    QString result = text;
    const int edits = number(1, maxEdits);
    for (int edit = 0; edit < edits; ++edit) {
        const int at = number(0, static_cast<int>(result.size()));
        const bool atChar = at < result.size();
        switch (number(0, 3)) {
            case 0:
                result.insert(at, oneOf(alphabet));
                break;
            case 1:
                if (atChar) {
                    result[at] = oneOf(alphabet);
                }
                break;
            case 2:
                result.remove(at, number(1, 3));
                break;
            default: {
                const int length = number(1, 8);
                result.insert(at, result.mid(at, length));
                break;
            }
        }
    }
    return result;
}

}  // namespace testsupport
