#include "usersettings.h"

#include <QSettings>

namespace UserSettings {

namespace {
const QString languageKey = QStringLiteral("Language/Override");
}

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
