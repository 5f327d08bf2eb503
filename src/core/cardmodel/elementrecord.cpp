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

namespace {

// Calls add(pair) for each NAME="value" pair of an attribute text.
template<typename Add>
void forEachPair(QStringView attributeText, Add add)
{
    const QStringList words = Words::split(attributeText, u"\"");
    for (qsizetype i = 0; i + 1 < words.size(); i += 2) {
        QStringView name(words[i]);
        while (!name.isEmpty() && name.front().unicode() <= 32)
            name = name.mid(1);
        // Trimming the pair at the left trims its name: the quote after the
        // name stops it.
        QString pair;
        pair.reserve(name.size() + words[i + 1].size() + 2);
        pair += name;
        pair += QLatin1Char('"');
        pair += words[i + 1];
        pair += QLatin1Char('"');
        add(pair);
    }
}

} // namespace

QString SplitAttributes(const QString &attributeText)
{
    QStringList pairs;
    forEachPair(attributeText, [&](const QString &pair) { pairs << pair; });
    return pairs.join(recordSeparator);
}

QStringList attributeItems(QStringView attributeText)
{
    QStringList items;
    forEachPair(attributeText, [&](const QString &pair) {
        if (pair.contains(QLatin1Char('^')))
            items << fields(pair);
        else
            items << pair;
    });
    return items;
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
