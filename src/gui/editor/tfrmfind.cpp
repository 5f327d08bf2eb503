#include "tfrmfind.h"

#include "app/dialogservice.h"
#include "app/widgetplacement.h"

#include "editor/findreplace.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QStringList itemsOf(const QComboBox *box)
{
    QStringList items;
    for (int i = 0; i < box->count(); ++i)
        items << box->itemText(i);
    return items;
}

// Adds an entry to a history without touching the text being edited.
void appendEntry(QComboBox *box, const QString &entry)
{
    const QString text = box->currentText();
    const QSignalBlocker quiet(box);
    box->addItem(entry);
    box->setEditText(text);
}

void setItems(QComboBox *box, const QStringList &items)
{
    const QString text = box->currentText();
    const QSignalBlocker quiet(box);
    box->clear();
    box->addItems(items);
    box->setEditText(text);
}

// An editable box whose list is only a history to choose from: no
// completer, so neither typing nor Enter turns the typed text into an entry
// that matches it without regard to case ("Nokia" stays "Nokia" with
// "nokia" in the history), and nothing typed is extended by an entry.
QComboBox *historyBox(const QString &name, QWidget *parent)
{
    auto *box = new QComboBox(parent);
    box->setObjectName(name);
    box->setEditable(true);
    box->setCompleter(nullptr);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    return box;
}

} // namespace

TfrmFIND::TfrmFIND(DialogService &dialogs, EditorProvider editor, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::MSWindowsFixedSizeDialogHint),
      m_dialogs(dialogs), m_editor(std::move(editor)), m_storage(QStringLiteral("FindReplace"))
{
    setObjectName(QStringLiteral("frmFIND"));
    setWindowTitle(tr("Find/Replace"));
    setFixedSize(355, 271);

    m_pages = new QTabWidget(this);
    m_pages->setObjectName(QStringLiteral("pgFIND"));
    m_pages->addTab(buildFindPage(), tr("Find"));
    m_pages->addTab(buildReplacePage(), tr("Replace"));

    auto *option = new QGroupBox(tr("Option"), this);
    option->setObjectName(QStringLiteral("GroupBox1"));
    m_matchCase = new QCheckBox(tr("Match &case"), option);
    m_matchCase->setObjectName(QStringLiteral("chkMALA"));
    m_wholeWords = new QCheckBox(tr("Match &whole words"), option);
    m_wholeWords->setObjectName(QStringLiteral("chkCELASLOVA"));
    auto *optionLayout = new QVBoxLayout(option);
    optionLayout->setContentsMargins(8, 2, 8, 2);
    optionLayout->setSpacing(0);
    optionLayout->addWidget(m_matchCase);
    optionLayout->addWidget(m_wholeWords);

    const auto radioGroup = [this](const QString &name, const QString &title, const QString &first,
                                   const QString &second, QRadioButton *&one, QRadioButton *&two) {
        auto *box = new QGroupBox(title, this);
        box->setObjectName(name);
        one = new QRadioButton(first, box);
        two = new QRadioButton(second, box);
        one->setChecked(true);
        auto *layout = new QVBoxLayout(box);
        layout->setContentsMargins(8, 2, 8, 2);
        layout->setSpacing(0);
        layout->addWidget(one);
        layout->addWidget(two);
        return box;
    };
    // Every control has an Alt letter of its own, so that Alt+F runs Find
    // and Alt+L cancels instead of only moving the focus between controls
    // that share a letter.
    QGroupBox *direction = radioGroup(QStringLiteral("rgSMER"), tr("Direction"), tr("f&orward"), tr("&backward"),
                                      m_forward, m_backward);
    QGroupBox *origin = radioGroup(QStringLiteral("rgODKUD"), tr("Begin from"), tr("c&ursor"), tr("&top"),
                                   m_fromCursor, m_fromTop);

    m_cursorFixed = new QCheckBox(tr("Cursor fixed in current pos."), this);
    m_cursorFixed->setObjectName(QStringLiteral("chkKURZOR"));

    const auto button = [this](const QString &name, const QString &caption) {
        auto *push = new QPushButton(caption, this);
        push->setObjectName(name);
        push->setAutoDefault(false);
        return push;
    };
    m_find = button(QStringLiteral("btnFIND"), tr("&Find"));
    m_find->setDefault(true);
    m_replace = button(QStringLiteral("btnREPL"), tr("&Replace"));
    m_replaceAll = button(QStringLiteral("btnREPLALL"), tr("Replace &All"));
    m_cancel = button(QStringLiteral("Button2"), tr("Cance&l"));
    m_find->setEnabled(false);
    m_replace->setEnabled(false);
    m_replace->hide();
    m_replaceAll->setEnabled(false);

    auto *buttons = new QVBoxLayout;
    buttons->addWidget(m_find);
    buttons->addWidget(m_replace);
    buttons->addWidget(m_replaceAll);
    buttons->addStretch(1);
    buttons->addWidget(m_cancel);
    auto *choices = new QGridLayout;
    choices->setVerticalSpacing(2);
    choices->addWidget(option, 0, 0, 1, 2);
    choices->addWidget(direction, 1, 0);
    choices->addWidget(origin, 1, 1);
    choices->addWidget(m_cursorFixed, 2, 0, 1, 2);
    auto *lower = new QHBoxLayout;
    lower->addLayout(choices, 1);
    lower->addLayout(buttons);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(4);
    layout->addWidget(m_pages);
    layout->addLayout(lower, 1);

    connect(m_pages, &QTabWidget::currentChanged, this, &TfrmFIND::pgFINDChange);
    connect(m_findText1, &QComboBox::editTextChanged, this, &TfrmFIND::findTextChanged);
    connect(m_findText2, &QComboBox::editTextChanged, this, &TfrmFIND::findTextChanged);
    connect(m_find, &QPushButton::clicked, this, &TfrmFIND::btnFINDClick);
    connect(m_replace, &QPushButton::clicked, this, &TfrmFIND::btnREPLClick);
    connect(m_replaceAll, &QPushButton::clicked, this, &TfrmFIND::btnREPLALLClick);
    connect(m_cancel, &QPushButton::clicked, this, &TfrmFIND::Button2Click);

    m_storage.bindBool(QStringLiteral("chkKURZOR_Checked"), [this] { return m_cursorFixed->isChecked(); },
                       [this](bool on) { m_cursorFixed->setChecked(on); });
    const auto bindHistory = [this](const QString &key, QComboBox *box) {
        m_storage.bindStringList(key, [box] { return itemsOf(box); },
                                 [box](const QStringList &items) { setItems(box, items); });
    };
    bindHistory(QStringLiteral("cmbFINDTEXT1_Items"), m_findText1);
    bindHistory(QStringLiteral("cmbFINDTEXT2_Items"), m_findText2);
    bindHistory(QStringLiteral("cmbREPL_Items"), m_replaceText);
    m_storage.bindPlacement([this] { return WidgetPlacement::capture(this); },
                            [this](const WindowPlacement &placement) { WidgetPlacement::apply(this, placement); },
                            [this] { return WidgetPlacement::screenOf(this); });
    m_storage.restore();
}

QWidget *TfrmFIND::buildFindPage()
{
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("tabFIND"));
    auto *label = new QLabel(tr("Fi&nd what:"), page);
    label->setObjectName(QStringLiteral("Label1"));
    m_findText1 = historyBox(QStringLiteral("cmbFINDTEXT1"), page);
    label->setBuddy(m_findText1);
    auto *layout = new QGridLayout(page);
    layout->addWidget(label, 0, 0);
    layout->addWidget(m_findText1, 0, 1);
    layout->addWidget(clearHistoryButton(QStringLiteral("RxSpeedButton1"), m_findText1, page), 0, 2);
    layout->setRowStretch(1, 1);
    layout->setContentsMargins(6, 4, 6, 4);
    return page;
}

QWidget *TfrmFIND::buildReplacePage()
{
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("tabREPL"));
    auto *findLabel = new QLabel(tr("Fi&nd what:"), page);
    findLabel->setObjectName(QStringLiteral("Label3"));
    m_findText2 = historyBox(QStringLiteral("cmbFINDTEXT2"), page);
    findLabel->setBuddy(m_findText2);
    auto *replaceLabel = new QLabel(tr("R&eplace with:"), page);
    replaceLabel->setObjectName(QStringLiteral("Label2"));
    m_replaceText = historyBox(QStringLiteral("cmbREPL"), page);
    replaceLabel->setBuddy(m_replaceText);
    auto *layout = new QGridLayout(page);
    layout->addWidget(findLabel, 0, 0);
    layout->addWidget(m_findText2, 0, 1);
    layout->addWidget(clearHistoryButton(QStringLiteral("RxSpeedButton2"), m_findText2, page), 0, 2);
    layout->addWidget(replaceLabel, 1, 0);
    layout->addWidget(m_replaceText, 1, 1);
    layout->addWidget(clearHistoryButton(QStringLiteral("RxSpeedButton3"), m_replaceText, page), 1, 2);
    layout->setContentsMargins(6, 4, 6, 4);
    layout->setVerticalSpacing(2);
    return page;
}

QToolButton *TfrmFIND::clearHistoryButton(const QString &name, QComboBox *history, QWidget *parent)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(name);
    button->setAutoRaise(true);
    button->setToolTip(tr("Clear history"));
    button->setIcon(style()->standardIcon(QStyle::SP_LineEditClearButton));
    connect(button, &QToolButton::clicked, this, [history] { setItems(history, {}); });
    return button;
}

void TfrmFIND::prepareFind()
{
    m_pages->setCurrentIndex(0);
    pgFINDChange();
}

void TfrmFIND::prepareReplace()
{
    m_pages->setCurrentIndex(1);
    pgFINDChange();
}

void TfrmFIND::pgFINDChange()
{
    const bool replacing = m_pages->currentIndex() == 1;
    m_replace->setVisible(replacing);
    m_replaceAll->setVisible(replacing);
}

void TfrmFIND::keyPressEvent(QKeyEvent *event)
{
    // Escape is the Cancel button.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        Button2Click();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool TfrmFIND::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate)
        FormActivate();
    return QDialog::event(event);
}

void TfrmFIND::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    FormActivate();
}

void TfrmFIND::FormActivate()
{
    (m_pages->currentIndex() == 1 ? m_findText2 : m_findText1)->setFocus();
    if (SourceEditor *editor = m_editor())
        m_rememberedCaret = editor->caret();
}

void TfrmFIND::findTextChanged(const QString &text)
{
    if (!m_copyingText) {
        m_copyingText = true;
        QComboBox *other = sender() == m_findText1 ? m_findText2 : m_findText1;
        if (other->currentText() != text)
            other->setEditText(text);
        m_copyingText = false;
    }
    const bool any = !text.isEmpty();
    m_find->setEnabled(any);
    m_replace->setEnabled(any);
    m_replaceAll->setEnabled(any);
}

SearchOptions TfrmFIND::options() const
{
    SearchOptions options;
    options.forward = !m_backward->isChecked();
    options.wholeWord = m_wholeWords->isChecked();
    options.matchCase = m_matchCase->isChecked();
    return options;
}

void TfrmFIND::updateHistories()
{
    const QString text = m_findText1->currentText();
    if (FindReplace::joinsHistory(itemsOf(m_findText1), text)) {
        appendEntry(m_findText1, text);
        appendEntry(m_findText2, text);
    }
    const QString replacement = m_replaceText->currentText();
    if (FindReplace::joinsHistory(itemsOf(m_replaceText), replacement))
        appendEntry(m_replaceText, replacement);
}

bool TfrmFIND::runFind()
{
    SourceEditor *editor = m_editor();
    if (!editor)
        return false;
    updateHistories();
    if (m_fromTop->isChecked()) {
        editor->setCaret(0);
        m_fromCursor->setChecked(true);
    }
    const QString text = m_findText1->currentText();
    if (FindReplace::find(*editor, text, options()))
        return true;
    if (!m_replacingAll)
        m_dialogs.message(FindReplace::notFoundMessage(text));
    return false;
}

void TfrmFIND::btnFINDClick()
{
    runFind();
}

void TfrmFIND::btnREPLClick()
{
    SourceEditor *editor = m_editor();
    if (!editor)
        return;
    if (editor->selectionLength() != 0)
        editor->replaceSelection(m_replaceText->currentText());
    runFind();
}

void TfrmFIND::btnREPLALLClick()
{
    SourceEditor *editor = m_editor();
    if (!editor)
        return;
    const int caret = editor->caret();
    updateHistories();
    const bool top = m_fromTop->isChecked();
    m_fromCursor->setChecked(true);
    m_replacingAll = true;
    const QString text = m_findText1->currentText();
    const QString replacement = m_replaceText->currentText();
    const int count = FindReplace::replaceAll(*editor, text, replacement, options(), top);
    m_replacingAll = false;
    m_dialogs.message(FindReplace::replacedMessage(count, text, replacement));
    if (m_cursorFixed->isChecked())
        editor->setCaret(qMin(caret, editor->length()));
}

void TfrmFIND::Button2Click()
{
    if (m_cursorFixed->isChecked()) {
        if (SourceEditor *editor = m_editor())
            editor->setCaret(qMin(m_rememberedCaret, editor->length()));
    }
    reject();
}

void TfrmFIND::findNext()
{
    SourceEditor *editor = m_editor();
    if (!editor)
        return;
    const QString text = m_findText1->currentText();
    if (editor->search(text, options()))
        editor->ensureCaretVisible();
    else
        m_dialogs.message(FindReplace::notFoundMessage(text));
}

void TfrmFIND::saveSettings() const
{
    m_storage.save();
}
