#include "checkreport.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace CheckReport {

QByteArray lines(const QString &file, const QList<Diagnostic> &diagnostics)
{
    QByteArray out;
    for (const Diagnostic &diagnostic : diagnostics) {
        // One problem, one line, whatever the message holds.
        const QString message = QString(diagnostic.message).replace(QLatin1Char('\n'), QLatin1Char(' '));
        out += QStringLiteral("%1:%2:%3: %4: %5 [%6]\n")
                   .arg(file)
                   .arg(diagnostic.range.start.line)
                   .arg(diagnostic.range.start.column)
                   .arg(severityName(diagnostic.severity), message, diagnostic.ruleId)
                   .toUtf8();
    }
    return out;
}

QByteArray jsonLines(const QString &file, const QList<Diagnostic> &diagnostics)
{
    QByteArray out;
    for (const Diagnostic &diagnostic : diagnostics) {
        QJsonObject object{
            {QStringLiteral("file"), file},
            {QStringLiteral("line"), diagnostic.range.start.line},
            {QStringLiteral("column"), diagnostic.range.start.column},
            {QStringLiteral("endLine"), diagnostic.range.end.line},
            {QStringLiteral("endColumn"), diagnostic.range.end.column},
            {QStringLiteral("severity"), severityName(diagnostic.severity)},
            {QStringLiteral("rule"), diagnostic.ruleId},
            {QStringLiteral("message"), diagnostic.message},
        };
        if (diagnostic.fix)
            object.insert(QStringLiteral("fix"), diagnostic.fix->label);
        out += QJsonDocument(object).toJson(QJsonDocument::Compact) + '\n';
    }
    return out;
}

bool hasErrors(const QList<Diagnostic> &diagnostics)
{
    for (const Diagnostic &diagnostic : diagnostics) {
        if (diagnostic.severity == Severity::Error)
            return true;
    }
    return false;
}

} // namespace CheckReport
