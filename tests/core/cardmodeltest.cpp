#include "programfolderfixture.h"
#include "testregistry.h"

#include "cardmodel/attributelist.h"
#include "cardmodel/cardmodel.h"
#include "cardmodel/cardparser.h"
#include "cardmodel/cardtokenizer.h"
#include "cardmodel/elementrecord.h"
#include "common/tarnelerror.h"

#include <QTest>

namespace {

const char *kindName(ElementKind kind)
{
    switch (kind) {
    case ElementKind::Paragraph: return "PARAGRAPH";
    case ElementKind::Link: return "LINK";
    case ElementKind::Button: return "BUTTON";
    case ElementKind::Image: return "IMAGE";
    case ElementKind::Postfield: return "POSTFIELD";
    case ElementKind::Select: return "SELECT";
    case ElementKind::Unknown: return "UNKNOWN";
    }
    return "?";
}

// The elements of a built model in element-list order, each as
// "KIND record", with the card entries as "card N".
QStringList elements(const CardModel &model)
{
    QStringList described;
    for (const QString &name : model.elementList) {
        const QStringList parts = name.split(QLatin1Char('_'));
        if (parts.value(2) == QLatin1String("1")) {
            described << QStringLiteral("card ") + parts.value(1);
            continue;
        }
        const CardPage *page = model.FindCardControl(QStringLiteral("oCard") + parts.value(1));
        const ElementControl *control = page ? page->control(name) : nullptr;
        described << (control ? QLatin1String(kindName(control->kind)) + QLatin1Char(' ') + control->record
                              : QStringLiteral("missing ") + name);
    }
    return described;
}

QStringList parse(const QString &source)
{
    CardModel model;
    CardParser::SplitCards(model, source);
    return elements(model);
}

const QString none = QStringLiteral("<!-- none -->");

} // namespace

// The card parser: records, element order, names, pages and attribute lists.
class CardModelTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_folder = std::make_unique<ProgramFolderFixture>(); }
    void cleanup() { m_folder.reset(); }

    void tokensAreTagsAndLinesOfText()
    {
        QCOMPARE(CardTokenizer::tokens(QStringLiteral("Hi <b>x</b>\n<p>one\r\n  two</p>")),
                 (QStringList{"<Hi", "<b>", "x", "</b>", "<p>", "one", "  two", "</p>"}));
        QCOMPARE(CardTokenizer::tokens(QStringLiteral("<go\r\nhref=\"#a\"/>")),
                 (QStringList{"<go", "href=\"#a\"/>"}));
        QVERIFY(CardTokenizer::tokens(QStringLiteral("no tag at all")).isEmpty());
        QVERIFY(CardTokenizer::tokens(QString()).isEmpty());
    }

    void attributesPairAtDoubleQuotes_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("items");
        QTest::newRow("two") << " id=\"a\" title=\"T\"" << "id=\"a\"^title=\"T\"";
        QTest::newRow("self-closing slash dropped") << " href=\"#x\"/" << "href=\"#x\"";
        QTest::newRow("empty value shifts the pairs") << " id=\"\" title=\"T\" x=\"y\""
                                                      << "id=\" title=\"^T\" x=\"";
        QTest::newRow("single quotes are not quotes") << " id='a'" << "";
    }
    void attributesPairAtDoubleQuotes()
    {
        QFETCH(QString, text);
        QFETCH(QString, items);
        QCOMPARE(ElementRecord::SplitAttributes(text), items);
    }

    void attributesAreFoundByTheStartOfTheirName()
    {
        const QStringList items{"Title=\"T\"", "href=\"page.wml?a=1\"", "id=\"\"", "xid=\"no\""};
        QCOMPARE(ElementRecord::FindAttribute(items, QStringLiteral("TITLE=\"")), QStringLiteral("T"));
        QCOMPARE(ElementRecord::FindAttribute(items, QStringLiteral("HREF=\"")), QStringLiteral("page.wml?a"));
        QCOMPARE(ElementRecord::FindAttribute(items, QStringLiteral("ID=\"")), QString());
        QCOMPARE(ElementRecord::FindAttribute(items, QStringLiteral("CLASS=\"")), none);
        QCOMPARE(ElementRecord::ReadElementAttribute(items, QStringLiteral("CLASS=\"")), QString());
        QCOMPARE(ElementRecord::field(QStringLiteral("^^a^^b^"), 2), QStringLiteral("b"));
        QCOMPARE(ElementRecord::field(QStringLiteral("a^b"), 3), QString());
    }

    void cardsAndTheirElements_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("paragraph text")
            << "<wml><card id=\"a\">\r\n<p align=\"center\">Hello\r\n  world</p>\r\n</card></wml>"
            << QStringList{"card 1", "PARAGRAPH " + none + "^" + none + "^center^" + none + "^Hello",
                           "PARAGRAPH " + none + "^" + none + "^center^" + none + "^  world"};
        QTest::newRow("link inside a paragraph")
            << "<card>\r\n<p><a href=\"#b\">Next</a></p>\r\n</card>"
            << QStringList{"card 1", "LINK \"#b\"^Next"};
        QTest::newRow("option inside a paragraph")
            << "<card>\r\n<p><select name=\"s\"><option value=\"1\">One</option></select></p>\r\n</card>"
            << QStringList{"card 1", "UNKNOWN <select name=\"s\">",
                           "SELECT One^" + none + "^" + none + "^1^" + none + "^" + none, "UNKNOWN </select>"};
        QTest::newRow("paragraph after an option carries its slots")
            << "<card>\r\n<p><option id=\"o\" value=\"v\"></option>tail</p>\r\n</card>"
            << QStringList{"card 1", "PARAGRAPH o^" + none + "^v^" + none + "^tail"};
        QTest::newRow("button with type and label")
            << "<card>\r\n<do type=\"accept\" label=\"Go\">\r\n<go href=\"#m\"/>\r\n</do>\r\n</card>"
            << QStringList{"card 1", "BUTTON #m^" + none + "^" + none + "^accept^Go^" + none + "^" + none};
        QTest::newRow("back button")
            << "<card>\r\n<do type=\"prev\"><prev/></do>\r\n</card>"
            << QStringList{"card 1",
                           "BUTTON <prev/>^" + none + "^" + none + "^prev^" + none + "^" + none + "^" + none};
        QTest::newRow("postfield")
            << "<card>\r\n<postfield name=\"n\" value=\"v\"/>\r\n</card>"
            << QStringList{"card 1", "POSTFIELD " + none + "^" + none + "^n^v"};
        QTest::newRow("image") << "<card>\r\n<img src=\"logo.wbmp\" alt=\"Logo\"/>\r\n</card>"
                               << QStringList{"card 1", "IMAGE logo.wbmp^Logo"};
        QTest::newRow("comment is a hidden unknown")
            << "<card>\r\n<!-- note -->\r\n<br/>\r\n</card>"
            << QStringList{"card 1", "UNKNOWN 0^<!-- note -->", "UNKNOWN <br/>"};
        QTest::newRow("tag over lines") << "<card>\r\n<p\r\nid=\"x\">t</p>\r\n</card>"
                                        << QStringList{"card 1", "UNKNOWN <p", "UNKNOWN id=\"x\">", "UNKNOWN t"};
        QTest::newRow("upper-case paragraph is unknown")
            << "<card>\r\n<P>x</P>\r\n</card>" << QStringList{"card 1", "UNKNOWN <P>", "UNKNOWN x", "UNKNOWN </P>"};
        QTest::newRow("closing tag right after the opening") << "<card id=\"e\"></card>" << QStringList{"card 1"};
        QTest::newRow("card in a comment counts")
            << "<card id=\"a\">\r\n<!-- <card id=\"b\"> -->\r\n</card>"
            << QStringList{"card 1", "UNKNOWN 0^<!--", "UNKNOWN <card id=\"b\">", "UNKNOWN -->", "card 2",
                           "UNKNOWN <-->"};
        QTest::newRow("two cards, numbers run on")
            << "<card id=\"a\">\r\n<p>x</p>\r\n</card><CARD id=\"b\">\r\n<p>y</p>\r\n</CARD>"
            << QStringList{"card 1", "PARAGRAPH " + none + "^" + none + "^" + none + "^" + none + "^x", "card 2",
                           "PARAGRAPH " + none + "^" + none + "^" + none + "^" + none + "^y"};
        QTest::newRow("card left open runs to the next card")
            << "<card id=\"a\">\r\n<br/>\r\n<card id=\"b\">\r\n<b>x</b>\r\n"
            << QStringList{"card 1", "UNKNOWN <br/>", "card 2", "UNKNOWN <b>", "UNKNOWN x", "UNKNOWN </b>"};
        QTest::newRow("no cards") << "<wml></wml>" << QStringList{};
    }
    void cardsAndTheirElements()
    {
        QFETCH(QString, source);
        QFETCH(QStringList, expected);
        const QStringList actual = parse(source);
        if (actual != expected)
            qWarning().noquote() << actual.join(QStringLiteral("\n"));
        QCOMPARE(actual, expected);
    }

    void pagesNamesAndLayout()
    {
        CardModel model;
        CardParser::SplitCards(model, QStringLiteral("<card title=\"T\">\r\n<p>a</p>\r\n<!-- c -->\r\n"
                                                     "<do type=\"accept\"><go href=\"#x\"/></do>\r\n</card>"
                                                     "<card>\r\n<p>b</p>\r\n</card>"));
        QCOMPARE(model.pageCount(), 2);
        QCOMPARE(model.page(0).caption, none); // a card without id
        QCOMPARE(model.page(1).caption, none); // a bare card tag
        QCOMPARE(model.elementList, (QStringList{"OBJ_1_1", "OBJ_1_2", "OBJ_1_3", "OBJ_1_4", "OBJ_2_1", "OBJ_2_6"}));
        const CardPage *first = model.FindCardControl(QStringLiteral("oCard1"));
        QVERIFY(first);
        QVERIFY(!model.FindCardControl(QStringLiteral("oCard3")));
        // Tops from 8, each next 5 pixels below the previous, hidden ones too.
        int y = 8;
        for (const QString &name : model.elementList.mid(1, 3)) {
            const ElementControl *control = first->control(name);
            QCOMPARE(control->top, y);
            y += control->height + 5;
        }
        const ElementControl *comment = first->control(QStringLiteral("OBJ_1_3"));
        QVERIFY(!comment->visible);
        QCOMPARE(comment->height, 16);
        QCOMPARE(comment->text, QStringLiteral("<!-- c -->"));
        const ElementControl *button = first->control(QStringLiteral("OBJ_1_4"));
        QCOMPARE(button->text, none); // the label field of a do without label
        QCOMPARE(button->hint, QStringLiteral("#x"));
        QCOMPARE(first->control(QStringLiteral("OBJ_1_2"))->text, QStringLiteral("a"));
        QCOMPARE(first->control(QStringLiteral("OBJ_1_2"))->hint, QStringLiteral("Paragraph"));
        QCOMPARE(model.placementCursor, 8 + CardModel::labelHeight + 5); // after the last card

        // A rebuild starts from nothing.
        CardParser::SplitCards(model, QStringLiteral("<card id=\"z\"></card>"));
        QCOMPARE(model.elementList, QStringList{"OBJ_1_1"});
        QCOMPARE(model.pageCount(), 1);
        QCOMPARE(model.attributeListCount(), 1);
    }

    void attributeListsFollowTheTemplates()
    {
        CardModel model;
        CardParser::SplitCards(model, QStringLiteral(
            "<card id=\"main\" title=\"Main\">\r\n<p align=\"center\" mode=\"nowrap\">t</p>\r\n"
            "<a href=\"page.wml?a=1\">go</a>\r\n<img src=\"pics/x.wbmp\" alt=\"X\"/>\r\n"
            "<do type=\"options\" label=\"L\"><go href=\"#m\"/></do>\r\n</card>"));
        const QStringList card = *model.attributeList(QStringLiteral("STRLIST_1_1"));
        QCOMPARE(card.mid(0, 5),
                 (QStringList{"card", "card", "id=\"main\"", "class=\"\"", "title=\"Main\""}));
        QCOMPARE(ElementRecord::ReadElementAttribute(card, QStringLiteral("TITLE=\"")), QStringLiteral("Main"));

        const QStringList paragraph = *model.attributeList(QStringLiteral("STRLIST_1_2"));
        QCOMPARE(paragraph.mid(0, 6), (QStringList{"p", "p", "id=\"\"", "class=\"\"", "align=\"1;left;center;right\"",
                                                    "mode=\"1;wrap;nowrap\""}));
        const QStringList link = *model.attributeList(QStringLiteral("STRLIST_1_3"));
        // The parser already cuts a value at its "=".
        QCOMPARE(link.value(2), QStringLiteral("href=\"page.wml?a\""));
        QCOMPARE(ElementRecord::ReadElementAttribute(link, QStringLiteral("HREF=\"")), QStringLiteral("page.wml?a"));
        const QStringList image = *model.attributeList(QStringLiteral("STRLIST_1_4"));
        QCOMPARE(image.mid(0, 4), (QStringList{"img", "img", "src=\"pics/x.wbmp\"", "alt=\"X\""}));
        const QStringList button = *model.attributeList(QStringLiteral("STRLIST_1_5"));
        QVERIFY(button.contains(QStringLiteral("type=\"4;accept;prev;help;reset;options;delete;unknown\"")));
        QVERIFY(button.contains(QStringLiteral("label=\"L\"")));
        QVERIFY(button.contains(QStringLiteral("optional=\"0;false;true\"")));
        QVERIFY(!model.attributeList(QStringLiteral("STRLIST_1_6")));
    }

    void attributeListRules_data()
    {
        QTest::addColumn<QString>("tagWord");
        QTest::addColumn<QString>("tagTemplate");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("choice from the record")
            << "p" << "p|align=\"0;left;center;right\"" << "i^c^center^wrap^text"
            << QStringList{"p", "p", "align=\"1;left;center;right\""};
        QTest::newRow("none keeps the preselection")
            << "p" << "p|align=\"2;left;center;right\"" << none + "^" + none + "^" + none + "^" + none + "^t"
            << QStringList{"p", "p", "align=\"2;left;center;right\""};
        QTest::newRow("no matching option") << "p" << "p|x|align=\"0;left;right\"" << "a^b^middle^m^t"
                                            << QStringList{"p", "p", "x", "align=\";left;right\""};
        QTest::newRow("own default stays, markers and none removed")
            << "postfield" << "postfield#|id=\"\"#|name=\"fixed\"|value=\"\"" << none + "^c^n^v"
            << QStringList{"postfield", "postfield", "id=\"\"", "name=\"fixed\"", "value=\"v\""};
        QTest::newRow("empty template") << "option" << "" << "t^i" << QStringList{"option"};
        QTest::newRow("name compared ignoring case")
            << "option" << "option|ID=\"\"|OnPick=\"\"" << "t^i^c^v^ti^pick" << QStringList{"option", "option", "ID=\"i\"",
                                                                                        "OnPick=\"pick\""};
    }
    void attributeListRules()
    {
        QFETCH(QString, tagWord);
        QFETCH(QString, tagTemplate);
        QFETCH(QString, first);
        QFETCH(QStringList, lines);
        QCOMPARE(AttributeList::build(tagWord, tagTemplate, first, QString(), QString()), lines);
    }

    void choiceValues()
    {
        QCOMPARE(AttributeList::MakeChoiceValue(QStringLiteral("0;left;center;right"), QStringLiteral("CENTER")),
                 QStringLiteral("1;left;center;right"));
        QCOMPARE(AttributeList::MakeChoiceValue(QStringLiteral("0;a;b;a"), QStringLiteral("a")),
                 QStringLiteral("2;a;b;a"));
        QCOMPARE(AttributeList::MakeChoiceValue(QStringLiteral("0"), QStringLiteral("x")), QString());
        QCOMPARE(AttributeList::MakeChoiceValue(QStringLiteral("-;x;y"), none), QStringLiteral("-;x;y"));
    }

    void imageElementsCarryTheDecodedPicture()
    {
        const QString site = m_folder->file(QStringLiteral("site"));
        m_folder->write(QStringLiteral("site/pics/dot.wbmp"), QByteArray::fromHex("0000020240c0"));
        CardModel model;
        model.setImageFolder(site);
        CardParser::SplitCards(model, QStringLiteral("<card>\r\n<img src=\"pics/dot.wbmp\" alt=\"d\"/>\r\n"
                                                     "<img src=\"none.wbmp\" alt=\"n\"/>\r\n</card>"));
        const CardPage &page = model.page(0);
        const ElementControl *found = page.control(QStringLiteral("OBJ_1_2"));
        QCOMPARE(found->picture.size(), QSize(2, 2));
        QCOMPARE(found->picture.pixel(0, 0), qRgb(0, 0, 0));
        QCOMPARE(found->picture.pixel(1, 0), qRgb(255, 255, 255));
        QCOMPARE(found->height, 2);
        QCOMPARE(found->hint, QStringLiteral("pics/dot.wbmp"));
        const ElementControl *missing = page.control(QStringLiteral("OBJ_1_3"));
        QVERIFY(missing->picture.isNull());
        QCOMPARE(missing->height, CardModel::placeholderPictureHeight);

        // A picture that ends inside its header stops the rebuild with the error.
        m_folder->write(QStringLiteral("site/bad.wbmp"), QByteArray::fromHex("0000"));
        try {
            CardParser::SplitCards(model, QStringLiteral("<card>\r\n<img src=\"bad.wbmp\" alt=\"\"/>\r\n</card>"));
            QFAIL("no error");
        } catch (const TarnelError &error) {
            QCOMPARE(error.text(), QStringLiteral("Read beyond end of file"));
        }
    }

    void largeCardsAreNotCutShort()
    {
        QString body;
        for (int i = 0; i < 400; ++i)
            body += QStringLiteral("<p id=\"p%1\">text %1</p>\r\n").arg(i);
        const QStringList described = parse(QStringLiteral("<card>\r\n") + body + QStringLiteral("</card>"));
        QCOMPARE(described.size(), 1 + 400);
        QCOMPARE(described.value(400),
                 "PARAGRAPH p399^" + none + "^" + none + "^" + none + "^text 399");
    }

private:
    std::unique_ptr<ProgramFolderFixture> m_folder;
};

TARNEL_TEST(CardModelTest)

#include "cardmodeltest.moc"
