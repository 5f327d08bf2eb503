#include "newpage.h"

namespace NewPage {

QString name(int number)
{
    return QStringLiteral("Noname") + QString::number(number);
}

bool isNewPageName(const QString &name)
{
    return name.left(6).toUpper() == QLatin1String("NONAME");
}

QString productAddress()
{
    return QStringLiteral("https://tarnel.orvane.org");
}

QString creationComment()
{
    return QStringLiteral("<!-- created by Orvane Tarnel (") + productAddress()
        + QStringLiteral(") -->\r\n<wml>");
}

QString fromBlankTemplate(const QString &templateText)
{
    QString text = templateText;
    const qsizetype at = text.indexOf(QLatin1String("<wml>"), 0, Qt::CaseInsensitive);
    if (at >= 0)
        text.replace(at, 5, creationComment());
    else
        text.prepend(creationComment());
    return text;
}

} // namespace NewPage

QString NewPage::nextName(const QStringList &openCaptions)
{
    for (int number = int(openCaptions.size()) + 1;; ++number) {
        const QString candidate = name(number);
        if (!openCaptions.contains(candidate, Qt::CaseInsensitive))
            return candidate;
    }
}
