#pragma once

#include <QTextBrowser>

// The Preview's screen `htmlLITE`: shows local HTML pages (with their BMP
// pictures) in the default colours and fonts it is given, reports a link
// click with the link's own text and a handled flag, and scrolls to a pixel
// position. Links nobody handles do nothing.
class HtmlViewer : public QTextBrowser
{
    Q_OBJECT

public:
    explicit HtmlViewer(QWidget *parent = nullptr);

    // Throws TarnelError "Can't locate file: " + path when there is no
    // such file.
    void loadFile(const QString &path);
    const QString &currentFile() const { return m_currentFile; }
    // The error text for a page that cannot be found.
    static QString cannotLocate(const QString &path);

    void setDefaultBackground(const QColor &colour);
    QColor defaultBackground() const { return m_background; }
    void setDefaultFonts(const QString &family, const QString &preformattedFamily, int pointSize);
    void setScrollBarsShown(bool shown);
    void scrollToPixel(int y);

signals:
    // A link was clicked; set handled when the click was dealt with.
    void hotSpotClick(const QString &link, bool &handled);

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void linkActivated(const QUrl &url);
    void applyStyle();

    QString m_currentFile;
    QString m_clickedHref;
    QColor m_background;
    QString m_preformattedFamily = QStringLiteral("Courier New");
};
