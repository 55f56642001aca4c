#include "db/dialect.h"

#include <QDate>
#include <QRegularExpression>
#include <QTime>

#include "db/error.h"
#include "db/quoting.h"

namespace db {

namespace {

bool isWordStart(QChar c) {
    return c.isLetter() || c == u'_';
}
bool isWordChar(QChar c) {
    return c.isLetterOrNumber() || c == u'_';
}

// The functions of the dialect that the engine knows under another name.
QString engineFunction(const QString& word) {
    static const QStringList renamed = {
        QStringLiteral("DATE"),  QStringLiteral("DAY"), QStringLiteral("MONTH"),
        QStringLiteral("YEAR"),  QStringLiteral("STR"), QStringLiteral("FORMAT"),
        QStringLiteral("UCASE"), QStringLiteral("LEN"), QStringLiteral("IIF"),
    };
    const QString upper = word.toUpper();
    return renamed.contains(upper) ? QStringLiteral("VEL_") + upper : QString();
}

// "m/d/yyyy" with an optional time "h:mm[:ss]" -> the stored form; empty when not a date.
QString storedDate(const QString& literal) {
    static const QRegularExpression form(QStringLiteral(
        R"(^\s*(\d{1,2})/(\d{1,2})/(\d{1,4})(?:\s+(\d{1,2}):(\d{2})(?::(\d{2}))?)?\s*$)"));
    const QRegularExpressionMatch match = form.match(literal);
    if (!match.hasMatch()) {
        return {};
    }
    const QDate date(match.captured(3).toInt(), match.captured(1).toInt(),
                     match.captured(2).toInt());
    if (!date.isValid()) {
        return {};
    }
    QString stored = date.toString(Qt::ISODate);
    if (match.hasCaptured(4)) {
        const QTime time(match.captured(4).toInt(), match.captured(5).toInt(),
                         match.captured(6).toInt());
        if (!time.isValid()) {
            return {};
        }
        stored += u' ' + time.toString(QStringLiteral("HH:mm:ss"));
    }
    return stored;
}

class Translator {
public:
    explicit Translator(const QString& statement) : in_(statement) {}

    QString run() {
        while (at_ < in_.size()) {
            const QChar c = in_.at(at_);
            if (c == u'\'') {
                copyQuoted(u'\'');
            } else if (c == u'"') {
                out_ += quotedText(readDelimited(u'"', u'"'));
            } else if (c == u'[') {
                out_ += quotedName(readDelimited(u'[', u']'));
            } else if (c == u'#') {
                dateLiteral();
            } else if (isWordStart(c)) {
                word();
            } else if (c.isDigit()) {
                number();
            } else {
                out_ += c;
                ++at_;
            }
        }
        return out_;
    }

private:
    [[noreturn]] void syntaxError(const QString& what) const {
        throw Error(what + QStringLiteral(" in query expression: ") + in_, 1, in_);
    }

    // Copies a single-quoted text as it is; '' stands for one quote inside it.
    void copyQuoted(QChar quote) {
        const qsizetype start = at_;
        ++at_;
        while (true) {
            if (at_ >= in_.size()) {
                syntaxError(QStringLiteral("Syntax error in string"));
            }
            if (in_.at(at_) == quote) {
                if (at_ + 1 < in_.size() && in_.at(at_ + 1) == quote) {
                    at_ += 2;
                    continue;
                }
                ++at_;
                break;
            }
            ++at_;
        }
        out_ += in_.mid(start, at_ - start);
    }

    // The content between open and close; a doubled close stands for itself (for "...").
    QString readDelimited(QChar open, QChar close) {
        QString content;
        ++at_;
        while (true) {
            if (at_ >= in_.size()) {
                syntaxError(open == u'[' ? QStringLiteral("Invalid bracketing of name")
                                         : QStringLiteral("Syntax error in string"));
            }
            const QChar c = in_.at(at_);
            if (c == close) {
                if (open == close && at_ + 1 < in_.size() && in_.at(at_ + 1) == close) {
                    content += c;
                    at_ += 2;
                    continue;
                }
                ++at_;
                return content;
            }
            content += c;
            ++at_;
        }
    }

    // #m/d/yyyy# -> 'yyyy-mm-dd'. A malformed literal is an error here: the engine would read
    // "#..." as a parameter, not reject it.
    void dateLiteral() {
        const qsizetype close = in_.indexOf(u'#', at_ + 1);
        const QString stored =
            close < 0 ? QString() : storedDate(in_.mid(at_ + 1, close - at_ - 1));
        if (stored.isEmpty()) {
            syntaxError(QStringLiteral("Syntax error in date"));
        }
        out_ += quotedText(stored);
        at_ = close + 1;
    }

    void word() {
        const qsizetype start = at_;
        while (at_ < in_.size() && isWordChar(in_.at(at_))) {
            ++at_;
        }
        const QString text = in_.mid(start, at_ - start);
        const bool afterDot = start > 0 && in_.at(start - 1) == u'.';
        if (!afterDot && text.compare(u"TRUE", Qt::CaseInsensitive) == 0) {
            out_ += u'1';
        } else if (!afterDot && text.compare(u"FALSE", Qt::CaseInsensitive) == 0) {
            out_ += u'0';
        } else if (!afterDot && nextIsOpenParenthesis() && !engineFunction(text).isEmpty()) {
            out_ += engineFunction(text);
        } else {
            out_ += text;
        }
    }

    void number() {
        const qsizetype start = at_;
        while (at_ < in_.size() && (isWordChar(in_.at(at_)) || in_.at(at_) == u'.')) {
            ++at_;
        }
        out_ += in_.mid(start, at_ - start);
    }

    bool nextIsOpenParenthesis() const {
        qsizetype next = at_;
        while (next < in_.size() && in_.at(next).isSpace()) {
            ++next;
        }
        return next < in_.size() && in_.at(next) == u'(';
    }

    const QString& in_;
    qsizetype at_ = 0;
    QString out_;
};

}  // namespace

QString translate(const QString& statement) {
    return Translator(statement).run();
}

}  // namespace db
