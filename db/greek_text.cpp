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

bool likeMatch(const QString& text, qsizetype t, const QString& pattern, qsizetype p) {
    while (p < pattern.size()) {
        const QChar pc = pattern.at(p);
        if (pc == u'%') {
            while (p < pattern.size() && pattern.at(p) == u'%') {
                ++p;
            }
            if (p == pattern.size()) {
                return true;
            }
            for (qsizetype start = t; start <= text.size(); ++start) {
                if (likeMatch(text, start, pattern, p)) {
                    return true;
                }
            }
            return false;
        }
        if (t == text.size()) {
            return false;
        }
        if (pc != u'_' && pc != text.at(t)) {
            return false;
        }
        ++t;
        ++p;
    }
    return t == text.size();
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
    return likeMatch(comparisonKey(text), 0, comparisonKey(pattern), 0);
}

}  // namespace db
