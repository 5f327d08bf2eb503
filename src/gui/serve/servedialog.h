#pragma once

#include "serve/servepreferences.h"

#include <QDialog>

class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;
class QSpinBox;

// Tools > Serve Settings: where the phone server listens (this computer
// only, or the local network with a warning that every file of the folder
// becomes readable there), its port, and the addresses to type into a
// phone or a gateway, which can be copied.
class ServeDialog : public QDialog
{
    Q_OBJECT

public:
    // folder and deckName: what is (or would be) served, for the warning
    // and the addresses; port 0 when the server is not running.
    ServeDialog(const ServePreferences &preferences, const QString &folder, const QString &deckName,
                quint16 runningPort, QWidget *parent = nullptr);

    ServePreferences preferences() const;
    QStringList addresses() const;
    // Copies the selected address (the first when none is selected).
    void copyAddress();

    QRadioButton *rbLOOPBACK = nullptr;
    QRadioButton *rbNETWORK = nullptr;
    QSpinBox *spnPORT = nullptr;
    QLabel *lblWARNING = nullptr;
    QListWidget *lstADDRESSES = nullptr;
    QPushButton *btnCOPY = nullptr;

private:
    void updateAddresses();

    ServePreferences m_preferences;
    QString m_folder;
    QString m_deckName;
    quint16 m_runningPort = 0;
};
