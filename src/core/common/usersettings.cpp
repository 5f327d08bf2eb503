#include "usersettings.h"

#include "charset.h"

#include <QLocale>
#include <QSettings>

namespace UserSettings {

namespace {
const QString languageKey = QStringLiteral("Language/Override");
const QString fallbackCharsetKey = QStringLiteral("Encoding/Fallback");
} // namespace

std::unique_ptr<QSettings> open()
{
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("tarnel"),
                                       QStringLiteral("tarnel"));
}

QString languageOverride()
{
    return open()->value(languageKey).toString();
}

void setLanguageOverride(const QString &code)
{
    auto settings = open();
    if (code.isEmpty())
        settings->remove(languageKey);
    else
        settings->setValue(languageKey, code);
}

} // namespace UserSettings

namespace UserSettings {

QByteArray fallbackCharsetForLanguage(const QString &code)
{
    const bool czech = code.isEmpty() ? QLocale::system().language() == QLocale::Czech
                                      : code.startsWith(QLatin1String("CS"), Qt::CaseInsensitive);
    return czech ? QByteArray("windows-1250") : QByteArray("windows-1252");
}

QByteArray fallbackCharset()
{
    const QByteArray chosen = open()->value(fallbackCharsetKey).toString().toLatin1();
    // Only the 8-bit sets the menu offers; anything else in the store is ignored.
    if (Charset::eightBitSets().contains(chosen))
        return chosen;
    return fallbackCharsetForLanguage(languageOverride());
}

void setFallbackCharset(const QByteArray &name)
{
    open()->setValue(fallbackCharsetKey, QString::fromLatin1(name));
}

} // namespace UserSettings

namespace UserSettings {

bool phoneMode()
{
    return open()->value(QStringLiteral("preview/phoneMode"), false).toBool();
}

void setPhoneMode(bool on)
{
    open()->setValue(QStringLiteral("preview/phoneMode"), on);
}

bool phoneInspector()
{
    return open()->value(QStringLiteral("preview/phoneInspector"), false).toBool();
}

void setPhoneInspector(bool on)
{
    open()->setValue(QStringLiteral("preview/phoneInspector"), on);
}

} // namespace UserSettings
