#include "testregistry.h"

#include "check/checksession.h"
#include "check/fixapplier.h"
#include "check/problemset.h"
#include "editor/plaintextbuffer.h"

#include <QElapsedTimer>
#include <QSemaphore>
#include <QSignalSpy>
#include <QTest>
#include <atomic>
#include <memory>

namespace {

Diagnostic diagnosticAt(int start, int end, Severity severity = Severity::Error, const QString &message = QString())
{
    Diagnostic diagnostic;
    diagnostic.range.start.offset = start;
    diagnostic.range.end.offset = end;
    diagnostic.severity = severity;
    diagnostic.ruleId = QStringLiteral("test");
    diagnostic.message = message;
    return diagnostic;
}

// A page whose text the test changes, and a check that reports the text
// it was given as its one problem, so a result tells which text it is for.
struct Page
{
    QString text;
    std::shared_ptr<std::atomic<int>> runs = std::make_shared<std::atomic<int>>(0);
    // When set, each check waits for one release before it returns.
    std::shared_ptr<QSemaphore> gate;

    CheckSession::InputSource source()
    {
        return [this] {
            CheckSession::Input input;
            input.text = text;
            return input;
        };
    }
    CheckSession::CheckFunction check() const
    {
        return [runs = runs, gate = gate](const CheckSession::Input &input) {
            if (gate)
                gate->acquire();
            ++*runs;
            return QList<Diagnostic>{diagnosticAt(0, 1, Severity::Error, input.text)};
        };
    }
};

QString checkedText(const CheckSession &session)
{
    return session.diagnostics().isEmpty() ? QString() : session.diagnostics().front().message;
}

} // namespace

// The scheduling of checks while the user types, and what the editor makes
// of their results: counts, problems at a position, fixes.
class CheckSessionTest : public QObject
{
    Q_OBJECT

private slots:
    void checksOnceTypingPauses()
    {
        Page page;
        CheckSession session(page.source());
        session.setCheckFunction(page.check());
        session.setDelay(300);
        QSignalSpy checked(&session, &CheckSession::checked);
        for (int i = 0; i < 6; ++i) {
            page.text += QLatin1Char('a');
            session.textChanged();
            QTest::qWait(20);
        }
        // Still typing: nothing was checked yet.
        QCOMPARE(session.startedCount(), 0);
        QVERIFY(session.isWaiting());
        QTRY_COMPARE(checked.size(), 1);
        QCOMPARE(session.startedCount(), 1);
        QCOMPARE(checkedText(session), QStringLiteral("aaaaaa"));
        QVERIFY(session.isCurrent());
        QTest::qWait(400);
        QCOMPARE(checked.size(), 1);
    }

    void resultOfAChangedTextIsDroppedAndTheTextCheckedAgain()
    {
        Page page;
        page.gate = std::make_shared<QSemaphore>();
        page.text = QStringLiteral("old");
        CheckSession session(page.source());
        session.setCheckFunction(page.check());
        session.setDelay(30);
        QSignalSpy checked(&session, &CheckSession::checked);
        session.checkNow();
        QVERIFY(session.isRunning());

        // Typing goes on while the check runs, and never waits for it.
        QElapsedTimer clock;
        clock.start();
        page.text = QStringLiteral("new");
        session.textChanged();
        QVERIFY(clock.elapsed() < 20);
        QVERIFY(!session.isCurrent());
        // The pause ends while the first check still runs: the second
        // waits for it instead of running beside it.
        QTest::qWait(60);
        QCOMPARE(session.startedCount(), 1);

        page.gate->release(2);
        QTRY_COMPARE(checked.size(), 1);
        QCOMPARE(session.droppedCount(), 1);
        QCOMPARE(session.startedCount(), 2);
        QCOMPARE(checkedText(session), QStringLiteral("new"));
        QVERIFY(session.isCurrent());
    }

    void staleResultBeforeThePauseEndsWaitsForTheTimer()
    {
        Page page;
        page.gate = std::make_shared<QSemaphore>();
        CheckSession session(page.source());
        session.setCheckFunction(page.check());
        session.setDelay(1000);
        QSignalSpy checked(&session, &CheckSession::checked);
        session.checkNow();
        page.text = QStringLiteral("typed");
        session.textChanged();
        page.gate->release(2);
        QTRY_COMPARE(session.droppedCount(), 1);
        // Dropped without a new check while the user may still type.
        QCOMPARE(session.startedCount(), 1);
        QVERIFY(session.isWaiting());
        QTRY_COMPARE(checked.size(), 1);
        QCOMPARE(checkedText(session), QStringLiteral("typed"));
    }

    void sessionMayGoWhileItsCheckRuns()
    {
        Page page;
        page.gate = std::make_shared<QSemaphore>();
        auto session = std::make_unique<CheckSession>(page.source());
        session->setCheckFunction(page.check());
        session->checkNow();
        session.reset();
        page.gate->release();
        QTRY_COMPARE(page.runs->load(), 1);
        // The result finds no session and is let go.
        QTest::qWait(30);
    }

    void bringUpToDateChecksAtOnceOnlyWhenNeeded()
    {
        Page page;
        CheckSession session(page.source());
        session.setCheckFunction(page.check());
        session.setDelay(10000);
        page.text = QStringLiteral("<wml");
        session.textChanged();
        session.bringUpToDate();
        QCOMPARE(checkedText(session), QStringLiteral("<wml"));
        QVERIFY(session.isCurrent());
        QVERIFY(!session.isWaiting());
        session.bringUpToDate();
        QCOMPARE(page.runs->load(), 1);
    }

    void standardCheckMarksXmlFaultsWhereTheyAre()
    {
        CheckSession::Input input;
        input.text = QStringLiteral("<wml>\r\n<card>\r\n<p>A & B</p>\r\n</card>\r\n</wml>");
        const QList<Diagnostic> found = CheckSession::standardCheck(input);
        QVERIFY(!found.isEmpty());
        QCOMPARE(found.front().ruleId, QStringLiteral("xml"));
        QCOMPARE(found.front().severity, Severity::Error);
        QCOMPARE(found.front().range.start.offset, int(input.text.indexOf(QLatin1Char('&'))));
        QCOMPARE(found.front().range.start.line, 3);
        QCOMPARE(found.front().range.start.column, 6);
    }

    void summaryCountsErrorsAndWarnings_data()
    {
        QTest::addColumn<int>("errors");
        QTest::addColumn<int>("warnings");
        QTest::addColumn<QString>("summary");
        QTest::newRow("clean") << 0 << 0 << "No problems";
        QTest::newRow("one error") << 1 << 0 << "1 error";
        QTest::newRow("mixed") << 2 << 1 << "2 errors, 1 warning";
        QTest::newRow("warnings only") << 0 << 5 << "5 warnings";
    }
    void summaryCountsErrorsAndWarnings()
    {
        QFETCH(int, errors);
        QFETCH(int, warnings);
        QFETCH(QString, summary);
        QList<Diagnostic> list;
        for (int i = 0; i < warnings; ++i)
            list << diagnosticAt(i, i + 1, Severity::Warning);
        for (int i = 0; i < errors; ++i)
            list << diagnosticAt(i, i + 1, Severity::Error);
        const ProblemSet problems(list);
        QCOMPARE(problems.summary(), summary);
        QCOMPARE(problems.errorCount(), errors);
        QCOMPARE(problems.warningCount(), warnings);
        QCOMPARE(problems.moreText(), QString());
    }

    void manyProblemsAreCutShort()
    {
        QList<Diagnostic> list;
        for (int i = 0; i < ProblemSet::shownLimit + 12; ++i)
            list << diagnosticAt(i * 2, i * 2 + 1);
        const ProblemSet problems(list);
        QCOMPARE(problems.shownCount(), ProblemSet::shownLimit);
        QCOMPARE(problems.hiddenCount(), 12);
        QCOMPARE(problems.moreText(), QStringLiteral("and 12 more"));
        // The counts still cover them all.
        QCOMPARE(problems.summary(), QStringLiteral("%1 errors").arg(ProblemSet::shownLimit + 12));
        QCOMPARE(problems.at(2 * (ProblemSet::shownLimit + 5)).size(), 0);
    }

    void problemsAtAPositionIncludeBothEnds()
    {
        Diagnostic fixable = diagnosticAt(10, 13, Severity::Warning, QStringLiteral("fixable"));
        fixable.fix = QuickFix{QStringLiteral("Fix it"), {TextEdit{10, 13, QStringLiteral("x")}}};
        const ProblemSet problems({diagnosticAt(4, 4), fixable, diagnosticAt(12, 20)});
        QCOMPARE(problems.at(3).size(), 0);
        // A problem of no length covers its one character.
        QCOMPARE(problems.at(4).size(), 1);
        QCOMPARE(problems.at(5).size(), 1);
        QCOMPARE(problems.at(10).size(), 1);
        QCOMPARE(problems.at(12).size(), 2);
        // The caret just after a problem still finds it.
        QCOMPARE(problems.at(13).size(), 2);
        QCOMPARE(problems.at(21).size(), 0);
        QCOMPARE(problems.fixesAt(12).size(), 1);
        QCOMPARE(problems.fixesAt(12).front().message, QStringLiteral("fixable"));
        QCOMPARE(problems.fixesAt(15).size(), 0);
    }

    void fixEditsAreOneUndoStep()
    {
        PlainTextBuffer buffer(QStringLiteral("<p>A & B <br></p>"));
        // Given in the order of the text; each offset is one of the text
        // before the fix.
        const QuickFix fix{QStringLiteral("Mend"),
                           {TextEdit{5, 6, QStringLiteral("&amp;")}, TextEdit{12, 12, QStringLiteral("/")}}};
        QVERIFY(FixApplier::apply(buffer, fix));
        QCOMPARE(buffer.text(), QStringLiteral("<p>A &amp; B <br/></p>"));
        QCOMPARE(buffer.caret(), 10);
        buffer.undo();
        QCOMPARE(buffer.text(), QStringLiteral("<p>A & B <br></p>"));
        QVERIFY(!buffer.canUndo());
    }

    void fixThatNoLongerFitsChangesNothing_data()
    {
        QTest::addColumn<QList<TextEdit>>("edits");
        QTest::newRow("past the end") << QList<TextEdit>{TextEdit{3, 40, QString()}};
        QTest::newRow("overlapping") << QList<TextEdit>{TextEdit{1, 4, QString()}, TextEdit{3, 5, QString()}};
        QTest::newRow("reversed") << QList<TextEdit>{TextEdit{4, 2, QString()}};
        QTest::newRow("no edits") << QList<TextEdit>{};
    }
    void fixThatNoLongerFitsChangesNothing()
    {
        QFETCH(QList<TextEdit>, edits);
        PlainTextBuffer buffer(QStringLiteral("<p>x</p>"));
        QVERIFY(!FixApplier::apply(buffer, QuickFix{QStringLiteral("Mend"), edits}));
        QCOMPARE(buffer.text(), QStringLiteral("<p>x</p>"));
        QVERIFY(!buffer.canUndo());
    }
};

TARNEL_TEST(CheckSessionTest)
#include "checksessiontest.moc"
