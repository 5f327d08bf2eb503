#include "testregistry.h"

#include "common/charset.h"
#include "common/documentfile.h"
#include "common/usersettings.h"
#include "common/xmldeclaration.h"
#include "net/httpclient.h"

#include <QStringDecoder>
#include <QTest>

Q_DECLARE_METATYPE(LineBreaks::Style)

// Character sets, their detection in a page's bytes, the XML declaration
// and the line-break style of a file.
class CharsetTest : public QObject
{
    Q_OBJECT

private slots:
    void ownTablesAgreeWithTheSystemConverter_data()
    {
        QTest::addColumn<QByteArray>("name");
        for (const QByteArray &name : Charset::eightBitSets())
            QTest::newRow(name.constData()) << name;
    }
    void ownTablesAgreeWithTheSystemConverter()
    {
        QFETCH(QByteArray, name);
        if (!QStringDecoder(name.constData()).isValid())
            QSKIP("this Qt build has no converter of that name to compare with");
        const Charset charset = Charset::byName(name);
        QVERIFY(charset.isValid());
        for (int byte = 0; byte < 256; ++byte) {
            const QByteArray one(1, char(byte));
            QStringDecoder system(name.constData(), QStringConverter::Flag::Stateless);
            const QString expected = system(one);
            QString ours;
            QVERIFY(charset.decode(one, &ours));
            // Bytes the set leaves undefined keep their own number.
            if (system.hasError() || expected == QStringLiteral("\uFFFD") || expected == QStringLiteral("\x1A"))
                QCOMPARE(ours.at(0).unicode(), char16_t(byte));
            else
                QCOMPARE(ours, expected);
            bool lossless = false;
            QCOMPARE(charset.encode(ours, &lossless), one);
            QVERIFY(lossless);
        }
    }

    void knowsWhatEachSetCanHold_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("holds");
        const QString czech = QStringLiteral("\u017Elu\u0165ou\u010Dk\u00FD k\u016F\u0148 \u20AC");
        QTest::newRow("Czech in windows-1250") << QByteArray("windows-1250") << czech << true;
        QTest::newRow("Czech in ISO-8859-2 (no euro)") << QByteArray("ISO-8859-2") << czech << false;
        QTest::newRow("Czech in windows-1252") << QByteArray("windows-1252") << czech << false;
        QTest::newRow("Cyrillic in windows-1251") << QByteArray("cp1251") << QStringLiteral("\u0436\u0401") << true;
        QTest::newRow("Cyrillic in windows-1250") << QByteArray("windows-1250") << QStringLiteral("\u0436") << false;
        QTest::newRow("euro in ISO-8859-15") << QByteArray("latin-9") << QStringLiteral("\u20AC") << true;
        QTest::newRow("euro in ISO-8859-1") << QByteArray("latin1") << QStringLiteral("\u20AC") << false;
        QTest::newRow("anything in UTF-16") << QByteArray("UTF-16LE") << QStringLiteral("\u0436\U0001F600") << true;
        QTest::newRow("anything in UTF-8") << QByteArray("utf8") << QStringLiteral("\u0436\U0001F600") << true;
    }
    void knowsWhatEachSetCanHold()
    {
        QFETCH(QByteArray, name);
        QFETCH(QString, text);
        QFETCH(bool, holds);
        const Charset charset = Charset::byName(name);
        QVERIFY(charset.isValid());
        bool lossless = !holds;
        const QByteArray bytes = charset.encode(text, &lossless);
        QCOMPARE(lossless, holds);
        if (holds) {
            QString back;
            QVERIFY(charset.decode(bytes, &back));
            QCOMPARE(back, text);
        }
    }

    void unknownNamesAreInvalid()
    {
        QVERIFY(!Charset::byName("no-such-set").isValid());
        QVERIFY(!Charset::byName("").isValid());
        QString text;
        QVERIFY(!Charset::byName("UTF-16LE").decode("odd", &text));
        QVERIFY(!Charset::utf8().decode("\xC5", &text));
    }

    void detectsTheCharacterSet_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QByteArray>("fallback");
        QTest::addColumn<QByteArray>("server");
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<bool>("mark");
        QTest::addColumn<QString>("text");
        const QByteArray decl1250 = "<?xml version=\"1.0\" encoding=\"windows-1250\"?>";
        const QString zc = QStringLiteral("\u017E\u010D");
        QTest::newRow("valid UTF-8") << QByteArray("\xC5\xBE\xC4\x8D") << QByteArray("windows-1250") << QByteArray()
                                     << QByteArray("UTF-8") << false << zc;
        QTest::newRow("UTF-8 mark") << QByteArray("\xEF\xBB\xBF\xC5\xBE\xC4\x8D") << QByteArray("windows-1252")
                                    << QByteArray("ISO-8859-2") << QByteArray("UTF-8") << true << zc;
        QTest::newRow("UTF-8 mark twice") << QByteArray("\xEF\xBB\xBF\xEF\xBB\xBF<") << QByteArray("windows-1252")
                                          << QByteArray() << QByteArray("UTF-8") << true
                                          << QStringLiteral("\uFEFF<");
        QTest::newRow("UTF-16LE mark twice") << QByteArray("\xFF\xFE\xFF\xFE<\0", 6) << QByteArray("windows-1252")
                                             << QByteArray() << QByteArray("UTF-16LE") << true
                                             << QStringLiteral("\uFEFF<");
        QTest::newRow("UTF-16LE mark") << QByteArray("\xFF\xFE<\0\x7E\x01", 6) << QByteArray("windows-1252")
                                       << QByteArray() << QByteArray("UTF-16LE") << true
                                       << QStringLiteral("<\u017E");
        QTest::newRow("UTF-16BE mark") << QByteArray("\xFE\xFF\0<\x01\x7E", 6) << QByteArray("windows-1252")
                                       << QByteArray() << QByteArray("UTF-16BE") << true
                                       << QStringLiteral("<\u017E");
        QTest::newRow("undeclared, Czech fallback") << QByteArray("\x9E\xE8") << QByteArray("windows-1250")
                                                    << QByteArray() << QByteArray("windows-1250") << false << zc;
        QTest::newRow("undeclared, Western fallback") << QByteArray("\x9E\xE8") << QByteArray("windows-1252")
                                                      << QByteArray() << QByteArray("windows-1252") << false
                                                      << QStringLiteral("\u017E\u00E8");
        QTest::newRow("declared beats fallback") << decl1250 + "\x9E\xE8" << QByteArray("windows-1252")
                                                 << QByteArray() << QByteArray("windows-1250") << false
                                                 << QString::fromLatin1(decl1250) + zc;
        QTest::newRow("declared, all ASCII") << decl1250 + "<p/>" << QByteArray("windows-1252") << QByteArray()
                                             << QByteArray("windows-1250") << false
                                             << QString::fromLatin1(decl1250) + "<p/>";
        QTest::newRow("declared by alias") << QByteArray("<?xml version='1.0' encoding='cp1250'?>\x9E")
                                           << QByteArray("windows-1252") << QByteArray()
                                           << QByteArray("windows-1250") << false
                                           << QStringLiteral("<?xml version='1.0' encoding='cp1250'?>\u017E");
        QTest::newRow("declaration beats server") << decl1250 + "\x9E" << QByteArray("windows-1252")
                                                  << QByteArray("ISO-8859-1") << QByteArray("windows-1250") << false
                                                  << QString::fromLatin1(decl1250) + QStringLiteral("\u017E");
        QTest::newRow("server without declaration") << QByteArray("<p>\x9E\xE8</p>") << QByteArray("windows-1252")
                                                    << QByteArray("windows-1250") << QByteArray("windows-1250")
                                                    << false << QStringLiteral("<p>") + zc + "</p>";
        QTest::newRow("unknown server set") << QByteArray("\x9E") << QByteArray("windows-1250")
                                            << QByteArray("x-nonsense") << QByteArray("windows-1250") << false
                                            << QStringLiteral("\u017E");
        QTest::newRow("declared UTF-16 read as ASCII")
            << QByteArray("<?xml version=\"1.0\" encoding=\"UTF-16\"?>\x9E") << QByteArray("windows-1250")
            << QByteArray() << QByteArray("windows-1250") << false
            << QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-16\"?>\u017E");
        QTest::newRow("declared UTF-8, 8-bit bytes")
            << QByteArray("<?xml version=\"1.0\" encoding=\"utf-8\"?>\xE8") << QByteArray("windows-1250")
            << QByteArray() << QByteArray("windows-1250") << false
            << QStringLiteral("<?xml version=\"1.0\" encoding=\"utf-8\"?>\u010D");
        QTest::newRow("broken fallback") << QByteArray("\xE8") << QByteArray("none") << QByteArray()
                                         << QByteArray("ISO-8859-1") << false << QStringLiteral("\u00E8");
    }
    void detectsTheCharacterSet()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QByteArray, fallback);
        QFETCH(QByteArray, server);
        QFETCH(QByteArray, name);
        QFETCH(bool, mark);
        QFETCH(QString, text);
        const LoadedDocument document = DocumentFile::decode(bytes, DecodeHints{fallback, server});
        QCOMPARE(document.encoding.name, name);
        QCOMPARE(document.encoding.byteOrderMark, mark);
        QCOMPARE(document.text, text);
        // Nothing of the page is lost: it is written back as it was read.
        QCOMPARE(DocumentFile::encode(document.text, document.encoding, nullptr, document.lineBreaks), bytes);
    }

    void otherDeclaredSetsComeFromTheSystemConverter()
    {
        // A set the Qt build knows only through ICU, when it has ICU.
        if (!Charset::byName("windows-1257").isValid())
            QSKIP("this Qt build knows no other sets by name");
        const LoadedDocument baltic
            = DocumentFile::decode("<?xml version=\"1.0\" encoding=\"windows-1257\"?>\xE8", DecodeHints());
        QCOMPARE(baltic.encoding.name, QByteArray("windows-1257"));
        QVERIFY(baltic.text.endsWith(QStringLiteral("\u010D")));
    }

    void decodesInTheSetTheUserNames_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<bool>("readable");
        QTest::addColumn<QString>("text");
        QTest::newRow("8-bit as windows-1250") << QByteArray("\x9E\r\n") << QByteArray("windows-1250") << true
                                               << QStringLiteral("\u017E\r\n");
        QTest::newRow("8-bit as UTF-8") << QByteArray("\x9E") << QByteArray("UTF-8") << false << QString();
        QTest::newRow("UTF-16LE with mark") << QByteArray("\xFF\xFEx\0", 4) << QByteArray("UTF-16LE") << true
                                            << QStringLiteral("x");
        QTest::newRow("odd bytes as UTF-16") << QByteArray("abc") << QByteArray("UTF-16BE") << false << QString();
    }
    void decodesInTheSetTheUserNames()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QByteArray, name);
        QFETCH(bool, readable);
        QFETCH(QString, text);
        LoadedDocument document;
        QCOMPARE(DocumentFile::decodeAs(bytes, name, &document), readable);
        if (!readable)
            return;
        QCOMPARE(document.text, text);
        QCOMPARE(DocumentFile::encode(document.text, document.encoding, nullptr, document.lineBreaks), bytes);
    }

    void rewritesTheDeclaredEncoding_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("result");
        QTest::newRow("double quotes") << "<?xml version=\"1.0\" encoding=\"windows-1250\"?>\r\n<wml/>"
                                       << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<wml/>";
        QTest::newRow("single quotes") << "<?xml version='1.0' encoding='ISO-8859-2' standalone='yes'?><wml/>"
                                       << "<?xml version='1.0' encoding='UTF-8' standalone='yes'?><wml/>";
        QTest::newRow("no encoding") << "<?xml version=\"1.0\"?><wml/>"
                                     << "<?xml version=\"1.0\" encoding=\"UTF-8\"?><wml/>";
        QTest::newRow("no encoding, standalone") << "<?xml version=\"1.0\" standalone=\"no\"?>"
                                                 << "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\"?>";
        QTest::newRow("no version") << "<?xml  ?><wml/>" << "<?xml encoding=\"UTF-8\"  ?><wml/>";
        QTest::newRow("already UTF-8") << "<?xml version=\"1.0\" encoding=\"utf-8\"?>"
                                       << "<?xml version=\"1.0\" encoding=\"utf-8\"?>";
        QTest::newRow("no declaration") << "<wml encoding=\"x\"/>" << "<wml encoding=\"x\"/>";
        QTest::newRow("processing instruction named xml-stylesheet")
            << "<?xml-stylesheet encoding=\"x\"?>" << "<?xml-stylesheet encoding=\"x\"?>";
        QTest::newRow("unterminated") << "<?xml version=\"1.0\" encoding=\"cp1250\"" << "<?xml version=\"1.0\" encoding=\"cp1250\"";
    }
    void rewritesTheDeclaredEncoding()
    {
        QFETCH(QString, text);
        QFETCH(QString, result);
        const auto edit = XmlDeclaration::encodingEdit(text, "UTF-8");
        QCOMPARE(edit ? edit->appliedTo(text) : text, result);
        if (edit)
            QCOMPARE(XmlDeclaration::declaredEncoding(result.toLatin1()), QByteArray("UTF-8"));
    }

    void keepsTheLineBreakStyle_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<LineBreaks::Style>("style");
        QTest::addColumn<bool>("sameBytes");
        QTest::addColumn<QByteArray>("extended"); // after a line "z" is added at the end
        QTest::newRow("LF") << QByteArray("a\nb\n") << LineBreaks::Style::Lf << true << QByteArray("a\nb\n\nz");
        QTest::newRow("CR") << QByteArray("a\rb") << LineBreaks::Style::Cr << true << QByteArray("a\rb\rz");
        QTest::newRow("CR LF") << QByteArray("a\r\nb") << LineBreaks::Style::CrLf << true
                               << QByteArray("a\r\nb\r\nz");
        QTest::newRow("no break") << QByteArray("a") << LineBreaks::Style::CrLf << true << QByteArray("a\r\nz");
        QTest::newRow("mixed") << QByteArray("a\nb\r\nc") << LineBreaks::Style::CrLf << false
                               << QByteArray("a\r\nb\r\nc\r\nz");
        QTest::newRow("LF CR") << QByteArray("a\n\rb") << LineBreaks::Style::CrLf << false
                               << QByteArray("a\r\nb\r\nz");
    }
    void keepsTheLineBreakStyle()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(LineBreaks::Style, style);
        QFETCH(bool, sameBytes);
        QFETCH(QByteArray, extended);
        const LoadedDocument document = DocumentFile::decode(bytes);
        QCOMPARE(document.lineBreaks, style);
        QCOMPARE(DocumentFile::encode(document.text, document.encoding, nullptr, style) == bytes, sameBytes);
        QCOMPARE(DocumentFile::encode(document.text + "\r\nz", document.encoding, nullptr, style), extended);
    }

    void namesTheFormatForTheStatusBar()
    {
        QCOMPARE(DocumentFile::formatName(TextEncoding{"windows-1250", false}, LineBreaks::Style::CrLf),
                 QStringLiteral("windows-1250, CR LF"));
        QCOMPARE(DocumentFile::formatName(TextEncoding{"UTF-16LE", true}, LineBreaks::Style::Lf),
                 QStringLiteral("UTF-16LE BOM, LF"));
    }

    void readsTheServersCharset_data()
    {
        QTest::addColumn<QByteArray>("contentType");
        QTest::addColumn<QByteArray>("charset");
        QTest::newRow("plain") << QByteArray("text/vnd.wap.wml; charset=windows-1250") << QByteArray("windows-1250");
        QTest::newRow("quoted, upper case") << QByteArray("text/vnd.wap.wml;CHARSET=\"ISO-8859-2\"")
                                            << QByteArray("ISO-8859-2");
        QTest::newRow("among others") << QByteArray("text/vnd.wap.wml; level=1 ; charset = utf-8 ")
                                      << QByteArray("utf-8");
        QTest::newRow("none") << QByteArray("text/vnd.wap.wml") << QByteArray();
        QTest::newRow("charset in the type") << QByteArray("text/charset=x") << QByteArray();
        QTest::newRow("no header") << QByteArray() << QByteArray();
    }
    void readsTheServersCharset()
    {
        QFETCH(QByteArray, contentType);
        QFETCH(QByteArray, charset);
        QCOMPARE(HttpClient::charsetOf(contentType), charset);
    }

    void fallbackFollowsTheLanguage_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QByteArray>("charset");
        QTest::newRow("Czech") << "CS" << QByteArray("windows-1250");
        QTest::newRow("Czech in lower case") << "cs" << QByteArray("windows-1250");
        QTest::newRow("German") << "DE" << QByteArray("windows-1252");
        QTest::newRow("English (US)") << "ENU" << QByteArray("windows-1252");
    }
    void fallbackFollowsTheLanguage()
    {
        QFETCH(QString, code);
        QFETCH(QByteArray, charset);
        QCOMPARE(UserSettings::fallbackCharsetForLanguage(code), charset);
    }
};

TARNEL_TEST(CharsetTest)
#include "charsettest.moc"
