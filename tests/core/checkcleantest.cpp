// What the program ships must check clean: every page template, the
// sample deck, and every complete deck the help pages show as an example.
// Warnings are allowed where an example leaves out the prologue on purpose.
#include "testregistry.h"

#include "check/checker.h"
#include "wml/wmldocument.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTest>

namespace {

QString readUtf8(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

const QString prologue = QStringLiteral("<?xml version=\"1.0\"?>\n<!DOCTYPE wml PUBLIC \"-//WAPFORUM//DTD WML 1.3//EN\" "
                                        "\"http://www.wapforum.org/DTD/wml13.dtd\">\n");

QString htmlUnescaped(QString text)
{
    text.remove(QRegularExpression(QStringLiteral("<[^>]*>")));
    text.replace(QLatin1String("&lt;"), QLatin1String("<"));
    text.replace(QLatin1String("&gt;"), QLatin1String(">"));
    text.replace(QLatin1String("&quot;"), QLatin1String("\""));
    text.replace(QLatin1String("&amp;"), QLatin1String("&"));
    return text;
}

QStringList errorsOf(const QString &text)
{
    const auto document = WmlDocument::parse(text);
    QStringList errors;
    for (const Diagnostic &problem : Checker::check(*document, Checker::Options())) {
        if (problem.severity == Severity::Error)
            errors << QStringLiteral("%1:%2 %3 %4")
                          .arg(problem.range.start.line)
                          .arg(problem.range.start.column)
                          .arg(problem.ruleId, problem.message);
    }
    return errors;
}

} // namespace

class CheckCleanTest : public QObject
{
    Q_OBJECT

private slots:
    void shippedDecksHaveNoProblems_data()
    {
        QTest::addColumn<QString>("path");
        const QDir data(QStringLiteral(TARNEL_SOURCE_DIR "/data"));
        for (const QString &name : data.entryList({QStringLiteral("*.tem")}, QDir::Files, QDir::Name))
            QTest::newRow(qPrintable(name)) << data.filePath(name);
        QTest::newRow("welcome.wml") << QStringLiteral(TARNEL_SOURCE_DIR "/samples/welcome.wml");
    }
    void shippedDecksHaveNoProblems()
    {
        QFETCH(QString, path);
        const auto document = WmlDocument::parse(readUtf8(path));
        QVERIFY(document->isWellFormed());
        QStringList problems;
        for (const Diagnostic &problem : Checker::check(*document, Checker::Options()))
            problems << QStringLiteral("%1:%2 %3").arg(problem.range.start.line).arg(problem.range.start.column).arg(problem.ruleId);
        QCOMPARE(problems, QStringList());
    }

    void helpExamplesHaveNoErrors_data()
    {
        QTest::addColumn<QString>("example");
        const QDir help(QStringLiteral(TARNEL_SOURCE_DIR "/HELP"));
        const QRegularExpression pre(QStringLiteral("<pre[^>]*>(.*?)</pre>"),
                                     QRegularExpression::DotMatchesEverythingOption);
        for (const QString &name : help.entryList({QStringLiteral("*.htm")}, QDir::Files, QDir::Name)) {
            int number = 0;
            for (const QRegularExpressionMatch &match : pre.globalMatch(readUtf8(help.filePath(name)))) {
                const QString example = htmlUnescaped(match.captured(1)).trimmed();
                QString deck;
                if (example.contains(QLatin1String("<wml")) && example.contains(QLatin1String("</wml>")))
                    deck = example;
                else if ((example.startsWith(QLatin1String("<card")) && example.endsWith(QLatin1String("</card>")))
                         || (example.startsWith(QLatin1String("<template"))
                             && example.endsWith(QLatin1String("</template>"))))
                    deck = prologue + QStringLiteral("<wml>\n") + example + QStringLiteral("\n</wml>\n");
                // Other fragments belong inside a card the reader already has;
                // an outline with "..." for the content is not a deck.
                if (!deck.isEmpty() && !example.contains(QLatin1String(">...<")))
                    QTest::newRow(qPrintable(QStringLiteral("%1 #%2").arg(name).arg(++number))) << deck;
            }
        }
    }
    void helpExamplesHaveNoErrors()
    {
        QFETCH(QString, example);
        QCOMPARE(errorsOf(example), QStringList());
    }
};
TARNEL_TEST(CheckCleanTest)

#include "checkcleantest.moc"
