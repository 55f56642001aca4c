#include "db/greek_text.h"

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
    return comparisonKey(a).compare(comparisonKey(b));
}

bool likeGreek(const QString& text, const QString& pattern) {
    return likeMatch(comparisonKey(text), comparisonKey(pattern));
}

}  // namespace db
