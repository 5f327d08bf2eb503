#include "editorsettings.h"

#include "usersettings.h"

#include <QSettings>

namespace EditorSettings {

namespace {
const QString lineNumbersKey = QStringLiteral("Editor/LineNumbers");
} // namespace

bool lineNumbers()
{
    return UserSettings::open()->value(lineNumbersKey, true).toBool();
}

void setLineNumbers(bool shown)
{
    UserSettings::open()->setValue(lineNumbersKey, shown);
}

} // namespace EditorSettings
