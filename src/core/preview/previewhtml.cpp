#include "previewhtml.h"

#include <QRegularExpression>

namespace PreviewHtml {

QString forViewer(const QString &page)
{
    static const QRegularExpression radio(QStringLiteral("<input type=\"radio\"[^>]*>"),
                                          QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression field(QStringLiteral("<input type=\"text\" value=\"([^\"]*)\">"),
                                          QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression submit(QStringLiteral("<input type=\"submit\" value=\"([^\"]*)\">"),
                                           QRegularExpression::CaseInsensitiveOption);
    QString html = page;
    html.replace(radio, QStringLiteral("&#9675;"));
    // One-cell tables are what the viewer frames; they stand on lines of their own.
    html.replace(field, QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"1\" "
                                       "style=\"border-style:solid; border-color:#404040;\" bgcolor=\"#ffffff\" width=\"90%\">"
                                       "<tr><td>\\1&nbsp;</td></tr></table>"));
    html.replace(submit, QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"2\" "
                                        "style=\"border-style:outset; border-color:#808080;\" bgcolor=\"#e0e0e0\">"
                                        "<tr><td align=\"center\">&nbsp;\\1&nbsp;</td></tr></table>"));
    return html;
}

} // namespace PreviewHtml
