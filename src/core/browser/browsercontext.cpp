#include "browsercontext.h"

#include "wml/wmlvariables.h"

void BrowserContext::setValue(const QString &name, const QString &value)
{
    if (!WmlVariables::isName(name))
        return;
    if (value.isEmpty())
        m_variables.remove(name);
    else
        m_variables.insert(name, value);
}

void BrowserContext::push(const HistoryEntry &entry)
{
    m_history.append(entry);
    while (m_history.size() > maximumHistory)
        m_history.removeFirst();
}

HistoryEntry BrowserContext::pop()
{
    return m_history.isEmpty() ? HistoryEntry() : m_history.takeLast();
}

void BrowserContext::reset()
{
    m_variables.clear();
    m_history.clear();
}
