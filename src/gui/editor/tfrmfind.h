#pragma once

#include "common/formstorage.h"
#include "editor/sourceeditor.h"

#include <QDialog>
#include <functional>

class DialogService;
class QCheckBox;
class QComboBox;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QToolButton;

// "Find/Replace": made once when the program starts and kept, so its texts,
// options and histories carry over from one use to the next. It acts on the
// editor of the active document window; the searching itself is
// FindReplace's. Its histories and the "Cursor fixed" switch are kept in
// "tarnel.ini", section "FindReplace".
class TfrmFIND : public QDialog
{
    Q_OBJECT

public:
    using EditorProvider = std::function<SourceEditor *()>;

    TfrmFIND(DialogService &dialogs, EditorProvider editor, QWidget *parent = nullptr);

    // Selects the Find or the Replace page before the dialog is shown.
    void prepareFind();
    void prepareReplace();

    // Find next: the dialog's text and options from the caret, no history.
    void findNext();

    // Writes the dialog's settings. Throws TarnelError.
    void saveSettings() const;

    QTabWidget *pages() const { return m_pages; }
    QComboBox *findText() const { return m_findText1; }
    QComboBox *findTextOnReplacePage() const { return m_findText2; }
    QComboBox *replaceText() const { return m_replaceText; }
    QCheckBox *matchCase() const { return m_matchCase; }
    QCheckBox *wholeWords() const { return m_wholeWords; }
    QRadioButton *backward() const { return m_backward; }
    QRadioButton *fromTop() const { return m_fromTop; }
    QCheckBox *cursorFixed() const { return m_cursorFixed; }
    QPushButton *findButton() const { return m_find; }
    QPushButton *replaceButton() const { return m_replace; }
    QPushButton *replaceAllButton() const { return m_replaceAll; }
    QPushButton *cancelButton() const { return m_cancel; }

    void btnFINDClick();
    void btnREPLClick();
    void btnREPLALLClick();
    void Button2Click();

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    QWidget *buildFindPage();
    QWidget *buildReplacePage();
    QToolButton *clearHistoryButton(const QString &name, QComboBox *history, QWidget *parent);
    void FormActivate();
    void pgFINDChange();
    void findTextChanged(const QString &text);
    void updateHistories();
    bool runFind();
    SearchOptions options() const;

    DialogService &m_dialogs;
    EditorProvider m_editor;
    FormStorage m_storage;
    QTabWidget *m_pages;
    QComboBox *m_findText1;
    QComboBox *m_findText2;
    QComboBox *m_replaceText;
    QCheckBox *m_matchCase;
    QCheckBox *m_wholeWords;
    QRadioButton *m_forward;
    QRadioButton *m_backward;
    QRadioButton *m_fromCursor;
    QRadioButton *m_fromTop;
    QCheckBox *m_cursorFixed;
    QPushButton *m_find;
    QPushButton *m_replace;
    QPushButton *m_replaceAll;
    QPushButton *m_cancel;
    int m_rememberedCaret = 0;
    bool m_replacingAll = false;
    bool m_copyingText = false;
};
