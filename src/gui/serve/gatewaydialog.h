#pragma once

#include "serve/servepreferences.h"

#include <QDialog>

class DialogService;
class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;

// Tools > Gateway Settings: writes a ready configuration of the Kannel WAP
// gateway (bearerbox and wapbox on the chosen ports) in front of the
// running phone server, and shows how to start it. WAP 1.x phones then
// set this computer as their gateway and open the deck's address.
class GatewayDialog : public QDialog
{
    Q_OBJECT

public:
    // deckUrl: the deck's address as the gateway on this computer fetches it.
    GatewayDialog(const ServePreferences &preferences, const QString &deckUrl, DialogService &dialogs,
                  QWidget *parent = nullptr);

    ServePreferences preferences() const;
    // The configuration for the current fields, as it would be written.
    QString configText() const;
    // Writes the configuration (and makes its folder); true when written.
    // A failure goes to the dialog service as an error.
    bool writeConfig();

    QSpinBox *spnADMINPORT = nullptr;
    QSpinBox *spnBOXPORT = nullptr;
    QCheckBox *chkNETWORK = nullptr;
    QLineEdit *edtCONFIGFILE = nullptr;
    QPlainTextEdit *memCONFIG = nullptr;
    QPushButton *btnWRITE = nullptr;

    static QString defaultConfigPath();

private:
    void updateText();

    ServePreferences m_preferences;
    QString m_deckUrl;
    QString m_password;
    DialogService &m_dialogs;
};
