#pragma once

#include "common/formstorage.h"

#include <QDialog>

class QLineEdit;

class DialogService;
class QDialogButtonBox;
class QPushButton;

// What the two remote dialogs share: a fixed border, the buttons `Button1`
// "O&K" (default) and `Button2` "&Cancel", and a settings store on the
// dialog's own section of "tarnel.ini". The store fills the fields each time
// the dialog is shown, after the defaults set at creation, and writes them
// when the dialog closes, with OK or Cancel alike, and again when it is
// released (so a field its command completed is remembered completed). A
// store that cannot write reports it through the error display.
class RemoteDialog : public QDialog
{
    Q_OBJECT

public:
    RemoteDialog(const QString &section, DialogService &dialogs, QWidget *parent);
    ~RemoteDialog() override;

    void done(int result) override;

    QPushButton *Button1() const { return m_ok; }
    QPushButton *Button2() const { return m_cancel; }

protected:
    FormStorage &storage() { return m_storage; }
    // Keeps a line edit's text in the settings under key.
    void bindText(const char *key, QLineEdit *edit);
    // The row of the two buttons, for the dialog's layout.
    QWidget *buttonRow() const { return m_buttons; }
    void showEvent(QShowEvent *event) override;

private:
    void saveSettings();

    DialogService &m_dialogs;
    FormStorage m_storage;
    QWidget *m_buttons;
    QPushButton *m_ok;
    QPushButton *m_cancel;
};
