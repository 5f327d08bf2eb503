#include "inputmask.h"

namespace {

bool isCode(QChar c)
{
    return QStringLiteral("AaNnXxMm").contains(c);
}

bool isSymbolOrPunctuation(QChar c)
{
    return c.isPunct() || c.isSymbol();
}

bool isUpper(QChar c)
{
    return c.category() == QChar::Letter_Uppercase || c.category() == QChar::Letter_Modifier
           || c.category() == QChar::Letter_Other;
}

bool isLower(QChar c)
{
    return c.category() == QChar::Letter_Lowercase || c.category() == QChar::Letter_Modifier
           || c.category() == QChar::Letter_Other;
}

bool isNumeric(QChar c)
{
    return c.category() == QChar::Number_DecimalDigit;
}

} // namespace

InputMask::InputMask(const QString &format)
{
    if (format.isEmpty()) {
        m_tailCode = QLatin1Char('M');
        m_tailCount = -1;
        return;
    }
    for (qsizetype i = 0; i < format.size(); ++i) {
        const QChar c = format[i];
        const bool last = i + 2 == format.size();
        if (c == QLatin1Char('\\') && i + 1 < format.size()) {
            m_fixed.append({QChar(), format[++i]});
        } else if (isCode(c)) {
            m_fixed.append({c, QChar()});
        } else if ((c == QLatin1Char('*') || (c >= QLatin1Char('1') && c <= QLatin1Char('9'))) && last
                   && isCode(format[i + 1])) {
            m_tailCount = c == QLatin1Char('*') ? -1 : c.digitValue();
            m_tailCode = format[++i];
        } else {
            m_valid = false;
            break;
        }
    }
    if (!m_valid) {
        m_fixed.clear();
        m_tailCode = QLatin1Char('M');
        m_tailCount = -1;
    }
}

bool InputMask::codeAccepts(QChar code, QChar c)
{
    switch (code.unicode()) {
    case 'A':
        return !isNumeric(c) && (isUpper(c) || isSymbolOrPunctuation(c));
    case 'a':
        return !isNumeric(c) && (isLower(c) || isSymbolOrPunctuation(c));
    case 'N':
        return isNumeric(c);
    case 'n':
        return isNumeric(c) || isSymbolOrPunctuation(c);
    case 'X':
        return isUpper(c) || isNumeric(c) || isSymbolOrPunctuation(c);
    case 'x':
        return isLower(c) || isNumeric(c) || isSymbolOrPunctuation(c);
    default: // M and m take any character
        return true;
    }
}

bool InputMask::allowsEmpty() const
{
    return m_fixed.isEmpty() && !m_tailCode.isNull();
}

bool InputMask::accepts(const QString &value) const
{
    if (value.size() < m_fixed.size())
        return false;
    for (qsizetype i = 0; i < m_fixed.size(); ++i) {
        const Position &position = m_fixed[i];
        if (position.code.isNull() ? value[i] != position.staticChar : !codeAccepts(position.code, value[i]))
            return false;
    }
    const qsizetype rest = value.size() - m_fixed.size();
    if (rest == 0)
        return true;
    if (m_tailCode.isNull() || (m_tailCount >= 0 && rest > m_tailCount))
        return false;
    for (qsizetype i = m_fixed.size(); i < value.size(); ++i) {
        if (!codeAccepts(m_tailCode, value[i]))
            return false;
    }
    return true;
}

InputRules InputRules::of(const QString &format, const QString &emptyOk, const QString &maxLength)
{
    InputRules rules;
    rules.mask = InputMask(format);
    if (emptyOk == QLatin1String("true"))
        rules.emptyOk = true;
    else if (emptyOk == QLatin1String("false"))
        rules.emptyOk = false;
    else
        rules.emptyOk = rules.mask.allowsEmpty();
    bool ok = false;
    const int length = maxLength.trimmed().toInt(&ok);
    rules.maxLength = ok && length >= 0 ? length : -1;
    return rules;
}

bool InputRules::accepts(const QString &value) const
{
    if (value.isEmpty())
        return emptyOk;
    if (maxLength >= 0 && value.size() > maxLength)
        return false;
    return mask.accepts(value);
}
