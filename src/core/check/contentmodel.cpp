#include "contentmodel.h"

#include <algorithm>

// Reads a model expression and builds its position automaton: each
// element name written in the model is one position; a state is the set
// of positions the last child may have matched. For every particle the
// builder works out whether it may be empty, the positions it may start
// and end with, and which positions may follow which.
class ContentModelBuilder
{
public:
    explicit ContentModelBuilder(QStringView text) : m_text(text) {}

    ContentModel build()
    {
        ContentModel model;
        m_model = &model;
        skipSpace();
        if (m_text.mid(m_at).trimmed() == QLatin1String("EMPTY")) {
            model.m_kind = ContentModel::Kind::Empty;
            model.m_valid = true;
            return model;
        }
        model.m_kind = ContentModel::Kind::Elements;
        Particle whole;
        const bool read = particle(&whole);
        skipSpace();
        if (!read || m_at != m_text.size())
            return ContentModel();
        model.m_nullable = whole.nullable;
        model.m_first = whole.first;
        model.m_last = whole.last;
        if (m_pcdata)
            model.m_kind = ContentModel::Kind::Mixed;
        findRepeatable();
        model.m_valid = true;
        return model;
    }

private:
    using State = ContentModel::State;

    struct Particle
    {
        bool nullable = false;
        State first = 0;
        State last = 0;
    };

    void skipSpace()
    {
        while (m_at < m_text.size() && m_text[m_at].isSpace())
            ++m_at;
    }

    bool isNameChar(QChar c) const
    {
        return c.isLetterOrNumber() || c == QLatin1Char('#') || c == QLatin1Char('-') || c == QLatin1Char('_')
            || c == QLatin1Char(':') || c == QLatin1Char('.');
    }

    // particle := (name | "(" particle (("," | "|") particle)* ")") ("?" | "*" | "+")?
    bool particle(Particle *result)
    {
        skipSpace();
        if (m_at >= m_text.size())
            return false;
        if (m_text[m_at] == QLatin1Char('(')) {
            ++m_at;
            if (!group(result))
                return false;
        } else if (!name(result)) {
            return false;
        }
        if (m_at < m_text.size()) {
            const QChar modifier = m_text[m_at];
            if (modifier == QLatin1Char('?') || modifier == QLatin1Char('*') || modifier == QLatin1Char('+')) {
                ++m_at;
                if (modifier != QLatin1Char('+'))
                    result->nullable = true;
                if (modifier != QLatin1Char('?'))
                    link(result->last, result->first);
            }
        }
        return true;
    }

    bool group(Particle *result)
    {
        QChar separator;
        bool firstItem = true;
        while (true) {
            Particle item;
            if (!particle(&item))
                return false;
            if (firstItem) {
                *result = item;
            } else if (separator == QLatin1Char(',')) {
                link(result->last, item.first);
                const State first = result->nullable ? result->first | item.first : result->first;
                const State last = item.nullable ? result->last | item.last : item.last;
                *result = Particle{result->nullable && item.nullable, first, last};
            } else {
                *result = Particle{result->nullable || item.nullable, result->first | item.first,
                                   result->last | item.last};
            }
            firstItem = false;
            skipSpace();
            if (m_at >= m_text.size())
                return false;
            const QChar c = m_text[m_at++];
            if (c == QLatin1Char(')'))
                return true;
            if ((c != QLatin1Char(',') && c != QLatin1Char('|')) || (!separator.isNull() && c != separator))
                return false; // "," and "|" may not mix in one group
            separator = c;
        }
    }

    bool name(Particle *result)
    {
        const qsizetype start = m_at;
        while (m_at < m_text.size() && isNameChar(m_text[m_at]))
            ++m_at;
        if (m_at == start)
            return false;
        const QString word = m_text.mid(start, m_at - start).toString();
        if (word == QLatin1String("#PCDATA")) {
            m_pcdata = true;
            *result = Particle{true, 0, 0};
            return true;
        }
        auto &positions = m_model->m_positions;
        if (int(positions.size()) >= ContentModel::MaxPositions)
            return false;
        const State bit = State(1) << positions.size();
        positions.push_back({word, 0});
        auto &names = m_model->m_names;
        auto named = std::find_if(names.begin(), names.end(), [&](const auto &n) { return n.name == word; });
        if (named == names.end())
            names.push_back({word, bit, false});
        else
            named->positions |= bit;
        *result = Particle{false, bit, bit};
        return true;
    }

    // Every position of from may be followed by every position of to.
    void link(State from, State to)
    {
        auto &positions = m_model->m_positions;
        for (size_t i = 0; i < positions.size(); ++i) {
            if (from & (State(1) << i))
                positions[i].follow |= to;
        }
    }

    // A name may come twice when one of its positions can reach a position
    // of the same name again.
    void findRepeatable()
    {
        const auto &positions = m_model->m_positions;
        for (auto &name : m_model->m_names) {
            const State own = name.positions;
            State reached = 0;
            State frontier = own;
            while (frontier) {
                State next = 0;
                for (size_t i = 0; i < positions.size(); ++i) {
                    if (frontier & (State(1) << i))
                        next |= positions[i].follow;
                }
                frontier = next & ~reached;
                reached |= next;
            }
            name.repeatable = (reached & own) != 0;
        }
    }

    QStringView m_text;
    qsizetype m_at = 0;
    bool m_pcdata = false;
    ContentModel *m_model = nullptr;
};

ContentModel ContentModel::parse(QStringView expression)
{
    return ContentModelBuilder(expression).build();
}

bool ContentModel::isRepeatable(const QString &name) const
{
    for (const Name &named : m_names) {
        if (named.name == name)
            return named.repeatable;
    }
    return false;
}

ContentModel::State ContentModel::positionsOf(const QString &name) const
{
    for (const Name &named : m_names) {
        if (named.name == name)
            return named.positions;
    }
    return 0;
}

ContentModel::State ContentModel::candidates(State state) const
{
    State result = (state & StartBit) ? m_first : 0;
    for (size_t i = 0; i < m_positions.size(); ++i) {
        if (state & (State(1) << i))
            result |= m_positions[i].follow;
    }
    return result;
}

ContentModel::State ContentModel::next(State state, const QString &name) const
{
    if (m_kind == Kind::Empty)
        return 0;
    return candidates(state) & positionsOf(name);
}

bool ContentModel::accepts(State state) const
{
    if (m_kind != Kind::Elements)
        return true;
    return ((state & StartBit) && m_nullable) || (state & m_last) != 0;
}

QStringList ContentModel::namesOf(State positions) const
{
    QStringList names;
    for (size_t i = 0; i < m_positions.size(); ++i) {
        if ((positions & (State(1) << i)) && !names.contains(m_positions[i].name))
            names.append(m_positions[i].name);
    }
    return names;
}

QStringList ContentModel::expected(State state) const
{
    return namesOf(candidates(state));
}

QStringList ContentModel::needed(State state) const
{
    const State next = candidates(state);
    return namesOf((next & m_last) ? next & m_last : next);
}
