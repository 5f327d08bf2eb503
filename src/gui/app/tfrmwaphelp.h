#pragma once

#include <QDialog>
#include <QTextBrowser>

class QAction;

// The help window's viewer `htmlLite1`: local pages from the HELP folder,
// links to anchors and to other pages followed by itself, no pictures and
// no history; web links go to the desktop's browser.
class HelpBrowser : public QTextBrowser
{
    Q_OBJECT

public:
    explicit HelpBrowser(QWidget *parent = nullptr);

    // Shows the page from its top. Throws TarnelError "Can't locate file: "
    // + path when there is no such file.
    void loadFile(const QString &path);

    QVariant loadResource(int type, const QUrl &name) override;
};

// "Tarnel help": made hidden when the program starts and kept, shown
// modally as often as asked for. Esc closes it. Its placement is kept per
// user (section TfrmWAPHELP of the per-user settings).
class TfrmWAPHELP : public QDialog
{
    Q_OBJECT

public:
    explicit TfrmWAPHELP(QWidget *parent = nullptr);

    HelpBrowser *viewer() const { return m_viewer; }
    QAction *backItem() const { return m_back; }

    void zpet1Click();
    void savePlacement() const;

protected:
    void hideEvent(QHideEvent *event) override;

private:
    void restorePlacement();

    HelpBrowser *m_viewer;
    QAction *m_back;
};
