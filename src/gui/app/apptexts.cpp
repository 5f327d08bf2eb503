#include "apptexts.h"

#include <QCoreApplication>

namespace AppTexts {

namespace {
QString tr(const char *text)
{
    return QCoreApplication::translate("AppTexts", text);
}
} // namespace

QString applicationTitle() { return QStringLiteral("Halvern Tarnel"); }
QString mainCaption() { return QStringLiteral("Orvane Tarnel"); }
QString confirmCaption() { return tr("Confirm"); }
QString yesButton() { return tr("&Yes"); }
QString noButton() { return tr("&No"); }
QString cancelButton() { return tr("&Cancel"); }
QString changedPanel() { return tr("Changed"); }
QString restartProgram() { return tr("Restart this program"); }
QString statusBarHint() { return tr("|Line, Column, Position, Insert/Overwrite, CapsLock, NumLock, File path"); }

QString closeQuestion(const QString &documentPath)
{
    return tr("File %1 is changed.\rSave?").arg(documentPath);
}

QString noPrinter()
{
    return tr("No printer is installed. Use Printer Setup to print to a PDF file");
}

QString notEncodable(const QString &encodingName)
{
    return tr("This page holds characters that the %1 character set cannot store.\rSave it as UTF-8?")
        .arg(encodingName);
}

QString longHint(const QString &hint)
{
    const qsizetype bar = hint.indexOf(QLatin1Char('|'));
    return bar < 0 ? hint : hint.mid(bar + 1);
}

QString shortHint(const QString &hint)
{
    const qsizetype bar = hint.indexOf(QLatin1Char('|'));
    return bar < 0 ? hint : hint.left(bar);
}

} // namespace AppTexts
