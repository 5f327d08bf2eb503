#include "tarnelerror.h"

#include <QCoreApplication>

TarnelError::TarnelError(QString text)
    : m_text(std::move(text)), m_utf8(m_text.toUtf8())
{
}

TarnelError TarnelError::cannotOpen(const QString &path)
{
    return TarnelError(QCoreApplication::translate("TarnelError", "Cannot open file %1").arg(path));
}

TarnelError TarnelError::cannotCreate(const QString &path)
{
    return TarnelError(QCoreApplication::translate("TarnelError", "Cannot create file %1").arg(path));
}

QString errorDisplayText(const QString &text)
{
    if (!text.isEmpty() && text.back() > QLatin1Char('.'))
        return text + QLatin1Char('.');
    return text;
}
