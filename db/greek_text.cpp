#include "db/greek_text.h"

#include <array>
#include <utility>

namespace db {

namespace {

// Base letter of a character: the first character of its canonical decomposition, so that
// accented Greek and Latin letters fold onto their plain letter (ά -> α, ΐ -> ι, é -> e).
QChar baseLetter(QChar c) {
    if (c.unicode() < 0x80) {
        return c;
    }
    if (c.decompositionTag() == QChar::Canonical) {
        const QString decomposed = c.decomposition();
        if (!decomposed.isEmpty()) {
            return baseLetter(decomposed.at(0));
        }
    }
    return c;
}

bool isCombiningMark(QChar c) {
    if (c.unicode() < 0x300) {
        return false;
    }
    const QChar::Category category = c.category();
    return category == QChar::Mark_NonSpacing || category == QChar::Mark_SpacingCombining ||
           category == QChar::Mark_Enclosing;
}

QChar keyChar(QChar c) {
    if (c == u'ς') {
        return u'Σ';
    }
    return baseLetter(c).toUpper();
}

// Matches from left to right and, on a mismatch, goes back only to the latest %: letting that
// one swallow one more character covers every choice of the earlier ones, so the work stays
// proportional to text length times pattern length, however many % groups the pattern has.
bool likeMatch(const QString& text, const QString& pattern) {
    qsizetype t = 0;
    qsizetype p = 0;
    qsizetype afterPercent = -1;  // pattern position after the latest %
    qsizetype swallowedUpTo = 0;  // text position that % has swallowed up to
    while (t < text.size()) {
        if (p < pattern.size() && pattern.at(p) == u'%') {
            afterPercent = ++p;
            swallowedUpTo = t;
        } else if (p < pattern.size() && (pattern.at(p) == u'_' || pattern.at(p) == text.at(t))) {
            ++t;
            ++p;
        } else if (afterPercent >= 0) {
            p = afterPercent;
            t = ++swallowedUpTo;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern.at(p) == u'%') {
        ++p;
    }
    return p == pattern.size();
}

// The key units of the Latin, Greek and combining ranges, worked out once: comparing then
// costs a table read per character instead of a decomposition and two new strings.
// A combining mark has no unit in the key; the table marks it 0, which no other unit but
// U+0000 itself maps to.
constexpr char16_t kTableEnd = 0x2000;
constexpr int kEnd = -1;

char16_t keyUnitByRule(char16_t unit) {
    const QChar c(unit);
    return isCombiningMark(c) ? 0 : keyChar(c).unicode();
}

bool isSkipped(char16_t unit, char16_t key) {
    return key == 0 && unit != 0;
}

// Filled when the program loads (a millisecond), so that reading it needs no guard.
const std::array<char16_t, kTableEnd> kKeyUnits = [] {
    std::array<char16_t, kTableEnd> units{};
    for (char16_t unit = 0; unit < kTableEnd; ++unit) {
        units[unit] = keyUnitByRule(unit);
    }
    return units;
}();

char16_t keyUnit(char16_t unit) {
    return unit < kTableEnd ? kKeyUnits[unit] : keyUnitByRule(unit);
}

// The key units of a UTF-16 text, one at a time, then kEnd.
class Utf16Keys {
public:
    explicit Utf16Keys(const QString& text) : text_(text) {}
    int next() {
        while (position_ < text_.size()) {
            const char16_t unit = text_.at(position_++).unicode();
            const char16_t key = keyUnit(unit);
            if (!isSkipped(unit, key)) {
                return key;
            }
        }
        return kEnd;
    }

private:
    const QString& text_;
    qsizetype position_ = 0;
};

// The key units of a UTF-8 text as SQLite hands it to the collation: each code point is read
// as its UTF-16 units (a pair of surrogates above U+FFFF), so the order is that of the keys of
// the decoded texts. Text that is not valid UTF-8 sets invalid() and the caller decodes it.
class Utf8Keys {
public:
    Utf8Keys(const unsigned char* bytes, int length) : bytes_(bytes), end_(bytes + length) {}
    bool invalid() const { return invalid_; }
    int next() {
        for (;;) {
            if (pendingLowSurrogate_ != 0) {
                return std::exchange(pendingLowSurrogate_, 0);
            }
            if (bytes_ == end_) {
                return kEnd;
            }
            const char32_t point = decode();
            if (invalid_) {
                return kEnd;
            }
            if (point >= 0x10000) {
                pendingLowSurrogate_ = static_cast<char16_t>(0xDC00 + ((point - 0x10000) & 0x3FF));
                return static_cast<char16_t>(0xD800 + ((point - 0x10000) >> 10));
            }
            const auto unit = static_cast<char16_t>(point);
            const char16_t key = keyUnit(unit);
            if (!isSkipped(unit, key)) {
                return key;
            }
        }
    }

private:
    char32_t decode() {
        const unsigned char lead = *bytes_++;
        if (lead < 0x80) {
            return lead;
        }
        int continuation = 0;
        char32_t point = 0;
        char32_t lowest = 0;
        if ((lead & 0xE0) == 0xC0) {
            continuation = 1, point = lead & 0x1F, lowest = 0x80;
        } else if ((lead & 0xF0) == 0xE0) {
            continuation = 2, point = lead & 0x0F, lowest = 0x800;
        } else if ((lead & 0xF8) == 0xF0) {
            continuation = 3, point = lead & 0x07, lowest = 0x10000;
        } else {
            invalid_ = true;
            return 0;
        }
        for (int i = 0; i < continuation; ++i) {
            if (bytes_ == end_ || (*bytes_ & 0xC0) != 0x80) {
                invalid_ = true;
                return 0;
            }
            point = (point << 6) | (*bytes_++ & 0x3F);
        }
        // Overlong forms, surrogates and points past U+10FFFF are not UTF-8.
        if (point < lowest || (point >= 0xD800 && point <= 0xDFFF) || point > 0x10FFFF) {
            invalid_ = true;
            return 0;
        }
        return point;
    }

    const unsigned char* bytes_;
    const unsigned char* end_;
    char16_t pendingLowSurrogate_ = 0;
    bool invalid_ = false;
};

template <typename KeysA, typename KeysB>
int compareKeys(KeysA& a, KeysB& b) {
    for (;;) {
        const int unitA = a.next();
        const int unitB = b.next();
        if (unitA != unitB || unitA == kEnd) {
            return unitA - unitB;
        }
    }
}

}  // namespace

QString comparisonKey(const QString& text) {
    QString key;
    key.reserve(text.size());
    for (QChar c : text) {
        // Upper-casing ΐ or ΰ, and letters typed with a separate accent, leave combining marks
        // beside the letter; they carry no letter of their own and are left out of the key.
        if (!isCombiningMark(c)) {
            key.append(keyChar(c));
        }
    }
    return key;
}

int compareGreek(const QString& a, const QString& b) {
    Utf16Keys keysA(a);
    Utf16Keys keysB(b);
    return compareKeys(keysA, keysB);
}

int compareGreekUtf8(const char* a, int lengthA, const char* b, int lengthB) {
    Utf8Keys keysA(reinterpret_cast<const unsigned char*>(a), lengthA);
    Utf8Keys keysB(reinterpret_cast<const unsigned char*>(b), lengthB);
    const int order = compareKeys(keysA, keysB);
    if (keysA.invalid() || keysB.invalid()) {
        return compareGreek(QString::fromUtf8(a, lengthA), QString::fromUtf8(b, lengthB));
    }
    return order;
}

bool likeGreek(const QString& text, const QString& pattern) {
    return likeMatch(comparisonKey(text), comparisonKey(pattern));
}

}  // namespace db
