#include "inifile.h"

#include "words.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>

namespace {

QString decodeText(const QByteArray &bytes, bool *latin1)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8(bytes);
    *latin1 = utf8.hasError();
    if (*latin1)
        text = QString::fromLatin1(bytes);
    return text;
}

bool isQuote(QChar c)
{
    return c == QLatin1Char('"') || c == QLatin1Char('\'');
}

} // namespace

void IniFile::Section::index()
{
    firstKeyIndex.clear();
    for (int i = int(lines.size()) - 1; i >= 0; --i) {
        if (!lines[i].key.isEmpty())
            firstKeyIndex.insert(lines[i].key.toLower(), i);
    }
}

IniFile IniFile::load(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return IniFile();
    bool latin1 = false;
    IniFile ini = fromText(decodeText(file.readAll(), &latin1));
    ini.m_latin1 = latin1;
    return ini;
}

IniFile IniFile::fromText(const QString &text)
{
    IniFile ini;
    if (text.contains(QLatin1String("\r\n")))
        ini.m_lineBreak = QStringLiteral("\r\n");
    ini.m_sections.push_back(Section());
    qsizetype pos = 0;
    while (pos < text.size()) {
        qsizetype end = text.indexOf(QLatin1Char('\n'), pos);
        if (end < 0)
            end = text.size();
        QString raw = text.mid(pos, end - pos);
        pos = end + 1;
        if (raw.endsWith(QLatin1Char('\r')))
            raw.chop(1);
        const QString trimmed = Words::trimmed(raw);
        if (trimmed.startsWith(QLatin1Char('[')) && trimmed.contains(QLatin1Char(']'))) {
            Section section;
            section.header = raw;
            section.name = Words::trimmed(trimmed.mid(1, trimmed.indexOf(QLatin1Char(']')) - 1));
            ini.m_sections.push_back(std::move(section));
            continue;
        }
        Line line;
        line.raw = raw;
        const qsizetype equals = raw.indexOf(QLatin1Char('='));
        if (equals >= 0 && !trimmed.startsWith(QLatin1Char(';'))) {
            line.key = Words::trimmed(QStringView(raw).left(equals));
            line.value = raw.mid(equals + 1);
        }
        ini.m_sections.back().lines.push_back(std::move(line));
    }
    for (Section &section : ini.m_sections)
        section.index();
    return ini;
}

const IniFile::Section *IniFile::findSection(const QString &name) const
{
    if (name.isEmpty())
        return nullptr;
    for (const Section &section : m_sections) {
        if (section.name.compare(name, Qt::CaseInsensitive) == 0)
            return &section;
    }
    return nullptr;
}

IniFile::Section *IniFile::findSection(const QString &name)
{
    return const_cast<Section *>(static_cast<const IniFile *>(this)->findSection(name));
}

IniFile::Section &IniFile::sectionForWriting(const QString &name)
{
    if (Section *existing = findSection(name))
        return *existing;
    if (m_sections.empty())
        m_sections.push_back(Section());
    Section section;
    section.name = name;
    section.header = QLatin1Char('[') + name + QLatin1Char(']');
    m_sections.push_back(std::move(section));
    return m_sections.back();
}

QStringList IniFile::sections() const
{
    QStringList names;
    for (const Section &section : m_sections) {
        if (!section.name.isEmpty())
            names.append(section.name);
    }
    return names;
}

bool IniFile::hasSection(const QString &section) const
{
    return findSection(section) != nullptr;
}

QStringList IniFile::keys(const QString &section) const
{
    QStringList result;
    const Section *found = findSection(section);
    if (!found)
        return result;
    for (int i = 0; i < int(found->lines.size()); ++i) {
        const QString &key = found->lines[i].key;
        if (!key.isEmpty() && found->firstKeyIndex.value(key.toLower()) == i)
            result.append(key);
    }
    return result;
}

bool IniFile::contains(const QString &section, const QString &key) const
{
    const Section *found = findSection(section);
    return found && found->firstKeyIndex.contains(key.toLower());
}

QString IniFile::value(const QString &section, const QString &key, const QString &defaultValue) const
{
    const Section *found = findSection(section);
    if (!found)
        return defaultValue;
    const auto it = found->firstKeyIndex.constFind(key.toLower());
    if (it == found->firstKeyIndex.cend())
        return defaultValue;
    return unquote(found->lines[*it].value);
}

int IniFile::intValue(const QString &section, const QString &key, int defaultValue) const
{
    bool ok = false;
    const int number = value(section, key).toInt(&ok);
    return ok ? number : defaultValue;
}

void IniFile::setValue(const QString &section, const QString &key, const QString &value)
{
    Section &target = sectionForWriting(section);
    const QString written = quoteForWriting(value);
    const auto it = target.firstKeyIndex.constFind(key.toLower());
    if (it != target.firstKeyIndex.cend()) {
        Line &line = target.lines[*it];
        line.value = written;
        line.raw = line.key + QLatin1Char('=') + written;
        return;
    }
    // New keys go after the section's last key, before trailing blank lines.
    int insertAt = int(target.lines.size());
    while (insertAt > 0 && Words::trimmed(target.lines[insertAt - 1].raw).isEmpty())
        --insertAt;
    Line line;
    line.key = key;
    line.value = written;
    line.raw = key + QLatin1Char('=') + written;
    target.lines.insert(target.lines.begin() + insertAt, std::move(line));
    target.index();
}

void IniFile::eraseSection(const QString &section)
{
    for (auto it = m_sections.begin(); it != m_sections.end();) {
        if (!it->name.isEmpty() && it->name.compare(section, Qt::CaseInsensitive) == 0)
            it = m_sections.erase(it);
        else
            ++it;
    }
}

QString IniFile::toText() const
{
    QString text;
    for (const Section &section : m_sections) {
        if (!section.name.isEmpty())
            text += section.header + m_lineBreak;
        for (const Line &line : section.lines)
            text += line.raw + m_lineBreak;
    }
    return text;
}

bool IniFile::save(const QString &path) const
{
    QSaveFile file(path);
    const bool existed = QFile::exists(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (!existed)
        file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    const QString text = toText();
    const QByteArray bytes = m_latin1 ? text.toLatin1() : text.toUtf8();
    if (file.write(bytes) != bytes.size())
        return false;
    return file.commit();
}

QString IniFile::quoteForWriting(const QString &value)
{
    const bool quoted = value.size() >= 2 && isQuote(value.front()) && value.front() == value.back();
    const bool padded = !value.isEmpty() && (value.front().unicode() <= 32 || value.back().unicode() <= 32);
    if (quoted || padded)
        return QLatin1Char('"') + value + QLatin1Char('"');
    return value;
}

QString IniFile::unquote(const QString &rawValue)
{
    QString value = Words::trimmed(rawValue);
    if (value.size() >= 2 && isQuote(value.front()) && value.front() == value.back())
        value = value.mid(1, value.size() - 2);
    return value;
}
