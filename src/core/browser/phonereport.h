#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

class Browser;
struct DeviceProfile;
struct Screen;

// The phone's state written for people and scripts: the screen as lines of
// text (links and fields in brackets, input fields as "[value_]", selects
// as "[choice v]", pictures as "{alt}"), and one JSON object per step as
// tarnel-phone prints it.
namespace PhoneReport {

QStringList textLines(const Screen &screen, const DeviceProfile &profile);
// One line of JSON (no line break): step, key, url, card, title, screen,
// focus, items, soft1, soft2, menu, vars, history, timer, error.
QByteArray jsonLine(int step, const QString &key, const Browser &browser);

} // namespace PhoneReport
