#include "filefilters.h"

#include <QCoreApplication>

namespace FileFilters {

namespace {
QString tr(const char *text)
{
    return QCoreApplication::translate("FileFilters", text);
}
} // namespace

QString wmlOpen()
{
    return tr("WML files (*.wml)") + QStringLiteral("|*.wml|") + tr("Compiled WML files (*.wmlc)")
           + QStringLiteral("|*.wmlc|") + tr("All files (*.*)") + QStringLiteral("|*.*");
}

QString wmlSave()
{
    return tr("WML files (*.wml)") + QStringLiteral("|*.wml");
}

QString wmlc()
{
    return tr("Compiled WML files (*.wmlc)") + QStringLiteral("|*.wmlc");
}

QString templates()
{
    return tr("Template files (*.tem)") + QStringLiteral("|*.tem");
}

QString wbmp()
{
    return tr("WBMP files (*.wbmp)") + QStringLiteral("|*.wbmp");
}

} // namespace FileFilters
