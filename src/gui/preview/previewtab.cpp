#include "previewtab.h"

#include "htmlviewer.h"
#include "phoneinspector.h"
#include "phoneview.h"

#include "app/errordisplay.h"
#include "browser/phonesession.h"
#include "common/usersettings.h"
#include "cardmodel/cardmodel.h"
#include "cardmodel/elementrecord.h"
#include "common/programfolder.h"
#include "common/tarnelerror.h"
#include "preview/colortext.h"
#include "preview/deviceskin.h"
#include "preview/entitytext.h"
#include "preview/previewpages.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QLabel>
#include <QMouseEvent>
#include <QScrollBar>
#include <QToolButton>

namespace {

constexpr int panelHeight = 25;
constexpr int inspectorWidth = 230;
constexpr int inspectorMinimumHeight = 380;

QToolButton *scrollButton(const QString &name, QWidget *parent)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(name);
    button->setAutoRaise(true);
    button->setCursor(Qt::PointingHandCursor);
    // Transparent: the phone's own drawing of the key shows through.
    button->setStyleSheet(QStringLiteral("QToolButton { border: none; background: transparent; }"));
    button->resize(25, 25);
    return button;
}

// The skin picture, loaded by its extension as the skin names it.
QPixmap loadSkinPicture(const QString &name)
{
    const QString path = QDir(ProgramFolder::skinsFolder()).filePath(name);
    const QByteArray extension = QFileInfo(name).suffix().toLower().toLatin1();
    if (extension.isEmpty() || !QImageReader::supportedImageFormats().contains(extension))
        throw TarnelError(QStringLiteral("Unknown picture file extension (.%1)").arg(QFileInfo(name).suffix()));
    QPixmap picture;
    if (!QFileInfo(path).isFile() || !picture.load(path))
        throw TarnelError::cannotOpen(path);
    return picture;
}

} // namespace

PreviewTab::PreviewTab(const CardModel &model, DialogService &dialogs, QWidget *parent)
    : QWidget(parent), m_model(model), m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("tabPREVIEW"));
    QFont tabFont(QStringLiteral("MS Sans Serif"));
    tabFont.setPointSize(8);
    setFont(tabFont);

    m_panel = new QWidget(this);
    m_panel->setObjectName(QStringLiteral("Panel1"));
    m_cards = new QComboBox(m_panel);
    m_cards->setObjectName(QStringLiteral("lstCARDSS"));
    m_cards->setToolTip(tr("List of cards"));
    m_cards->setGeometry(0, 1, 89, panelHeight - 2);
    m_devices = new QComboBox(m_panel);
    m_devices->setObjectName(QStringLiteral("cmbSKINS"));
    m_devices->setToolTip(tr("List of devices"));
    m_devices->setEditable(true);
    m_devices->setInsertPolicy(QComboBox::NoInsert);
    m_devices->setGeometry(112, 1, 145, panelHeight - 2);

    m_skin = new QLabel(this);
    m_skin->setObjectName(QStringLiteral("imgSKIN"));
    m_skin->move(0, panelHeight);
    m_skin->hide();
    m_title = new QLabel(QStringLiteral("- Nadpis -"), this);
    m_title->setObjectName(QStringLiteral("Label1"));
    m_title->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    // The title is text, never markup: its references are decoded first.
    m_title->setTextFormat(Qt::PlainText);
    m_up = scrollButton(QStringLiteral("btnUP"), this);
    m_down = scrollButton(QStringLiteral("btnDOWN"), this);
    m_viewer = new HtmlViewer(this);
    // The plain view's screen covers the title until a skin places it.
    m_title->setGeometry(0, panelHeight, 145, 16);
    m_mode = new QComboBox(m_panel);
    m_mode->setObjectName(QStringLiteral("cmbMODE"));
    m_mode->setToolTip(tr("Show the cards, or run the deck on the phone"));
    m_mode->addItem(tr("Cards"));
    m_mode->addItem(tr("Phone"));
    m_mode->setGeometry(260, 1, 70, panelHeight - 2);
    m_phoneMode = UserSettings::phoneMode();
    m_mode->setCurrentIndex(m_phoneMode ? 1 : 0);

    m_phoneMessage = new QLabel(m_panel);
    m_phoneMessage->setObjectName(QStringLiteral("phoneMessage"));
    m_phoneMessage->setTextFormat(Qt::PlainText);
    m_phoneMessage->setStyleSheet(QStringLiteral("QLabel { color: #a01010; }"));
    m_phoneMessage->setGeometry(336, 1, 400, panelHeight - 2);

    m_session = std::make_unique<PhoneSession>(m_network);
    connect(m_session.get(), &PhoneSession::changed, this, [this] { m_phoneMessage->setText(m_session->message()); });
    m_phone = new PhoneView(*m_session, this);
    m_phone->hide();
    m_inspector = new PhoneInspector(*m_session, this);
    m_inspector->hide();
    m_inspectorShown = UserSettings::phoneInspector();
    m_skin->installEventFilter(this);
    m_panel->raise();

    connect(m_mode, &QComboBox::activated, this, [this](int index) { setPhoneMode(index == 1); });
    connect(m_up, &QToolButton::clicked, this, &PreviewTab::btnUPClick);
    connect(m_down, &QToolButton::clicked, this, &PreviewTab::btnDOWNClick);
    connect(m_cards, &QComboBox::currentIndexChanged, this,
            [this] { ErrorDisplay::run(m_dialogs, [this] { lstCARDSSChange(); }); });
    connect(m_cards, &QComboBox::activated, this, &PreviewTab::cardActivated);
    connect(m_devices, &QComboBox::textActivated, this,
            [this] { ErrorDisplay::run(m_dialogs, [this] { cmbSKINSChange(); }); });

    FillDeviceList();
    m_devices->setCurrentText(SkinList::plainView());
    ErrorDisplay::run(m_dialogs, [this] { cmbSKINSChange(); });
}

PreviewTab::~PreviewTab()
{
    // The phone's widgets watch the session: they go before it does.
    delete m_phone;
    delete m_inspector;
}

void PreviewTab::FillDeviceList()
{
    m_devices->clear();
    m_devices->addItems(SkinList::deviceNames());
}

void PreviewTab::cmbSKINSChange()
{
    const QString device = m_devices->currentText();
    const QString profileBefore = m_skinProfile;
    m_skinProfile.clear();
    if (SkinList::isPlainView(device))
        showPlainView();
    else
        applyDevice(device);
    if (m_skinProfile != profileBefore)
        emit skinProfileChanged();
}

void PreviewTab::showPlainView()
{
    m_viewer->setDefaultBackground(ColorText::ColorFromText(SkinList::plainColor()));
    m_viewer->setDefaultFonts(QStringLiteral("Arial"), QStringLiteral("Arial"), 9);
    m_up->setEnabled(false);
    m_down->setEnabled(false);
    m_viewerFillsTab = true;
    m_viewer->setScrollBarsShown(true);
    m_screenRect = QRect();
    m_keys = SkinKeys();
    m_phone->setPaper(ColorText::ColorFromText(SkinList::plainColor()));
    placeViewer();
    m_skin->hide();
    placeMode();
}

void PreviewTab::applyDevice(const QString &device)
{
    m_skin->hide();
    m_up->setEnabled(true);
    m_down->setEnabled(true);
    m_viewerFillsTab = false;
    m_viewer->setScrollBarsShown(false);

    const DeviceSkin skin = DeviceSkin::read(device);
    m_skinProfile = skin.profile;
    const QPixmap picture = loadSkinPicture(skin.picture);
    m_skin->setPixmap(picture);
    m_skin->resize(picture.size());

    m_viewer->setGeometry(skin.left, skin.top, skin.width, skin.height);
    m_viewer->setDefaultBackground(ColorText::ColorFromText(skin.color));
    m_viewer->setDefaultFonts(skin.font, skin.font, skin.size);

    QFont titleFont(skin.titleFont);
    titleFont.setPointSize(qMax(1, skin.titleSize));
    titleFont.setBold(skin.boldTitle());
    m_title->setFont(titleFont);
    QPalette colours = m_title->palette();
    colours.setColor(QPalette::WindowText, ColorText::ColorFromText(skin.titleColor));
    m_title->setPalette(colours);
    m_title->setGeometry(skin.left, skin.titleTop, skin.width, m_title->fontMetrics().height());
    m_title->setText(chosenCardTitle());

    m_up->setGeometry(skin.upLeft, skin.upTop, skin.upWidth, skin.upHeight);
    m_down->setGeometry(skin.downLeft, skin.downTop, skin.downWidth, skin.downHeight);
    m_screenRect = QRect(skin.left, skin.top, skin.width, skin.height);
    m_keys = skin.keys;
    m_phone->setPaper(ColorText::ColorFromText(skin.color));
    m_skin->show();
    m_skin->lower();
    placeMode();
    emit phoneChanged();
}

QSize PreviewTab::phoneSize() const
{
    if (m_viewerFillsTab || !m_skin->isVisibleTo(this))
        return QSize();
    QRect used = m_skin->geometry() | m_viewer->geometry() | m_title->geometry();
    used |= m_up->geometry() | m_down->geometry();
    if (m_inspector->isVisibleTo(this))
        used |= m_inspector->geometry();
    used |= m_devices->geometry(); // the lists (their panel starts at the top left)
    return QSize(used.right() + 1, used.bottom() + 1);
}

QString PreviewTab::chosenCardTitle() const
{
    const int index = m_cards->currentIndex();
    if (index < 0)
        return QString();
    const QStringList *list = m_model.attributeList(QStringLiteral("STRLIST_%1_1").arg(index + 1));
    return list ? EntityText::decode(ElementRecord::ReadElementAttribute(*list, QStringLiteral("TITLE=\"")))
                : QString();
}

void PreviewTab::cardActivated(int index)
{
    // A different card has been shown by the change of index already; the
    // same card chosen again is shown afresh, from the top.
    const QString page = QDir(m_pageFolder).filePath(PreviewPages::pageFileName(m_cards->itemText(index)));
    if (m_viewer->currentFile() == page && m_scrollOffset == 0 && m_viewer->verticalScrollBar()->value() == 0)
        return;
    ErrorDisplay::run(m_dialogs, [this] { lstCARDSSChange(); });
}

void PreviewTab::showLinkedCard(const QString &cardName)
{
    const QString fileName = PreviewPages::pageFileName(cardName);
    const QString page = QDir(m_pageFolder).filePath(fileName);
    int index = -1;
    for (int i = 0; i < m_cards->count() && index < 0; ++i) {
        if (PreviewPages::pageFileName(m_cards->itemText(i)) == fileName)
            index = i;
    }
    if (index < 0)
        throw TarnelError(HtmlViewer::cannotLocate(page));
    m_viewer->loadFile(page);
    const QSignalBlocker quiet(m_cards);
    m_cards->setCurrentIndex(index);
    m_title->setText(chosenCardTitle());
}

void PreviewTab::btnUPClick()
{
    m_scrollOffset = qMax(0, m_scrollOffset - 10);
    m_viewer->scrollToPixel(m_scrollOffset);
}

void PreviewTab::btnDOWNClick()
{
    m_scrollOffset += 10;
    m_viewer->scrollToPixel(m_scrollOffset);
}

void PreviewTab::lstCARDSSChange()
{
    const int index = m_cards->currentIndex();
    if (index < 0)
        return;
    m_viewer->loadFile(QDir(m_pageFolder).filePath(PreviewPages::pageFileName(m_cards->itemText(index))));
    m_scrollOffset = 0;
    m_viewer->scrollToPixel(0);
    m_title->setText(chosenCardTitle());
}

void PreviewTab::setCardNames(const QStringList &names, const QString &pageFolder)
{
    m_pageFolder = pageFolder;
    const QSignalBlocker quiet(m_cards);
    m_cards->clear();
    m_cards->addItems(names);
    m_cards->setCurrentIndex(names.isEmpty() ? -1 : 0);
    m_title->setText(chosenCardTitle());
}

void PreviewTab::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    m_panel->setGeometry(0, 0, width(), panelHeight);
    m_phoneMessage->resize(qMax(0, width() - m_phoneMessage->x()), m_phoneMessage->height());
    placeViewer();
    placeMode();
}

void PreviewTab::placeViewer()
{
    if (m_viewerFillsTab)
        m_viewer->setGeometry(0, panelHeight, width(), qMax(0, height() - panelHeight));
}

bool PreviewTab::isPhoneMode() const
{
    return m_phoneMode;
}

void PreviewTab::setPhoneMode(bool on)
{
    const bool before = m_phoneMode;
    m_phoneMode = on;
    m_mode->setCurrentIndex(on ? 1 : 0);
    UserSettings::setPhoneMode(on);
    placeMode();
    if (before != on)
        emit modeChanged();
    emit phoneChanged();
}

void PreviewTab::openPhone(const QString &text, const QUrl &url, const DeviceProfile &profile)
{
    m_phone->setProfile(profile);
    m_session->open(text, url, profile);
    placeMode();
}

void PreviewTab::setInspectorShown(bool shown)
{
    m_inspectorShown = shown;
    placeMode();
    emit phoneChanged();
}

void PreviewTab::placeMode()
{
    const bool phone = isPhoneMode();
    const bool plain = m_screenRect.isEmpty();
    m_viewer->setVisible(!phone);
    // The Cards mode's widgets are as they always were; the phone draws its own title.
    m_title->setVisible(!phone);
    m_up->setVisible(!phone);
    m_down->setVisible(!phone);
    m_phone->setVisible(phone);
    m_phoneMessage->setVisible(phone);
    m_inspector->setVisible(phone && m_inspectorShown);
    if (!phone)
        return;
    const int inspectorRoom = m_inspectorShown ? inspectorWidth + 4 : 0;
    m_phone->setLargestFactor(plain ? 3 : 16);
    if (plain) {
        m_phone->setGeometry(0, panelHeight, qMax(1, width() - inspectorRoom), qMax(1, height() - panelHeight));
    } else {
        // The title strip above the screen belongs to the phone's drawing too.
        m_phone->setGeometry(m_screenRect);
    }
    const int left = plain ? m_phone->geometry().right() + 4 : m_skin->geometry().right() + 4;
    const int tall = qMax(inspectorMinimumHeight, (plain ? height() : m_skin->geometry().bottom()) - panelHeight);
    m_inspector->setGeometry(left, panelHeight, inspectorWidth, tall);
    m_phone->raise();
}

bool PreviewTab::clickSkinKey(const QPoint &point)
{
    if (!isPhoneMode() || !m_session->isOpen())
        return false;
    Browser::Key key;
    switch (m_keys.keyAt(point)) {
    case SkinKeys::Key::Soft1: key = Browser::Key::Soft1; break;
    case SkinKeys::Key::Soft2: key = Browser::Key::Soft2; break;
    case SkinKeys::Key::Up: key = Browser::Key::Up; break;
    case SkinKeys::Key::Down: key = Browser::Key::Down; break;
    case SkinKeys::Key::Select: key = Browser::Key::Select; break;
    case SkinKeys::Key::Back:
        // The picture's back (or end) key goes back even on a phone whose
        // engine profile has none: it is the key the user means.
        m_session->keyboardBack();
        m_phone->setFocus(Qt::MouseFocusReason);
        return true;
    case SkinKeys::Key::None:
    default:
        return false;
    }
    m_session->press(key);
    m_phone->setFocus(Qt::MouseFocusReason);
    return true;
}

bool PreviewTab::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_skin && event->type() == QEvent::MouseButtonPress) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton && clickSkinKey(m_skin->mapTo(this, mouse->position().toPoint())))
            return true;
    }
    return QWidget::eventFilter(watched, event);
}
