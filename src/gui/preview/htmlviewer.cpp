#include "htmlviewer.h"

#include "common/tarnelerror.h"
#include "preview/previewhtml.h"

#include <QFile>
#include <QFileInfo>
#include <QMouseEvent>
#include <QScrollBar>

HtmlViewer::HtmlViewer(QWidget *parent) : QTextBrowser(parent)
{
    setObjectName(QStringLiteral("htmlLITE"));
    setFrameShape(QFrame::NoFrame);
    setOpenLinks(false);
    setOpenExternalLinks(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    document()->setDocumentMargin(0);
    QPalette colours = palette();
    colours.setColor(QPalette::Link, Qt::black);
    colours.setColor(QPalette::LinkVisited, Qt::black);
    setPalette(colours);
    setDefaultBackground(QColor(128, 152, 128));
    setDefaultFonts(QStringLiteral("Arial"), QStringLiteral("Courier New"), 9);
    setScrollBarsShown(false);
    connect(this, &QTextBrowser::anchorClicked, this, &HtmlViewer::linkActivated);
}

void HtmlViewer::loadFile(const QString &path)
{
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        throw TarnelError(cannotLocate(path));
    const QString html = PreviewHtml::forViewer(QString::fromUtf8(file.readAll()));
    const QString folder = QFileInfo(path).absolutePath();
    // Forget the pictures of the page before: the copies may have changed.
    document()->clear();
    setSearchPaths({folder});
    document()->setBaseUrl(QUrl::fromLocalFile(folder + QLatin1Char('/')));
    setHtml(html);
    m_currentFile = path;
}

QString HtmlViewer::cannotLocate(const QString &path)
{
    return QStringLiteral("Can't locate file: ") + path;
}

void HtmlViewer::setDefaultBackground(const QColor &colour)
{
    m_background = colour;
    QPalette colours = palette();
    if (colour.isValid()) {
        colours.setColor(QPalette::Base, colour);
        colours.setColor(QPalette::Window, colour);
    }
    setPalette(colours);
}

void HtmlViewer::setDefaultFonts(const QString &family, const QString &preformattedFamily, int pointSize)
{
    QFont font(family);
    font.setPointSize(qMax(1, pointSize));
    document()->setDefaultFont(font);
    m_preformattedFamily = preformattedFamily;
    applyStyle();
}

void HtmlViewer::applyStyle()
{
    document()->setDefaultStyleSheet(QStringLiteral("a { color: black; } pre { font-family: \"%1\"; }")
                                         .arg(m_preformattedFamily));
}

void HtmlViewer::setScrollBarsShown(bool shown)
{
    setVerticalScrollBarPolicy(shown ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
}

void HtmlViewer::scrollToPixel(int y)
{
    verticalScrollBar()->setValue(y);
}

void HtmlViewer::mouseReleaseEvent(QMouseEvent *event)
{
    // The link as the page writes it, not as resolved against the page.
    m_clickedHref = anchorAt(event->position().toPoint());
    QTextBrowser::mouseReleaseEvent(event);
    m_clickedHref.clear();
}

void HtmlViewer::linkActivated(const QUrl &url)
{
    const QString link = m_clickedHref.isEmpty() ? url.toString() : m_clickedHref;
    bool handled = false;
    emit hotSpotClick(link, handled);
    // An unhandled link leaves the page as it is.
}
