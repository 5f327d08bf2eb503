#include "keysequence.h"

namespace KeySequence {

namespace {

bool parseStep(const QString &text, Step *step)
{
    step->text = text;
    static const QList<QPair<QString, Browser::Key>> keys = {
        {QStringLiteral("up"), Browser::Key::Up},         {QStringLiteral("down"), Browser::Key::Down},
        {QStringLiteral("select"), Browser::Key::Select}, {QStringLiteral("soft1"), Browser::Key::Soft1},
        {QStringLiteral("soft2"), Browser::Key::Soft2},   {QStringLiteral("back"), Browser::Key::Back}};
    for (const auto &key : keys) {
        if (text == key.first) {
            step->kind = Step::Kind::Key;
            step->key = key.second;
            return true;
        }
    }
    if (text.startsWith(QLatin1String("text="))) {
        step->kind = Step::Kind::Text;
        step->argument = text.mid(5);
        return true;
    }
    bool ok = false;
    if (text.startsWith(QLatin1String("pick="))) {
        step->kind = Step::Kind::Pick;
        step->number = text.mid(5).toInt(&ok);
        return ok && step->number >= 1;
    }
    if (text.startsWith(QLatin1String("wait="))) {
        step->kind = Step::Kind::Wait;
        step->number = text.mid(5).toInt(&ok);
        return ok && step->number >= 0;
    }
    return false;
}

QStringList split(const QString &list)
{
    QStringList keys;
    QString current;
    for (qsizetype i = 0; i < list.size(); ++i) {
        if (list[i] == QLatin1Char('\\') && i + 1 < list.size()) {
            current += list[++i];
        } else if (list[i] == QLatin1Char(',')) {
            keys.append(current);
            current.clear();
        } else {
            current += list[i];
        }
    }
    if (!current.isEmpty() || !keys.isEmpty())
        keys.append(current);
    return keys;
}

} // namespace

bool parse(const QString &list, QList<Step> *steps, QString *bad)
{
    for (const QString &key : split(list)) {
        Step step;
        if (!parseStep(key, &step)) {
            *bad = key;
            return false;
        }
        steps->append(step);
    }
    return true;
}

Browser::Outcome apply(Browser &browser, const Step &step)
{
    switch (step.kind) {
    case Step::Kind::Key:
        return browser.press(step.key);
    case Step::Kind::Text:
        return browser.type(step.argument);
    case Step::Kind::Pick:
        return browser.pick(step.number);
    case Step::Kind::Wait:
        browser.advance(step.number);
        break;
    }
    return Browser::Outcome();
}

} // namespace KeySequence
