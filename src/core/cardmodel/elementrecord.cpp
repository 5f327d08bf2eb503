#include "elementrecord.h"

#include "common/words.h"

#include <optional>

namespace ElementRecord {

namespace {

const QString recordSeparator = QStringLiteral("^");

char16_t asciiUpper(char16_t c)
{
    return (c >= u'a' && c <= u'z') ? char16_t(c - 32) : c;
}

bool startsWithKey(QStringView item, QStringView key)
{
    if (item.size() < key.size())
        return false;
    for (qsizetype i = 0; i < key.size(); ++i) {
        if (asciiUpper(item[i].unicode()) != key[i].unicode())
            return false;
    }
    return true;
}

// The value of the first matching item or line, if any.
std::optional<QString> findValue(const QStringList &items, const QString &key)
{
    for (const QString &item : items) {
        if (startsWithKey(item, key))
            return Words::at(item, 2, u"=").remove(QLatin1Char('"'));
    }
    return std::nullopt;
}

} // namespace

const QString &none()
{
    static const QString text = QStringLiteral("<!-- none -->");
    return text;
}

QString field(const QString &record, int n)
{
    return Words::at(record, n, recordSeparator);
}

QStringList fields(const QString &record)
{
    return Words::split(record, recordSeparator);
}

QString shownText(const QString &record, int n)
{
    return record.contains(recordSeparator) ? field(record, n) : record;
}

QString SplitAttributes(const QString &attributeText)
{
    const QStringList words = Words::split(attributeText, u"\"");
    QStringList pairs;
    pairs.reserve(words.size() / 2);
    for (qsizetype i = 0; i + 1 < words.size(); i += 2) {
        QString pair = words[i] + QLatin1Char('"') + words[i + 1] + QLatin1Char('"');
        qsizetype start = 0;
        while (start < pair.size() && pair[start].unicode() <= 32)
            ++start;
        pairs << pair.mid(start);
    }
    return pairs.join(recordSeparator);
}

QString FindAttribute(const QStringList &items, const QString &key)
{
    return findValue(items, key).value_or(none());
}

QString ReadElementAttribute(const QStringList &lines, const QString &key)
{
    return findValue(lines, key).value_or(QString());
}

} // namespace ElementRecord
