#include "softkeys.h"

#include "browsertexts.h"
#include "devices/deviceprofile.h"

namespace SoftKeys {

QString defaultLabel(const QString &type)
{
    if (type == QLatin1String("accept"))
        return BrowserTexts::tr("OK");
    if (type == QLatin1String("prev"))
        return BrowserTexts::tr("Back");
    if (type == QLatin1String("help"))
        return BrowserTexts::tr("Help");
    if (type == QLatin1String("reset"))
        return BrowserTexts::tr("Reset");
    if (type == QLatin1String("options"))
        return BrowserTexts::tr("Options");
    if (type == QLatin1String("delete"))
        return BrowserTexts::tr("Delete");
    return BrowserTexts::tr("Go");
}

namespace {

SoftKeyAction doAction(int index, const QList<DoBinding> &dos, const QStringList &labels)
{
    SoftKeyAction action;
    action.kind = SoftKeyAction::Kind::Do;
    action.binding = index;
    action.label = labels.value(index);
    if (action.label.isEmpty())
        action.label = defaultLabel(dos[index].type);
    return action;
}

SoftKeyAction optionsAction()
{
    SoftKeyAction action;
    action.kind = SoftKeyAction::Kind::Options;
    action.label = BrowserTexts::tr("Options");
    return action;
}

} // namespace

Assignment assign(const QList<DoBinding> &dos, const QStringList &labels, const DeviceProfile &profile,
                  bool canGoBack)
{
    Assignment result;
    if (profile.softKeys <= 1) {
        if (dos.size() == 1) {
            result.left = doAction(0, dos, labels);
        } else if (dos.size() > 1) {
            result.left = optionsAction();
            for (int i = 0; i < dos.size(); ++i)
                result.options.append(i);
        }
        return result;
    }
    int left = -1;
    int right = -1;
    for (int i = 0; i < dos.size() && left < 0; ++i) {
        if (profile.leftTypes.contains(dos[i].type))
            left = i;
    }
    for (int i = 0; i < dos.size() && right < 0; ++i) {
        if (i != left && profile.rightTypes.contains(dos[i].type))
            right = i;
    }
    QList<int> rest;
    for (int i = 0; i < dos.size(); ++i) {
        if (i != left && i != right)
            rest.append(i);
    }
    if (!rest.isEmpty() && left < 0 && rest.size() == 1) {
        left = rest.takeFirst();
    } else if (!rest.isEmpty() && left >= 0 && right < 0 && rest.size() == 1) {
        right = rest.takeFirst();
    }
    if (!rest.isEmpty()) {
        result.left = optionsAction();
        if (left >= 0)
            rest.prepend(left);
        result.options = rest;
    } else if (left >= 0) {
        result.left = doAction(left, dos, labels);
    }
    if (right >= 0) {
        result.right = doAction(right, dos, labels);
    } else if (canGoBack && !profile.backKey) {
        result.right.kind = SoftKeyAction::Kind::Back;
        result.right.label = BrowserTexts::tr("Back");
    }
    return result;
}

} // namespace SoftKeys
