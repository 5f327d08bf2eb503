#pragma once

#include "browser.h"

#include <QList>
#include <QString>

// The keys of tarnel-phone and the scenario tests, written as text:
// "up", "down", "select", "soft1", "soft2", "back", "text=STRING",
// "pick=N" (from 1), "wait=TENTHS"; a list separates them with commas, a
// comma or backslash inside text= is escaped with a backslash.
namespace KeySequence {

struct Step
{
    enum class Kind { Key, Text, Pick, Wait };
    QString text; // as written
    Kind kind = Kind::Key;
    Browser::Key key = Browser::Key::Select;
    QString argument;
    int number = 0;
};

// False (with *bad naming the key) when a key is not one of the above.
bool parse(const QString &list, QList<Step> *steps, QString *bad);
Browser::Outcome apply(Browser &browser, const Step &step);

} // namespace KeySequence
