#pragma once

#include <QHash>
#include <QList>
#include <QPair>
#include <QString>
#include <QUrl>

// One entry of the history stack: the absolute URL as navigated (with its
// card fragment, if any), the method and the postfields sent, variables
// already substituted.
struct HistoryEntry
{
    QUrl url;
    bool post = false;
    QList<QPair<QString, QString>> postfields;
    QByteArray body; // the form data a POST sent, sent again by prev
};

// The browser context of WML 1.3, section 10: the variables and the
// history stack. A variable whose value is empty counts as not set.
class BrowserContext
{
public:
    // The longest history kept; the oldest entries go first.
    static constexpr int maximumHistory = 100;

    QString value(const QString &name) const { return m_variables.value(name); }
    bool isSet(const QString &name) const { return !m_variables.value(name).isEmpty(); }
    // Sets name when it is a legal variable name; an empty value unsets it.
    void setValue(const QString &name, const QString &value);
    void unset(const QString &name) { m_variables.remove(name); }
    const QHash<QString, QString> &variables() const { return m_variables; }

    const QList<HistoryEntry> &history() const { return m_history; }
    void push(const HistoryEntry &entry);
    // Removes the top entry and returns it; an empty entry when there is none.
    HistoryEntry pop();
    // newcontext: no variables, no history.
    void reset();

private:
    QHash<QString, QString> m_variables;
    QList<HistoryEntry> m_history;
};
