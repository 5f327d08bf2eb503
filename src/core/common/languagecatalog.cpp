#include "languagecatalog.h"

#include "localetable.h"

#include <QFileInfo>
#include <QSet>

namespace LanguageCatalog {

QString translationBase(const QString &programFile)
{
    const QFileInfo info(programFile);
    const QString name = info.fileName();
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot < 0)
        return programFile + QLatin1Char('.');
    return programFile.left(programFile.size() - (name.size() - dot - 1));
}

QList<LanguageItem> menuItems(const QString &base, const std::function<bool(const QString &)> &fileExists)
{
    QList<LanguageItem> items;
    QSet<QString> found;
    QString languageName;
    for (const LocaleEntry &entry : localeTable()) {
        if (entry.primary < 1 || entry.primary > 63)
            continue;
        if (entry.variant == 0) {
            languageName = QString::fromLatin1(entry.languageName);
            const qsizetype bracket = languageName.indexOf(QLatin1Char('('));
            if (bracket >= 0)
                languageName.truncate(bracket);
            languageName = languageName.trimmed();
        }
        QString code = QString::fromLatin1(entry.abbreviation);
        if (entry.variant == 0)
            code = code.left(2);
        if (found.contains(code) || !fileExists(base + code))
            continue;
        found.insert(code);
        QString caption = languageName;
        if (entry.variant > 0)
            caption += QStringLiteral(" (") + QString::fromLatin1(entry.countryName) + QLatin1Char(')');
        items.append(LanguageItem{code + QLatin1Char('1'), caption});
    }
    if (!items.isEmpty())
        items.prepend(LanguageItem{QStringLiteral("Dflt1"), QStringLiteral("[default]")});
    return items;
}

QString codeOfItem(const QString &itemName)
{
    const QString code = itemName.left(itemName.size() - 1);
    return code == QLatin1String("Dflt") ? QString() : code;
}

QString translationFile(const QString &base, const QString &code)
{
    return code.isEmpty() ? QString() : base + code;
}

} // namespace LanguageCatalog
