#include "testregistry.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Run
{
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

// Starts the tarnel program in folder, with no display at all.
Run tarnel(const QString &folder, const QStringList &arguments)
{
    QProcess process;
    process.setWorkingDirectory(folder);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(TARNEL_PROGRAM), arguments);
    Run run;
    if (!process.waitForFinished(20000)) {
        process.kill();
        process.waitForFinished();
        return run;
    }
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

} // namespace

// The options of the tarnel program: they print and end it, and never
// become files.
class ProgramOptionsTest : public QObject
{
    Q_OBJECT

private slots:
    void optionsPrintAndExitWithoutCreatingFiles_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QByteArray>("printed");
        QTest::addColumn<bool>("onError");
        QTest::newRow("--help") << QStringList{"--help"} << 0 << QByteArray("Usage: tarnel") << false;
        QTest::newRow("--version") << QStringList{"--version"} << 0 << QByteArray("Orvane Tarnel 3.0.1\n") << false;
        QTest::newRow("--help after a file") << QStringList{"a.wml", "--help"} << 0 << QByteArray("Usage: tarnel")
                                              << false;
        QTest::newRow("unknown option") << QStringList{"--halp"} << 2 << QByteArray("unknown option --halp")
                                        << true;
    }
    void optionsPrintAndExitWithoutCreatingFiles()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QByteArray, printed);
        QFETCH(bool, onError);
        QTemporaryDir folder;
        const Run run = tarnel(folder.path(), arguments);
        QCOMPARE(run.exitCode, exitCode);
        const QByteArray &stream = onError ? run.err : run.out;
        QVERIFY2(stream.contains(printed), stream.constData());
        QCOMPARE(QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList());
    }
};

TARNEL_TEST(ProgramOptionsTest)
#include "programoptionstest.moc"
