// Every deck under tests/data/check is checked and its problems compared
// with the .expected file beside it: one line per problem,
// "LINE:COLUMN: severity: rule-id", in the checker's order. A deck with no
// .expected file must check clean. Decks under device/ are checked with
// their folder, so the pictures they show are read from beside them.
#include "testregistry.h"

#include "check/checker.h"
#include "wml/wmldocument.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTest>

namespace {

const QString checkData = QStringLiteral(TARNEL_SOURCE_DIR "/tests/data/check");

QString readText(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}

QStringList expectedLines(const QString &path)
{
    QStringList lines;
    for (const QString &line : readText(path).split(QLatin1Char('\n'))) {
        const QString trimmed = line.trimmed();
        if (!trimmed.isEmpty() && !trimmed.startsWith(QLatin1Char('#')))
            lines << trimmed;
    }
    return lines;
}

QStringList reportedLines(const QList<Diagnostic> &diagnostics)
{
    QStringList lines;
    for (const Diagnostic &diagnostic : diagnostics) {
        lines << QStringLiteral("%1:%2: %3: %4")
                     .arg(diagnostic.range.start.line)
                     .arg(diagnostic.range.start.column)
                     .arg(severityName(diagnostic.severity), diagnostic.ruleId);
    }
    return lines;
}

} // namespace

class CheckGoldenTest : public QObject
{
    Q_OBJECT

private slots:
    void decksCheckAsExpected_data()
    {
        QTest::addColumn<QString>("deck");
        QDirIterator decks(checkData, {QStringLiteral("*.wml")}, QDir::Files, QDirIterator::Subdirectories);
        QStringList paths;
        while (decks.hasNext())
            paths << decks.next();
        paths.sort();
        for (const QString &path : std::as_const(paths))
            QTest::newRow(qPrintable(path.mid(checkData.size() + 1))) << path;
    }
    void decksCheckAsExpected()
    {
        QFETCH(QString, deck);
        QFile file(deck);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        WmlDocument::Options options;
        options.actualEncoding = "UTF-8";
        const auto document = WmlDocument::parse(QString::fromUtf8(bytes), options);
        Checker::Options checkOptions;
        if (deck.startsWith(checkData + QStringLiteral("/device/")))
            checkOptions.documentFolder = QFileInfo(deck).absolutePath();
        const QStringList reported = reportedLines(Checker::check(*document, checkOptions));
        QString expectedPath = deck;
        expectedPath.replace(expectedPath.size() - 4, 4, QStringLiteral(".expected"));
        const QStringList expected = QFile::exists(expectedPath) ? expectedLines(expectedPath) : QStringList();
        if (reported != expected) {
            qWarning().noquote() << "reported:\n" + reported.join(QLatin1Char('\n'));
            qWarning().noquote() << "expected:\n" + expected.join(QLatin1Char('\n'));
        }
        QCOMPARE(reported, expected);
    }
};
TARNEL_TEST(CheckGoldenTest)

#include "checkgoldentest.moc"
