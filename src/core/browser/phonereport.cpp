#include "phonereport.h"

#include "browser.h"
#include "textmetrics.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

namespace PhoneReport {

namespace {

QString itemKind(ScreenItem::Kind kind)
{
    switch (kind) {
    case ScreenItem::Kind::Link:
        return QStringLiteral("link");
    case ScreenItem::Kind::Input:
        return QStringLiteral("input");
    case ScreenItem::Kind::Select:
        return QStringLiteral("select");
    }
    return QString();
}

QString runText(const ScreenRun &run)
{
    QString text = run.kind == ScreenRun::Kind::Picture
                       ? QLatin1Char('{') + (run.text.isEmpty() ? QStringLiteral("img") : run.text) + QLatin1Char('}')
                       : run.text;
    if (run.frameOpen)
        text.prepend(QLatin1Char('['));
    if (run.frameClose)
        text.append(QLatin1Char(']'));
    return text;
}

// A JSON object whose keys keep the order they are added in (QJsonObject
// sorts them), so each line reads step, key, url, card, ... as documented.
class OrderedObject
{
public:
    void insert(const char *key, const QJsonValue &value)
    {
        const QByteArray wrapped = QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact);
        m_text += (m_text.isEmpty() ? "{\"" : ",\"") + QByteArray(key) + "\":" + wrapped.mid(1, wrapped.size() - 2);
    }
    QByteArray text() const { return m_text + '}'; }

private:
    QByteArray m_text;
};

} // namespace

QStringList textLines(const Screen &screen, const DeviceProfile &profile)
{
    const TextMetrics metrics(profile);
    const int columns = std::max(1, profile.screenWidth / metrics.advance(0));
    QStringList lines;
    for (const ScreenLine &line : screen.lines) {
        QString text;
        for (const ScreenRun &run : line.runs)
            text += runText(run);
        const int room = columns - TextMetrics::characters(text);
        if (room > 0 && line.align == ScreenLine::Align::Center)
            text.prepend(QString(room / 2, QLatin1Char(' ')));
        else if (room > 0 && line.align == ScreenLine::Align::Right)
            text.prepend(QString(room, QLatin1Char(' ')));
        lines.append(text);
    }
    return lines;
}

QByteArray jsonLine(int step, const QString &key, const Browser &browser)
{
    const Screen &screen = browser.screen();
    OrderedObject object;
    object.insert("step", step);
    object.insert("key", key);
    object.insert("url", browser.hasCard() ? browser.url().toString(QUrl::FullyEncoded) : QString());
    object.insert("card", browser.cardId());
    object.insert("title", screen.title);
    object.insert("screen", QJsonArray::fromStringList(textLines(screen, browser.profile())));
    object.insert("focus", screen.focus < 0 ? QJsonValue() : QJsonValue(screen.focus));
    QJsonArray items;
    for (const ScreenItem &item : screen.items) {
        QJsonObject entry;
        entry.insert(QStringLiteral("kind"), itemKind(item.kind));
        entry.insert(QStringLiteral("text"), item.text);
        entry.insert(QStringLiteral("line"), item.line);
        items.append(entry);
    }
    object.insert("items", items);
    object.insert("soft1", screen.soft1.label);
    object.insert("soft2", screen.soft2.label);
    if (screen.menuOpen) {
        QJsonObject menu;
        menu.insert(QStringLiteral("kind"),
                    screen.menu.kind == ScreenMenu::Kind::Options ? QStringLiteral("options") : QStringLiteral("select"));
        menu.insert(QStringLiteral("title"), screen.menu.title);
        menu.insert(QStringLiteral("entries"), QJsonArray::fromStringList(screen.menu.entries));
        menu.insert(QStringLiteral("highlight"), screen.menu.highlight);
        if (!screen.menu.checked.isEmpty()) {
            QJsonArray checked;
            for (bool on : screen.menu.checked)
                checked.append(on);
            menu.insert(QStringLiteral("checked"), checked);
        }
        object.insert("menu", menu);
    } else {
        object.insert("menu", QJsonValue());
    }
    QJsonObject vars;
    const QHash<QString, QString> &variables = browser.context().variables();
    for (auto it = variables.constBegin(); it != variables.constEnd(); ++it)
        vars.insert(it.key(), it.value());
    object.insert("vars", vars);
    QJsonArray history;
    for (const HistoryEntry &entry : browser.context().history())
        history.append(entry.url.toString(QUrl::FullyEncoded));
    object.insert("history", history);
    object.insert("timer",
                  browser.timerRemaining() < 0 ? QJsonValue() : QJsonValue(browser.timerRemaining()));
    object.insert("error", screen.error.isEmpty() ? QJsonValue() : QJsonValue(screen.error));
    return object.text();
}

} // namespace PhoneReport
