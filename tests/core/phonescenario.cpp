#include "phonescenario.h"

#include "browser/keysequence.h"
#include "browser/phonereport.h"
#include "devices/devicecatalog.h"

#include <QTest>

namespace PhoneScenario {

FetchResult StubFetcher::fetch(const FetchRequest &request)
{
    requests.append(request);
    const QString key = request.url.adjusted(QUrl::RemoveQuery | QUrl::RemoveFragment).toString();
    const auto found = files.constFind(key);
    if (found == files.constEnd())
        return FetchResult::failure(QStringLiteral("Not found: %1").arg(key));
    FetchResult result;
    result.ok = true;
    result.bytes = *found;
    return result;
}

void addDecks(StubFetcher &fetcher, const QString &decks, QString *first)
{
    QStringList parts = decks.split(QStringLiteral("=== "));
    QString name = QStringLiteral("a.wml");
    bool firstPart = true;
    for (QString part : parts) {
        if (!firstPart) {
            const qsizetype end = part.indexOf(QLatin1Char('\n'));
            name = part.left(end).trimmed();
            part = part.mid(end + 1);
        }
        if (firstPart && part.trimmed().isEmpty()) {
            firstPart = false;
            continue;
        }
        firstPart = false;
        if (!part.trimmed().startsWith(QLatin1String("<?xml")) && !name.endsWith(QLatin1String(".wbmp")))
            part = QStringLiteral("<?xml version=\"1.0\"?>\n<!DOCTYPE wml PUBLIC \"-//WAPFORUM//DTD WML 1.3//EN\" "
                                  "\"http://www.wapforum.org/DTD/wml13.dtd\">\n<wml>")
                   + part + QStringLiteral("</wml>\n");
        fetcher.files.insert(base + name, part.toUtf8());
        if (first->isEmpty())
            *first = base + name;
    }
}

namespace {

QString relative(const QUrl &url)
{
    QString text = url.toString(QUrl::FullyEncoded);
    return text.startsWith(base) ? text.mid(base.size()) : text;
}

QStringList clauses(const QString &expect)
{
    QStringList result;
    QString current;
    for (qsizetype i = 0; i < expect.size(); ++i) {
        if (expect[i] == QLatin1Char(';') && i + 1 < expect.size() && expect[i + 1] == QLatin1Char(';')) {
            current += QLatin1Char(';');
            ++i;
        } else if (expect[i] == QLatin1Char(';')) {
            result.append(current.trimmed());
            current.clear();
        } else {
            current += expect[i];
        }
    }
    if (!current.trimmed().isEmpty())
        result.append(current.trimmed());
    return result;
}

bool check(const QString &clause, const QString &actual, const QString &expected, QString *failure)
{
    if (actual == expected)
        return true;
    *failure = QStringLiteral("%1\n   actual: %2\n expected: %3").arg(clause, actual, expected);
    return false;
}

} // namespace

void run(const QString &decks, const QString &keys, const QString &expect, const QString &device)
{
    StubFetcher fetcher;
    QString first;
    addDecks(fetcher, decks, &first);
    DeviceProfile profile;
    if (!device.isEmpty()) {
        const DeviceCatalog catalog = DeviceCatalog::load(QStringLiteral(TARNEL_SOURCE_DIR "/data/devices.ini"));
        QVERIFY2(catalog.find(device), qPrintable(device));
        profile = *catalog.find(device);
    }
    Browser browser(fetcher, profile);
    browser.load(first);
    QList<KeySequence::Step> steps;
    QString bad;
    QVERIFY2(KeySequence::parse(keys, &steps, &bad), qPrintable(bad));
    int refused = 0;
    QStringList reasons;
    for (const KeySequence::Step &step : steps) {
        const Browser::Outcome outcome = KeySequence::apply(browser, step);
        if (!outcome.accepted) {
            ++refused;
            reasons.append(step.text + QStringLiteral(": ") + outcome.reason);
        }
    }
    const Screen &screen = browser.screen();
    const QStringList lines = PhoneReport::textLines(screen, profile);
    QString failure;
    bool ok = true;
    bool refusalsChecked = false;
    for (const QString &clause : clauses(expect)) {
        const qsizetype equals = clause.indexOf(QLatin1Char('='));
        const qsizetype tilde = clause.indexOf(QLatin1Char('~'));
        if (tilde > 0 && (equals < 0 || tilde < equals)) {
            const QString what = clause.left(tilde);
            const QString part = clause.mid(tilde + 1);
            QVERIFY2(what == QLatin1String("error"), qPrintable(clause));
            if (!screen.error.contains(part)) {
                failure = QStringLiteral("%1\n   actual error: %2").arg(clause, screen.error);
                ok = false;
            }
        } else {
            QVERIFY2(equals > 0, qPrintable(QStringLiteral("bad clause: ") + clause));
            const QString what = clause.left(equals);
            const QString value = clause.mid(equals + 1);
            if (what == QLatin1String("card")) {
                ok = check(clause, browser.cardId(), value, &failure);
            } else if (what == QLatin1String("title")) {
                ok = check(clause, screen.title, value, &failure);
            } else if (what == QLatin1String("screen")) {
                ok = check(clause, lines.join(QLatin1Char('|')), value, &failure);
            } else if (what == QLatin1String("line")) {
                const qsizetype colon = value.indexOf(QLatin1Char(':'));
                ok = check(clause, lines.value(value.left(colon).toInt()), value.mid(colon + 1), &failure);
            } else if (what.startsWith(QLatin1String("var:"))) {
                const QString name = what.mid(4);
                ok = check(clause, browser.context().isSet(name) ? browser.context().value(name) : QStringLiteral("<unset>"),
                           value, &failure);
            } else if (what == QLatin1String("novar")) {
                ok = check(clause, browser.context().isSet(value) ? browser.context().value(value) : QString(),
                           QString(), &failure);
            } else if (what == QLatin1String("vars")) {
                ok = check(clause, QString::number(browser.context().variables().size()), value, &failure);
            } else if (what == QLatin1String("history")) {
                QStringList urls;
                for (const HistoryEntry &entry : browser.context().history())
                    urls.append(relative(entry.url));
                ok = check(clause, urls.join(QLatin1Char(',')), value, &failure);
            } else if (what == QLatin1String("error")) {
                ok = check(clause, screen.error, value, &failure);
            } else if (what == QLatin1String("soft1")) {
                ok = check(clause, screen.soft1.label, value, &failure);
            } else if (what == QLatin1String("soft2")) {
                ok = check(clause, screen.soft2.label, value, &failure);
            } else if (what == QLatin1String("timer")) {
                const int remaining = browser.timerRemaining();
                ok = check(clause, remaining < 0 ? QStringLiteral("none") : QString::number(remaining), value, &failure);
            } else if (what == QLatin1String("focus")) {
                ok = check(clause, QString::number(screen.focus), value, &failure);
            } else if (what == QLatin1String("menu")) {
                ok = check(clause, screen.menuOpen ? screen.menu.entries.join(QLatin1Char('|')) : QStringLiteral("none"),
                           value, &failure);
            } else if (what == QLatin1String("refused")) {
                refusalsChecked = true;
                ok = check(clause + QStringLiteral(" (") + reasons.join(QStringLiteral("; ")) + QLatin1Char(')'),
                           QString::number(refused), value, &failure);
            } else if (what == QLatin1String("requests")) {
                ok = check(clause, QString::number(fetcher.requests.size()), value, &failure);
            } else if (what == QLatin1String("post")) {
                const QString body = fetcher.requests.isEmpty() || !fetcher.requests.last().post
                                         ? QStringLiteral("<no post>")
                                         : QString::fromUtf8(fetcher.requests.last().body);
                ok = check(clause, body, value, &failure);
            } else if (what == QLatin1String("lastrequest")) {
                ok = check(clause, fetcher.requests.isEmpty() ? QString() : relative(fetcher.requests.last().url),
                           value, &failure);
            } else {
                QFAIL(qPrintable(QStringLiteral("unknown clause: ") + clause));
            }
        }
        if (!ok)
            break;
    }
    if (ok && !refusalsChecked && refused > 0) {
        failure = QStringLiteral("keys refused: ") + reasons.join(QStringLiteral("; "));
        ok = false;
    }
    if (!ok)
        QFAIL(qPrintable(failure + QStringLiteral("\n screen: ") + lines.join(QLatin1Char('|'))));
}

} // namespace PhoneScenario
