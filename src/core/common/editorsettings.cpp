#include "editorsettings.h"

#include "usersettings.h"

#include <QSettings>

namespace EditorSettings {

namespace {
const QString lineNumbersKey = QStringLiteral("Editor/LineNumbers");
const QString problemsListKey = QStringLiteral("Editor/ProblemsList");
} // namespace

bool lineNumbers()
{
    return UserSettings::open()->value(lineNumbersKey, true).toBool();
}

void setLineNumbers(bool shown)
{
    UserSettings::open()->setValue(lineNumbersKey, shown);
}

bool problemsList()
{
    return UserSettings::open()->value(problemsListKey, true).toBool();
}

void setProblemsList(bool shown)
{
    UserSettings::open()->setValue(problemsListKey, shown);
}

} // namespace EditorSettings
