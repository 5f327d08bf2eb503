#pragma once

#include <QChar>
#include <QList>
#include <QString>

// The format mask of an input field (WML 1.3, 11.6.3): codes A a N n X x
// M m, escaped static characters "\c", and at the end "*f" (any number of
// f) or "nf" (up to n of f, n from 1 to 9). An invalid mask is ignored,
// which leaves the default "*M".
class InputMask
{
public:
    explicit InputMask(const QString &format = QString());

    bool isValid() const { return m_valid; }
    // Whether an empty entry fits the mask by itself (no fixed positions).
    bool allowsEmpty() const;
    // Whether value fits the mask, position by position.
    bool accepts(const QString &value) const;
    // Whether code (one of AaNnXxMm) takes character c.
    static bool codeAccepts(QChar code, QChar c);

private:
    struct Position
    {
        QChar code;         // a format code, or null for a static character
        QChar staticChar;
    };
    QList<Position> m_fixed;
    QChar m_tailCode;       // the code of "*f" or "nf"; null when none
    int m_tailCount = 0;    // -1 for "*"
    bool m_valid = true;
};

// The rules of one input element together: mask, emptyok, maxlength.
struct InputRules
{
    InputMask mask;
    bool emptyOk = true;
    int maxLength = -1; // -1: no limit

    // The rules an input element's format, emptyok and maxlength attributes give.
    static InputRules of(const QString &format, const QString &emptyOk, const QString &maxLength);
    bool accepts(const QString &value) const;
};
