// Scenarios of input and select fields (WML 1.3, 11.6): masks, emptyok,
// maxlength, initial values, the default selection of select lists with
// name/value and iname/ivalue, multiple lists and optgroups.
#include "phonescenario.h"

#include "browser/browsercontext.h"
#include "browser/inputmask.h"
#include "browser/selectlist.h"

#include "testregistry.h"

#include <QTest>

class PhoneFormsTest : public QObject
{
    Q_OBJECT

private slots:
    void inputs_data();
    void inputs();
    void masks_data();
    void masks();
    void selects_data();
    void selects();
    void validatedIndices_data();
    void validatedIndices();
};

void PhoneFormsTest::inputs_data()
{
    QTest::addColumn<QString>("attributes");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("expect");

    QTest::newRow("typed text goes to the variable") << "" << "text=Bob" << "var:n=Bob; screen=[Bob_]";
    QTest::newRow("spaces are kept as typed") << "" << "text= a  b" << "var:n= a  b";
    QTest::newRow("select opens the field, text accepts it")
        << "" << "select,text=Al" << "var:n=Al; screen=[Al_]";
    QTest::newRow("back closes the open field unchanged") << "value=\"Jo\"" << "select,back" << "var:n=Jo";
    QTest::newRow("a password shows stars") << "type=\"password\"" << "text=abc" << "var:n=abc; screen=[***_]";
    QTest::newRow("the value attribute is the first value") << "value=\"Jo\"" << "" << "var:n=Jo; screen=[Jo_]";
    QTest::newRow("a value that does not fit the mask is ignored") << "format=\"N\" value=\"x\"" << "" << "novar=n";
    QTest::newRow("text that does not fit the mask is refused")
        << "format=\"NNN\"" << "text=12a" << "refused=1; novar=n";
    QTest::newRow("text that fits the mask") << "format=\"NNN\"" << "text=123" << "var:n=123";
    QTest::newRow("a fixed mask needs input") << "format=\"NNN\"" << "text=" << "refused=1";
    QTest::newRow("emptyok lets a fixed mask be empty") << "format=\"NNN\" emptyok=\"true\"" << "text=" << "refused=0";
    QTest::newRow("emptyok false needs input with the default mask") << "emptyok=\"false\"" << "text=" << "refused=1";
    QTest::newRow("the default mask takes nothing") << "" << "text=" << "refused=0; novar=n";
    QTest::newRow("maxlength") << "maxlength=\"3\"" << "text=abcd,text=abc" << "refused=1; var:n=abc";
    QTest::newRow("an invalid mask is ignored") << "format=\"Q\"" << "text=anything 1" << "var:n=anything 1";
    QTest::newRow("size gives the field its places") << "size=\"5\" value=\"Jo\"" << "" << "screen=[Jo___]";
    QTest::newRow("a longer value than the size") << "size=\"2\"" << "text=Long" << "screen=[Long_]";
    QTest::newRow("the variable is shown in the field")
        << "value=\"Jo\"" << "text=Ann" << "screen=[Ann_]";
}

void PhoneFormsTest::inputs()
{
    QFETCH(QString, attributes);
    QFETCH(QString, keys);
    QFETCH(QString, expect);
    PhoneScenario::run(QStringLiteral("<card id=\"a\"><p><input name=\"n\" %1/></p></card>").arg(attributes), keys, expect);
}

void PhoneFormsTest::masks_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("accepted");

    QTest::newRow("A takes upper case") << "AA" << "AB" << true;
    QTest::newRow("A refuses lower case") << "AA" << "ab" << false;
    QTest::newRow("A takes punctuation") << "A" << "!" << true;
    QTest::newRow("A refuses digits") << "A" << "1" << false;
    QTest::newRow("a takes lower case") << "a" << "z" << true;
    QTest::newRow("N refuses punctuation") << "N" << "-" << false;
    QTest::newRow("n takes punctuation") << "n" << "-" << true;
    QTest::newRow("X takes upper case and digits") << "XX" << "A1" << true;
    QTest::newRow("x refuses upper case") << "x" << "A" << false;
    QTest::newRow("M takes anything") << "MMM" << "a1 " << true;
    QTest::newRow("fixed mask needs every position") << "NNN" << "12" << false;
    QTest::newRow("fixed mask takes no more") << "NNN" << "1234" << false;
    QTest::newRow("star tail any length") << "A*N" << "B12345" << true;
    QTest::newRow("star tail checks its code") << "A*N" << "B12x" << false;
    QTest::newRow("count tail up to n") << "3N" << "12" << true;
    QTest::newRow("count tail no more than n") << "3N" << "1234" << false;
    QTest::newRow("escaped static character kept") << "NNNNN\\-3N" << "12345-123" << true;
    QTest::newRow("escaped static character required") << "NNNNN\\-3N" << "12345123" << false;
    QTest::newRow("star not at the end makes the mask invalid: default") << "*NA" << "hello" << true;
    QTest::newRow("two tails make the mask invalid") << "*N*N" << "x" << true;
    QTest::newRow("zero count is invalid") << "0N" << "x" << true;
    QTest::newRow("accented upper case is upper case") << "A" << "Č" << true;
}

void PhoneFormsTest::masks()
{
    QFETCH(QString, format);
    QFETCH(QString, value);
    QFETCH(bool, accepted);
    QCOMPARE(InputMask(format).accepts(value), accepted);
}

void PhoneFormsTest::selects_data()
{
    QTest::addColumn<QString>("decks");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("expect");

    const QString abc = QStringLiteral("<option value=\"a\">A</option><option value=\"b\">B</option>"
                                       "<option value=\"c\">C</option>");
    const auto card = [&](const QString &select, const QString &preset = QString()) {
        QString deck = QStringLiteral("<card id=\"a\">");
        deck += QStringLiteral("<onevent type=\"onenterforward\"><go href=\"#f\">%1</go></onevent>").arg(preset);
        deck += QStringLiteral("</card><card id=\"f\"><p>%1</p></card>").arg(select);
        return deck;
    };
    QTest::newRow("a single list chooses its first option")
        << card("<select name=\"s\">" + abc + "</select>") << "" << "var:s=a; screen=[A v]";
    QTest::newRow("the value attribute chooses")
        << card("<select name=\"s\" value=\"b\">" + abc + "</select>") << "" << "var:s=b; screen=[B v]";
    QTest::newRow("a set name variable wins over the value attribute")
        << card("<select name=\"s\" value=\"b\">" + abc + "</select>", "<setvar name=\"s\" value=\"c\"/>") << ""
        << "var:s=c";
    QTest::newRow("a name variable naming no option falls back to value")
        << card("<select name=\"s\" value=\"b\">" + abc + "</select>", "<setvar name=\"s\" value=\"zz\"/>") << ""
        << "var:s=b";
    QTest::newRow("ivalue wins over the name variable")
        << card("<select name=\"F\" ivalue=\"2\">" + abc + "</select>", "<setvar name=\"F\" value=\"a\"/>") << ""
        << "var:F=b";
    QTest::newRow("a set iname variable wins over ivalue")
        << card("<select name=\"s\" iname=\"I\" ivalue=\"1\">" + abc + "</select>", "<setvar name=\"I\" value=\"3\"/>")
        << "" << "var:s=c; var:I=3";
    QTest::newRow("iname is set to the default index")
        << card("<select iname=\"I\" ivalue=\"2\">" + abc + "</select>") << "" << "var:I=2; screen=[B v]";
    QTest::newRow("an ivalue out of range falls back to the first")
        << card("<select iname=\"I\" ivalue=\"9\">" + abc + "</select>") << "" << "var:I=1";
    QTest::newRow("an iname variable that is not a number is not used")
        << card("<select iname=\"I\" ivalue=\"2\">" + abc + "</select>", "<setvar name=\"I\" value=\"x\"/>") << ""
        << "var:I=2";
    QTest::newRow("a single list takes a value with a semicolon whole")
        << card("<select name=\"s\"><option value=\"1\">One</option><option value=\"1;2\">Both</option></select>",
                "<setvar name=\"s\" value=\"1;2\"/>")
        << "" << "var:s=1;;2; screen=[Both v]";
    QTest::newRow("a multiple list with a value list")
        << card("<select name=\"s\" multiple=\"true\" value=\"c;a\">" + abc + "</select>") << ""
        << "var:s=a;;c; screen=[A, C v]";
    QTest::newRow("a multiple list chooses nothing by default")
        << card("<select name=\"s\" iname=\"I\" multiple=\"true\">" + abc + "</select>") << ""
        << "novar=s; var:I=0; screen=[ v]";
    QTest::newRow("a multiple ivalue list drops repeats")
        << card("<select name=\"s\" iname=\"I\" multiple=\"true\" ivalue=\"2;2;3;x\">" + abc + "</select>") << ""
        << "var:I=2;;3; var:s=b;;c";
    QTest::newRow("picking sets name and iname")
        << card("<select name=\"s\" iname=\"I\">" + abc + "</select>") << "pick=3" << "var:s=c; var:I=3; screen=[C v]";
    QTest::newRow("select opens the list, down and select choose")
        << card("<select name=\"s\">" + abc + "</select>") << "select,down,select" << "var:s=b; menu=none";
    QTest::newRow("the open list")
        << card("<select name=\"s\" title=\"Pick\">" + abc + "</select>") << "select" << "menu=A|B|C; soft2=Back";
    QTest::newRow("picking in a multiple list toggles")
        << card("<select name=\"s\" iname=\"I\" multiple=\"true\">" + abc + "</select>") << "pick=3,pick=1,pick=3"
        << "var:s=a; var:I=1; menu=none";
    QTest::newRow("an open multiple list stays open while choosing")
        << card("<select name=\"s\" multiple=\"true\">" + abc + "</select>") << "select,down,select,down,select,up,select"
        << "var:s=c; menu=A|B|C; soft1=Select";
    QTest::newRow("a pick out of range changes nothing")
        << card("<select name=\"s\">" + abc + "</select>") << "pick=9" << "refused=1; menu=none; var:s=a";
    QTest::newRow("an option without a value unsets the name")
        << card("<select name=\"s\" value=\"a\"><option value=\"a\">A</option><option>None</option></select>")
        << "pick=2" << "novar=s";
    QTest::newRow("optgroups are flattened, titled")
        << card("<select name=\"s\"><optgroup title=\"G\"><option value=\"1\">One</option></optgroup>"
                "<option value=\"2\">Two</option></select>")
        << "select" << "menu=G: One|Two";
    QTest::newRow("option text with variables")
        << card("<select name=\"s\"><option value=\"1\">Hi $(who)</option></select>", "<setvar name=\"who\" value=\"Al\"/>")
        << "" << "screen=[Hi Al v]";
    QTest::newRow("fields in a fieldset and several fields in order")
        << card("<fieldset title=\"F\">N: <input name=\"n\" value=\"x\"/></fieldset><select name=\"s\">" + abc
                + "</select>")
        << "down,pick=2,up,text=yy" << "var:n=yy; var:s=b; screen=N: [yy_][B v]";
}

void PhoneFormsTest::selects()
{
    QFETCH(QString, decks);
    QFETCH(QString, keys);
    QFETCH(QString, expect);
    PhoneScenario::run(decks, keys, expect);
}

void PhoneFormsTest::validatedIndices_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("multiple");
    QTest::addColumn<QList<int>>("indices");

    QTest::newRow("single") << "2" << false << QList<int>{2};
    QTest::newRow("single list of two is invalid") << "1;2" << false << QList<int>{};
    QTest::newRow("out of range") << "0;4;-1" << true << QList<int>{};
    QTest::newRow("not numbers") << "a;2;b" << true << QList<int>{2};
    QTest::newRow("repeats") << "3;1;3" << true << QList<int>{3, 1};
}

void PhoneFormsTest::validatedIndices()
{
    QFETCH(QString, value);
    QFETCH(bool, multiple);
    QFETCH(QList<int>, indices);
    QCOMPARE(SelectList::validated(value, multiple, 3), indices);
}

TARNEL_TEST(PhoneFormsTest)
#include "phoneformstest.moc"
