#include "tfrmabout.h"
#include "artwork.h"

#include "apptexts.h"

#include "common/commandlineoptions.h"

#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

TfrmAbout::TfrmAbout(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(tr("About"));
    setFixedSize(322, 238);
    setCursor(Qt::PointingHandCursor);

    auto *picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("Image1"));
    picture->setPixmap(Artwork::pixmap(QStringLiteral("about")));
    picture->setGeometry(0, 0, 321, 220);
    picture->installEventFilter(this);

    m_info = new QLabel(this);
    m_info->setObjectName(QStringLiteral("lblINFO"));
    m_info->setGeometry(4, 221, 300, 16);
    m_info->setText(AppTexts::mainCaption() + QLatin1Char(' ') + QLatin1String(CommandLineOptions::programVersion));
    m_info->installEventFilter(this);

    // Out of sight: it makes Enter and Esc close the box.
    auto *button = new QPushButton(tr("OK"), this);
    button->setObjectName(QStringLiteral("Button1"));
    button->setGeometry(400, 400, 75, 25);
    button->setDefault(true);
    connect(button, &QPushButton::clicked, this, &TfrmAbout::Image1Click);

    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void TfrmAbout::Image1Click()
{
    accept();
}

void TfrmAbout::mouseReleaseEvent(QMouseEvent *event)
{
    QDialog::mouseReleaseEvent(event);
    Image1Click();
}

bool TfrmAbout::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonRelease) {
        Image1Click();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}
