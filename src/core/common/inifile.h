#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <vector>

// An INI file as people edit it by hand: "[Section]" headers followed by
// "key=value" lines. Sections and keys are found without regard to case,
// keys are listed in file order, the first matching key wins, values are
// trimmed and one pair of enclosing matching quotes (double or single) is
// removed on reading. Writing changes only the lines it must: comments,
// blank lines, odd lines and the spelling of existing keys stay as they were.
class IniFile
{
public:
    IniFile() = default;

    // Reads the file; a missing or unreadable file gives an empty IniFile.
    static IniFile load(const QString &path);
    static IniFile fromText(const QString &text);

    QStringList sections() const;
    bool hasSection(const QString &section) const;
    QStringList keys(const QString &section) const;
    bool contains(const QString &section, const QString &key) const;
    QString value(const QString &section, const QString &key, const QString &defaultValue = QString()) const;
    int intValue(const QString &section, const QString &key, int defaultValue) const;

    // Writes value so that value() gives it back unchanged: a text that
    // begins and ends with the same quote character, or that has white space
    // at an end, is wrapped in one extra pair of double quotes.
    void setValue(const QString &section, const QString &key, const QString &value);
    void eraseSection(const QString &section);

    QString toText() const;
    // Writes the whole file through a temporary file; a file created here is
    // readable and writable by its owner only. False when it cannot write.
    bool save(const QString &path) const;

    static QString quoteForWriting(const QString &value);
    static QString unquote(const QString &rawValue);

private:
    struct Line
    {
        QString raw;   // the line as in the file (regenerated when changed)
        QString key;   // empty for lines that hold no key
        QString value; // raw value after "=", untrimmed
    };
    struct Section
    {
        QString name;  // empty for the lines before the first header
        QString header;
        std::vector<Line> lines;
        QHash<QString, int> firstKeyIndex; // lower-case key -> line
        void index();
    };

    const Section *findSection(const QString &name) const;
    Section *findSection(const QString &name);
    Section &sectionForWriting(const QString &name);

    std::vector<Section> m_sections;
    QString m_lineBreak = QStringLiteral("\n");
    bool m_latin1 = false;
};
