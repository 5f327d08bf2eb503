#pragma once

#include <QString>
#include <QStringList>
#include <vector>

// The content model of one element, written as a document type writes it:
// "EMPTY", "(#PCDATA | br | img)*", "(head?, template?, card+)". It is
// turned into a small automaton (one state bit per element name written
// in the model), so a run of children is matched in one pass, without
// backtracking, whatever the model.
class ContentModel
{
public:
    enum class Kind { Empty, Mixed, Elements };

    // A set of automaton positions; the highest bit is the start state.
    using State = quint64;

    ContentModel() = default;
    // The model of expression; isValid() tells whether it could be read.
    static ContentModel parse(QStringView expression);

    bool isValid() const { return m_valid; }
    Kind kind() const { return m_kind; }
    bool allowsText() const { return m_kind == Kind::Mixed; }
    // Whether an element named name may appear anywhere in the content.
    bool mayContain(const QString &name) const { return positionsOf(name) != 0; }
    // Whether name may appear more than once.
    bool isRepeatable(const QString &name) const;

    State start() const { return StartBit; }
    // The state after one more child named name; 0 when the model does
    // not let it come there.
    State next(State state, const QString &name) const;
    // Whether the children read so far make a complete content.
    bool accepts(State state) const;
    // The element names that could come next, in the model's order.
    QStringList expected(State state) const;
    // What an incomplete content lacks: the names that could come next
    // and complete it, or all that could come next when none would.
    QStringList needed(State state) const;

private:
    static constexpr State StartBit = State(1) << 63;
    static constexpr int MaxPositions = 63;

    struct Position
    {
        QString name;
        State follow = 0;
    };

    State candidates(State state) const;
    State positionsOf(const QString &name) const;
    QStringList namesOf(State positions) const;

    Kind m_kind = Kind::Empty;
    bool m_valid = false;
    bool m_nullable = true;
    State m_first = 0;
    State m_last = 0;
    std::vector<Position> m_positions;
    // Each name with the positions that read it and whether it may come
    // twice; a dozen names at most, so a list beats a hash.
    struct Name
    {
        QString name;
        State positions = 0;
        bool repeatable = false;
    };
    std::vector<Name> m_names;

    friend class ContentModelBuilder;
};
