#include "tfrmwaphelp.h"

#include "widgetplacement.h"

#include "common/placementkeys.h"
#include "common/tarnelerror.h"
#include "common/usersettings.h"

#include <QAction>
#include <QFileInfo>
#include <QMenu>
#include <QScrollBar>
#include <QSettings>
#include <QVBoxLayout>

namespace {
const QString placementGroup = QStringLiteral("TfrmWAPHELP");
}

HelpBrowser::HelpBrowser(QWidget *parent) : QTextBrowser(parent)
{
    setObjectName(QStringLiteral("htmlLite1"));
    setOpenLinks(true);
    setOpenExternalLinks(true);
    setTextInteractionFlags(Qt::TextBrowserInteraction | Qt::TextSelectableByKeyboard);
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSize(8);
    document()->setDefaultFont(font);
    document()->setDefaultStyleSheet(QStringLiteral("pre, code, tt { font-family: \"Courier New\"; }"));
    connect(this, &QTextBrowser::sourceChanged, this, [this] { clearHistory(); });
}

void HelpBrowser::loadFile(const QString &path)
{
    if (!QFileInfo(path).isFile())
        throw TarnelError(QStringLiteral("Can't locate file: ") + path);
    setSource(QUrl());
    setSource(QUrl::fromLocalFile(path));
    verticalScrollBar()->setValue(0);
    clearHistory();
}

QVariant HelpBrowser::loadResource(int type, const QUrl &name)
{
    // The help shows no pictures.
    if (type == QTextDocument::ImageResource)
        return QVariant();
    return QTextBrowser::loadResource(type, name);
}

TfrmWAPHELP::TfrmWAPHELP(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmWAPHELP"));
    setWindowTitle(tr("Tarnel help"));
    setGeometry(192, 107, 544, 375);
    m_viewer = new HelpBrowser(this);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_viewer);

    auto *popup = new QMenu(this);
    popup->setObjectName(QStringLiteral("PopupMenu1"));
    m_back = popup->addAction(tr("Back"));
    m_back->setObjectName(QStringLiteral("zpet1"));
    m_back->setShortcut(QKeySequence(Qt::Key_Escape));
    m_back->setVisible(false);
    addAction(m_back);
    connect(m_back, &QAction::triggered, this, &TfrmWAPHELP::zpet1Click);
    restorePlacement();
}

void TfrmWAPHELP::zpet1Click()
{
    close();
}

void TfrmWAPHELP::restorePlacement()
{
    const std::unique_ptr<QSettings> settings = UserSettings::open();
    settings->beginGroup(placementGroup);
    const auto read = [&](const QString &key) {
        return settings->contains(key) ? settings->value(key).toString() : QString();
    };
    if (const auto placement = PlacementKeys::read(read, WidgetPlacement::screenOf(this)))
        WidgetPlacement::apply(this, *placement);
}

void TfrmWAPHELP::savePlacement() const
{
    const std::unique_ptr<QSettings> settings = UserSettings::open();
    settings->beginGroup(placementGroup);
    PlacementKeys::write([&](const QString &key, const QString &value) { settings->setValue(key, value); },
                         WidgetPlacement::capture(this), WidgetPlacement::screenOf(this));
}

void TfrmWAPHELP::hideEvent(QHideEvent *event)
{
    savePlacement();
    QDialog::hideEvent(event);
}
