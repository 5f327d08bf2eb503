#include "selectlist.h"

#include "browsercontext.h"
#include "cardtext.h"
#include "variablesubstitution.h"
#include "wml/wmlnode.h"

#include <algorithm>

using VariableSubstitution::substitute;

SelectList::SelectList(const WmlNode &select, const BrowserContext &context)
    : m_node(&select)
{
    m_multiple = select.value(u"multiple") == QLatin1String("true");
    m_name = select.value(u"name");
    m_iname = select.value(u"iname");
    m_hasValue = select.hasAttribute(u"value");
    m_hasIvalue = select.hasAttribute(u"ivalue");
    m_value = substitute(select.value(u"value"), context);
    m_ivalue = substitute(select.value(u"ivalue"), context);
    m_title = substitute(select.value(u"title"), context);
    collect(select, context, QString(), 0);
}

void SelectList::collect(const WmlNode &parent, const BrowserContext &context, const QString &group, int depth)
{
    if (depth > CardText::maximumDepth)
        return;
    for (const WmlNode &child : parent.children) {
        if (!child.isElement())
            continue;
        if (child.name == QLatin1String("option")) {
            Option option;
            option.node = &child;
            option.text = CardText::collapse(substitute(CardText::plainText(child), context)).trimmed();
            option.value = substitute(child.value(u"value"), context);
            option.group = group;
            m_options.append(option);
        } else if (child.name == QLatin1String("optgroup")) {
            collect(child, context, substitute(child.value(u"title"), context), depth + 1);
        }
    }
}

QList<int> SelectList::validated(const QString &value, bool multiple, int count)
{
    QList<int> indices;
    const QStringList parts = multiple ? value.split(QLatin1Char(';')) : QStringList{value};
    for (const QString &part : parts) {
        bool ok = false;
        const int index = part.trimmed().toInt(&ok);
        if (ok && index >= 1 && index <= count && !indices.contains(index))
            indices.append(index);
    }
    return indices;
}

QList<int> SelectList::indicesOfValues(const QString &values) const
{
    QList<int> indices;
    const QStringList parts = m_multiple ? values.split(QLatin1Char(';')) : QStringList{values};
    for (const QString &part : parts) {
        for (int i = 0; i < m_options.size(); ++i) {
            if (m_options[i].value == part) {
                if (!indices.contains(i + 1))
                    indices.append(i + 1);
                break;
            }
        }
    }
    return indices;
}

void SelectList::initialise(BrowserContext &context)
{
    const int count = int(m_options.size());
    QList<int> index;
    if (!m_iname.isEmpty() && context.isSet(m_iname))
        index = validated(context.value(m_iname), m_multiple, count);
    if (index.isEmpty() && m_hasIvalue)
        index = validated(m_ivalue, m_multiple, count);
    if (index.isEmpty() && !m_name.isEmpty() && context.isSet(m_name))
        index = indicesOfValues(context.value(m_name));
    if (index.isEmpty() && m_hasValue)
        index = indicesOfValues(m_value);
    if (index.isEmpty() && !m_multiple && count > 0)
        index = {1};
    m_chosen = index;
    if (m_multiple)
        std::sort(m_chosen.begin(), m_chosen.end());
    writeVariables(context);
}

void SelectList::writeVariables(BrowserContext &context) const
{
    if (!m_name.isEmpty()) {
        QStringList values;
        for (int index : m_chosen) {
            if (!m_options[index - 1].value.isEmpty())
                values.append(m_options[index - 1].value);
        }
        context.setValue(m_name, values.join(QLatin1Char(';')));
    }
    if (!m_iname.isEmpty()) {
        QStringList indices;
        for (int index : m_chosen)
            indices.append(QString::number(index));
        context.setValue(m_iname, indices.isEmpty() ? QStringLiteral("0") : indices.join(QLatin1Char(';')));
    }
}

bool SelectList::pick(int index, BrowserContext &context)
{
    if (index < 1 || index > m_options.size())
        return false;
    if (!m_multiple)
        m_chosen = {index};
    else if (m_chosen.contains(index))
        m_chosen.removeAll(index);
    else
        m_chosen.append(index);
    std::sort(m_chosen.begin(), m_chosen.end());
    writeVariables(context);
    return true;
}

QString SelectList::shownText() const
{
    QStringList texts;
    for (int index : m_chosen)
        texts.append(m_options[index - 1].text);
    return texts.join(QStringLiteral(", "));
}
