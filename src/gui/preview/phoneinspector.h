#pragma once

#include <QWidget>

class PhoneSession;
class QLabel;
class QListWidget;
class QPushButton;
class QTableWidget;

// The panel beside the phone: the variables (a value edited here is set
// and the card laid out again), the history stack, the timer's time left,
// the active do elements, the last request, and "Restart" and "Back".
class PhoneInspector : public QWidget
{
    Q_OBJECT

public:
    PhoneInspector(PhoneSession &session, QWidget *parent = nullptr);

    QTableWidget *variableTable() const { return m_variables; }
    QListWidget *historyList() const { return m_history; }
    QListWidget *doList() const { return m_dos; }
    QLabel *timerLabel() const { return m_timer; }
    QLabel *requestLabel() const { return m_request; }
    QPushButton *restartButton() const { return m_restart; }
    QPushButton *backButton() const { return m_back; }

private:
    void refresh();
    void variableEdited(int row, int column);

    PhoneSession &m_session;
    QTableWidget *m_variables;
    QListWidget *m_history;
    QListWidget *m_dos;
    QLabel *m_timer;
    QLabel *m_request;
    QPushButton *m_restart;
    QPushButton *m_back;
};
