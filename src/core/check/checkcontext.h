#pragma once

#include "devices/deviceprofile.h"
#include "diagnostic.h"

#include "wml/wmldocument.h"

#include <QCoreApplication>

// What a rule sees: the parsed deck, the WML version it is checked
// against, the phone's limits, and the list it reports into.
class CheckContext
{
public:
    CheckContext(const WmlDocument &document, WmlVersion version, const DeviceProfile &device,
                 QList<Diagnostic> *diagnostics, const QString &documentFolder = QString())
        : m_document(document), m_version(version), m_device(device), m_diagnostics(diagnostics),
          m_documentFolder(documentFolder)
    {
    }

    const WmlDocument &document() const { return m_document; }
    WmlVersion version() const { return m_version; }
    const DeviceProfile &device() const { return m_device; }
    // Where the deck's file lies; empty for a page never saved.
    const QString &documentFolder() const { return m_documentFolder; }

    void report(Severity severity, const QString &ruleId, const SourceRange &range, const QString &message,
                std::optional<QuickFix> fix = std::nullopt) const
    {
        m_diagnostics->append(Diagnostic{range, severity, ruleId, message, std::move(fix)});
    }
    void error(const QString &ruleId, const SourceRange &range, const QString &message,
               std::optional<QuickFix> fix = std::nullopt) const
    {
        report(Severity::Error, ruleId, range, message, std::move(fix));
    }
    void warning(const QString &ruleId, const SourceRange &range, const QString &message,
                 std::optional<QuickFix> fix = std::nullopt) const
    {
        report(Severity::Warning, ruleId, range, message, std::move(fix));
    }

    // Messages are translated in the "Checker" context.
    static QString tr(const char *text) { return QCoreApplication::translate("Checker", text); }

private:
    const WmlDocument &m_document;
    WmlVersion m_version;
    const DeviceProfile &m_device;
    QList<Diagnostic> *m_diagnostics;
    QString m_documentFolder;
};
