#include "attributelist.h"

#include "elementrecord.h"

#include "common/taglistfile.h"
#include "common/words.h"

namespace AttributeList {

enum class Fill { Quoted, Bare, Choice };

// Where a rule's value comes from: one of the three values, or a field of
// the record passed as the first value.
struct Source
{
    int value = 0;       // 1 to 3, or 0 for a record field
    int recordField = 0; // counted from 1
};

struct Rule
{
    const char *tag;
    const char *name;
    Fill fill;
    Source source;
};

namespace {

constexpr Source value(int n) { return {n, 0}; }
constexpr Source recordField(int n) { return {0, n}; }

const Rule rules[] = {
    {"card", "ID=", Fill::Quoted, value(1)},
    {"card", "CLASS=", Fill::Quoted, value(2)},
    {"card", "TITLE=", Fill::Quoted, value(3)},
    {"p", "ID=", Fill::Quoted, recordField(1)},
    {"p", "CLASS=", Fill::Quoted, recordField(2)},
    {"p", "ALIGN=", Fill::Choice, recordField(3)},
    {"p", "MODE=", Fill::Choice, recordField(4)},
    {"a", "HREF=", Fill::Bare, value(1)},
    {"do", "ID=", Fill::Quoted, recordField(2)},
    {"do", "CLASS=", Fill::Quoted, recordField(3)},
    {"do", "TYPE=", Fill::Choice, recordField(4)},
    {"do", "LABEL=", Fill::Quoted, recordField(5)},
    {"do", "NAME=", Fill::Quoted, recordField(6)},
    {"do", "OPTIONAL=", Fill::Choice, recordField(7)},
    {"img", "SRC=", Fill::Quoted, value(1)},
    {"img", "ALT=", Fill::Quoted, value(2)},
    {"option", "ID=", Fill::Quoted, recordField(2)},
    {"option", "CLASS=", Fill::Quoted, recordField(3)},
    {"option", "VALUE=", Fill::Quoted, recordField(4)},
    {"option", "TITLE=", Fill::Quoted, recordField(5)},
    {"option", "ONPICK=", Fill::Quoted, recordField(6)},
    {"postfield", "ID=", Fill::Quoted, recordField(1)},
    {"postfield", "CLASS=", Fill::Quoted, recordField(2)},
    {"postfield", "NAME=", Fill::Quoted, recordField(3)},
    {"postfield", "VALUE=", Fill::Quoted, recordField(4)},
};

const Rule *ruleFor(const QString &tagWord, const QString &word)
{
    for (const Rule &rule : rules) {
        if (tagWord.compare(QLatin1String(rule.tag), Qt::CaseInsensitive) == 0
            && word.startsWith(QLatin1String(rule.name), Qt::CaseInsensitive))
            return &rule;
    }
    return nullptr;
}

QString applyRule(const Rule &rule, QString word, const QString (&values)[3], const QStringList &recordFields)
{
    const QString source = rule.source.value > 0 ? values[rule.source.value - 1]
                                                 : recordFields.value(rule.source.recordField - 1);
    if (rule.fill == Fill::Choice) {
        const int equals = word.indexOf(QLatin1Char('='));
        const QString options = word.mid(equals + 1).remove(QLatin1Char('"'));
        return word.left(equals + 1) + QLatin1Char('"') + MakeChoiceValue(options, source) + QLatin1Char('"');
    }
    const int quotes = word.indexOf(QStringLiteral("\"\""));
    if (quotes < 0)
        return word; // a default of its own stays
    const QString filled = rule.fill == Fill::Quoted ? QLatin1Char('"') + source + QLatin1Char('"') : source;
    return word.replace(quotes, 2, filled);
}

} // namespace

QString ReadTagTemplate(const QString &tagWord)
{
    return TagListFile::tagValue(tagWord);
}

QString MakeChoiceValue(const QString &options, const QString &value)
{
    if (value == ElementRecord::none())
        return options;
    const QStringList words = Words::split(options, u";");
    if (words.size() < 2)
        return QString();
    QString index;
    for (qsizetype i = 1; i < words.size(); ++i) {
        if (words[i].compare(value, Qt::CaseInsensitive) == 0)
            index = QString::number(i - 1);
    }
    return index + QLatin1Char(';') + words.mid(1).join(QLatin1Char(';'));
}

PreparedTemplate prepare(const QString &tagWord, const QString &tagTemplate)
{
    PreparedTemplate prepared;
    prepared.tagWord = tagWord;
    for (QString word : TagListFile::items(tagTemplate)) {
        const int marker = word.indexOf(QLatin1Char('#'));
        if (marker >= 0)
            word.remove(marker, 1);
        prepared.rules << ruleFor(tagWord, word);
        prepared.words << word;
    }
    return prepared;
}

QStringList build(const PreparedTemplate &prepared, const QString &first, const QString &second,
                  const QString &third)
{
    const QString values[3] = {first, second, third};
    // Rules that read the record's fields find them cut up once.
    QStringList recordFields;
    bool fieldsCut = false;
    QStringList lines;
    lines.reserve(prepared.words.size() + 1);
    lines << prepared.tagWord;
    for (qsizetype i = 0; i < prepared.words.size(); ++i) {
        QString word = prepared.words[i];
        if (const Rule *rule = prepared.rules[i]) {
            if (rule->source.value == 0 && !fieldsCut) {
                recordFields = ElementRecord::fields(first);
                fieldsCut = true;
            }
            word = applyRule(*rule, word, values, recordFields);
        }
        lines << word.remove(ElementRecord::none());
    }
    return lines;
}

QStringList build(const QString &tagWord, const QString &tagTemplate, const QString &first,
                  const QString &second, const QString &third)
{
    return build(prepare(tagWord, tagTemplate), first, second, third);
}

} // namespace AttributeList
