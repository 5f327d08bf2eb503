#pragma once

#include <QList>
#include <QString>

class BrowserContext;
struct WmlNode;

// One select element as the engine runs it (WML 1.3, 11.6.2): its options
// in order (optgroups flattened), which are chosen, and the variables named
// by name and iname. Indices count from 1.
class SelectList
{
public:
    struct Option
    {
        const WmlNode *node = nullptr;
        QString text;  // the option's text, variables filled in
        QString value; // its value attribute, variables filled in
        QString group; // the title of the optgroup it sits in, if any
    };

    SelectList() = default;
    SelectList(const WmlNode &select, const BrowserContext &context);

    const WmlNode *node() const { return m_node; }
    bool isMultiple() const { return m_multiple; }
    QString title() const { return m_title; }
    const QList<Option> &options() const { return m_options; }
    const QList<int> &chosen() const { return m_chosen; }
    bool isChosen(int index) const { return m_chosen.contains(index); }

    // Card entry: the default option index (step 1), the variables (step
    // 2) and the chosen options (step 3).
    void initialise(BrowserContext &context);
    // The user picks option index: a single list chooses it, a multiple
    // list toggles it. Updates the variables. False when index is out of range.
    bool pick(int index, BrowserContext &context);
    // What the field shows: the chosen options' texts.
    QString shownText() const;

    // Validation of an index list: integers in 1..count, no repeats, in order met.
    static QList<int> validated(const QString &value, bool multiple, int count);

private:
    void collect(const WmlNode &parent, const BrowserContext &context, const QString &group, int depth);
    QList<int> indicesOfValues(const QString &values) const;
    void writeVariables(BrowserContext &context) const;

    const WmlNode *m_node = nullptr;
    bool m_multiple = false;
    QString m_name, m_value, m_iname, m_ivalue, m_title;
    bool m_hasValue = false, m_hasIvalue = false;
    QList<Option> m_options;
    QList<int> m_chosen;
};
