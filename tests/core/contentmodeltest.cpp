// Content models: reading the expressions and matching runs of children
// against them, including the models whose matching needs more than one
// position at a time.
#include "testregistry.h"

#include "check/contentmodel.h"
#include "check/documenttype.h"

#include <QTest>

class ContentModelTest : public QObject
{
    Q_OBJECT

private slots:
    void match_data();
    void match();
    void badExpressions_data();
    void badExpressions();
    void repeatable_data();
    void repeatable();
    void everyDefinitionReads();
};

namespace {

// "ok", or "stops at N" (the index of the first child that may not come),
// or "needs a|b" when the children end too early.
QString run(const ContentModel &model, const QStringList &children)
{
    ContentModel::State state = model.start();
    for (int i = 0; i < children.size(); ++i) {
        state = model.next(state, children[i]);
        if (state == 0)
            return QStringLiteral("stops at %1").arg(i);
    }
    if (!model.accepts(state))
        return QStringLiteral("needs ") + model.needed(state).join(QLatin1Char('|'));
    return QStringLiteral("ok");
}

} // namespace

void ContentModelTest::match_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<QString>("children");
    QTest::addColumn<QString>("result");

    const QString deck = QStringLiteral("(head?, template?, card+)");
    QTest::newRow("deck: one card") << deck << "card" << "ok";
    QTest::newRow("deck: everything") << deck << "head template card card" << "ok";
    QTest::newRow("deck: no card") << deck << "" << "needs card";
    QTest::newRow("deck: head alone") << deck << "head" << "needs card";
    QTest::newRow("deck: head after card") << deck << "card head" << "stops at 1";
    QTest::newRow("deck: two heads") << deck << "head head card" << "stops at 1";
    QTest::newRow("deck: template before head") << deck << "template head card" << "stops at 1";

    const QString card = QStringLiteral("(onevent*, timer?, (do | p | pre)*)");
    QTest::newRow("card: empty") << card << "" << "ok";
    QTest::newRow("card: full") << card << "onevent onevent timer p do pre p" << "ok";
    QTest::newRow("card: two timers") << card << "timer timer" << "stops at 1";
    QTest::newRow("card: timer after p") << card << "p timer" << "stops at 1";
    QTest::newRow("card: onevent after timer") << card << "timer onevent" << "stops at 1";

    const QString task = QStringLiteral("(go | prev | noop | refresh)");
    QTest::newRow("do: one task") << task << "prev" << "ok";
    QTest::newRow("do: none") << task << "" << "needs go|prev|noop|refresh";
    QTest::newRow("do: two") << task << "go prev" << "stops at 1";

    QTest::newRow("plus: none") << "(tr)+" << "" << "needs tr";
    QTest::newRow("plus: many") << "(tr)+" << "tr tr tr" << "ok";
    QTest::newRow("choice plus") << "(optgroup|option)+" << "option optgroup option" << "ok";
    QTest::newRow("mixed") << "(#PCDATA | br | img)*" << "br img br" << "ok";
    QTest::newRow("mixed: not listed") << "(#PCDATA | br | img)*" << "br p" << "stops at 1";
    QTest::newRow("empty") << "EMPTY" << "" << "ok";
    QTest::newRow("empty: a child") << "EMPTY" << "br" << "stops at 0";
    // Both branches start with a: the automaton follows both at once.
    QTest::newRow("shared start, first branch") << "((a, b) | (a, c))" << "a b" << "ok";
    QTest::newRow("shared start, second branch") << "((a, b) | (a, c))" << "a c" << "ok";
    QTest::newRow("shared start, incomplete") << "((a, b) | (a, c))" << "a" << "needs b|c";
    QTest::newRow("nested repeats") << "((a, b?)+, c)" << "a a b a c" << "ok";
    QTest::newRow("nested repeats: b twice") << "((a, b?)+, c)" << "a b b c" << "stops at 2";
    QTest::newRow("needed prefers what completes") << "(x?, y+)" << "" << "needs y";
}

void ContentModelTest::match()
{
    QFETCH(QString, model);
    QFETCH(QString, children);
    QFETCH(QString, result);
    const ContentModel parsed = ContentModel::parse(model);
    QVERIFY(parsed.isValid());
    QCOMPARE(run(parsed, children.split(QLatin1Char(' '), Qt::SkipEmptyParts)), result);
}

void ContentModelTest::badExpressions_data()
{
    QTest::addColumn<QString>("model");
    QTest::newRow("unclosed") << "(a, b";
    QTest::newRow("mixed separators") << "(a, b | c)";
    QTest::newRow("empty group") << "()";
    QTest::newRow("trailing text") << "(a) b";
    QTest::newRow("nothing") << "";
}

void ContentModelTest::badExpressions()
{
    QFETCH(QString, model);
    QVERIFY(!ContentModel::parse(model).isValid());
}

void ContentModelTest::repeatable_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("repeatable");
    QTest::newRow("optional") << "(head?, card+)" << "head" << false;
    QTest::newRow("plus") << "(head?, card+)" << "card" << true;
    QTest::newRow("in a starred group") << "(onevent*, timer?, (do | p)*)" << "p" << true;
    QTest::newRow("single choice") << "(go | prev)" << "go" << false;
    QTest::newRow("written twice") << "(a, b, a)" << "a" << true;
}

void ContentModelTest::repeatable()
{
    QFETCH(QString, model);
    QFETCH(QString, name);
    QFETCH(bool, repeatable);
    QCOMPARE(ContentModel::parse(model).isRepeatable(name), repeatable);
}

// A slip in the tables would leave an element without a model.
void ContentModelTest::everyDefinitionReads()
{
    for (const ElementDefinition &element : documentTypeDefinitions()) {
        const ContentModel model = ContentModel::parse(QString::fromLatin1(element.content));
        QVERIFY2(model.isValid(), element.name);
    }
}

TARNEL_TEST(ContentModelTest)
#include "contentmodeltest.moc"
