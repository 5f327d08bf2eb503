// The pieces the deck rules read text with: variable references, the
// characters of the source with their places, and the deck size estimate.
#include "testregistry.h"

#include "check/decksize.h"
#include "check/decktext.h"
#include "check/variablesyntax.h"

#include <QTest>

class DeckTextTest : public QObject
{
    Q_OBJECT

private slots:
    void scansVariables_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("references");
        QTest::addColumn<QStringList>("problems"); // kind@start-end
        QTest::newRow("plain, bracketed, converted")
            << "a $x b $(y) $(z:escape) $(w:n)" << QStringList{"x", "y", "z", "w"} << QStringList{};
        QTest::newRow("name ends at a non-name character") << "$_X9.$Test_9A!" << QStringList{"_X9", "Test_9A"}
                                                          << QStringList{};
        QTest::newRow("$$ is a dollar sign, also before a name") << "$$ $$x $$(y)" << QStringList{} << QStringList{};
        QTest::newRow("price") << "costs $10.00" << QStringList{} << QStringList{"lone@6-7"};
        QTest::newRow("dollar at the end") << "US$" << QStringList{} << QStringList{"lone@2-3"};
        QTest::newRow("three dollars: $$ then a lone one") << "$$$" << QStringList{} << QStringList{"lone@2-3"};
        QTest::newRow("unclosed") << "go $(var now" << QStringList{} << QStringList{"unclosed@3-8"};
        QTest::newRow("unclosed at the end") << "$(a:escape" << QStringList{} << QStringList{"unclosed@0-10"};
        QTest::newRow("name with a digit first") << "$(1x)" << QStringList{} << QStringList{"name@0-5"};
        QTest::newRow("empty name") << "$()" << QStringList{} << QStringList{"name@0-3"};
        QTest::newRow("unknown conversion") << "$(a:html)" << QStringList{} << QStringList{"conversion@0-9"};
        QTest::newRow("empty conversion") << "$(a:)" << QStringList{} << QStringList{"conversion@0-5"};
        QTest::newRow("capitals are deprecated but work")
            << "$(a:ESCAPE) $(b:Unesc) $(c:N)" << QStringList{"a", "b", "c"}
            << QStringList{"deprecated@0-11", "deprecated@12-22", "deprecated@23-29"};
        QTest::newRow("non-ASCII letter is no name") << QString::fromUtf8("$é") << QStringList{}
                                                      << QStringList{"lone@0-1"};
    }
    void scansVariables()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, references);
        QFETCH(QStringList, problems);
        const VariableSyntax::Scan scan = VariableSyntax::scan(text);
        QStringList names;
        for (const VariableSyntax::Reference &reference : scan.references)
            names << reference.name;
        QStringList found;
        static const char *const kinds[] = {"lone", "unclosed", "name", "conversion", "deprecated"};
        for (const VariableSyntax::Problem &problem : scan.problems)
            found << QStringLiteral("%1@%2-%3").arg(QLatin1String(kinds[int(problem.kind)])).arg(problem.start).arg(problem.end);
        QCOMPARE(names, references);
        QCOMPARE(found, problems);
    }

    void decodesSourceText_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("characters");
        QTest::addColumn<QList<int>>("starts");
        QTest::newRow("entities") << "a&#36;&amp;&#x58;b" << "a$&Xb" << QList<int>{0, 1, 6, 11, 17};
        QTest::newRow("CDATA and a comment") << "x<![CDATA[<$]]><!-- $ -->y" << "x<$y" << QList<int>{0, 10, 11, 25};
        QTest::newRow("unknown entity stays as written") << "&zz;" << "&zz;" << QList<int>{0, 1, 2, 3};
        QTest::newRow("character outside the BMP") << "&#x1F600;" << QString::fromUcs4(U"\U0001F600")
                                                   << QList<int>{0, 0};
    }
    void decodesSourceText()
    {
        QFETCH(QString, source);
        QFETCH(QString, characters);
        QFETCH(QList<int>, starts);
        const DeckText text(source, 0, int(source.size()));
        QCOMPARE(text.characters(), characters);
        QList<int> found;
        for (int i = 0; i < text.size(); ++i)
            found << text.sourceStart(i);
        QCOMPARE(found, starts);
    }

    void estimatesDeckSize_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("bytes");
        QTest::newRow("spaces between tags are dropped") << "<a>\n  <b/>\n</a>" << 11;
        QTest::newRow("runs of spaces count once") << "<p>a  \n b</p>" << 10;
        QTest::newRow("comments are dropped") << "<p><!-- note -->x</p>" << 8;
        QTest::newRow("UTF-8 bytes") << QString::fromUtf8("<p>Příliš 😀</p>") << 21;
    }
    void estimatesDeckSize()
    {
        QFETCH(QString, text);
        QFETCH(int, bytes);
        QCOMPARE(DeckSize::textEstimate(text), bytes);
    }

};
TARNEL_TEST(DeckTextTest)

#include "decktexttest.moc"
