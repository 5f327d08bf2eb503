#pragma once

#include "cardbindings.h"

#include <QList>
#include <QString>
#include <QStringList>

struct DeviceProfile;

// What a soft key does on a card.
struct SoftKeyAction
{
    enum class Kind { None, Do, Options, Back };
    Kind kind = Kind::None;
    int binding = -1; // the do, for Kind::Do
    QString label;
};

// How a phone puts a card's active do elements on its soft keys: the do
// types the profile lists for the left and right key go there first; what
// is left over goes on a free key when it is one, else into an "Options"
// list on the left key. A phone with one soft key (or none) offers one do
// there or the Options list of all. A phone without a back key of its own
// offers "Back" on a free right key while there is somewhere to go back to.
namespace SoftKeys {

struct Assignment
{
    SoftKeyAction left, right;
    QList<int> options; // the dos of the Options list, in order
};

// labels: the dos' labels with variables filled in (empty when none).
Assignment assign(const QList<DoBinding> &dos, const QStringList &labels, const DeviceProfile &profile,
                  bool canGoBack);
// The label a do of type shows when it has none of its own.
QString defaultLabel(const QString &type);

} // namespace SoftKeys
