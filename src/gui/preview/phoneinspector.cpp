#include "phoneinspector.h"

#include "browser/phonesession.h"

#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

QLabel *heading(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    return label;
}

} // namespace

PhoneInspector::PhoneInspector(PhoneSession &session, QWidget *parent)
    : QWidget(parent), m_session(session)
{
    setObjectName(QStringLiteral("phoneInspector"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 2, 2, 2);
    layout->setSpacing(2);

    layout->addWidget(heading(tr("Variables"), this));
    m_variables = new QTableWidget(0, 2, this);
    m_variables->setObjectName(QStringLiteral("inspectorVariables"));
    m_variables->setHorizontalHeaderLabels({tr("Name"), tr("Value")});
    m_variables->horizontalHeader()->setStretchLastSection(true);
    m_variables->verticalHeader()->hide();
    m_variables->setToolTip(tr("Change a value to see the card with it"));
    layout->addWidget(m_variables, 3);

    layout->addWidget(heading(tr("History"), this));
    m_history = new QListWidget(this);
    m_history->setObjectName(QStringLiteral("inspectorHistory"));
    layout->addWidget(m_history, 2);

    m_timer = new QLabel(this);
    m_timer->setObjectName(QStringLiteral("inspectorTimer"));
    layout->addWidget(m_timer);

    layout->addWidget(heading(tr("Active do elements"), this));
    m_dos = new QListWidget(this);
    m_dos->setObjectName(QStringLiteral("inspectorDos"));
    layout->addWidget(m_dos, 1);

    layout->addWidget(heading(tr("Last request"), this));
    m_request = new QLabel(this);
    m_request->setObjectName(QStringLiteral("inspectorRequest"));
    m_request->setWordWrap(true);
    m_request->setTextFormat(Qt::PlainText);
    m_request->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(m_request);

    auto *buttons = new QHBoxLayout;
    m_restart = new QPushButton(tr("Restart"), this);
    m_restart->setObjectName(QStringLiteral("inspectorRestart"));
    m_restart->setToolTip(tr("A new context at the first card"));
    m_back = new QPushButton(tr("Back"), this);
    m_back->setObjectName(QStringLiteral("inspectorBack"));
    buttons->addWidget(m_restart);
    buttons->addWidget(m_back);
    layout->addLayout(buttons);

    connect(m_restart, &QPushButton::clicked, &m_session, &PhoneSession::restart);
    connect(m_back, &QPushButton::clicked, this, [this] { m_session.keyboardBack(); });
    connect(m_variables, &QTableWidget::cellChanged, this, &PhoneInspector::variableEdited);
    connect(&m_session, &PhoneSession::changed, this, &PhoneInspector::refresh);
    refresh();
}

void PhoneInspector::refresh()
{
    // A value being edited stays open while the timer ticks; the table is
    // filled again when the edit ends.
    QWidget *focus = QApplication::focusWidget();
    const bool editing = focus && focus != m_variables && m_variables->isAncestorOf(focus);
    if (!editing) {
        const QSignalBlocker quiet(m_variables);
        const auto variables = m_session.variables();
        m_variables->setRowCount(int(variables.size()));
        for (int row = 0; row < variables.size(); ++row) {
            auto *name = new QTableWidgetItem(variables[row].first);
            name->setFlags(name->flags() & ~Qt::ItemIsEditable);
            m_variables->setItem(row, 0, name);
            m_variables->setItem(row, 1, new QTableWidgetItem(variables[row].second));
        }
    }
    m_history->clear();
    m_history->addItems(m_session.history());
    const int left = m_session.timerRemaining();
    m_timer->setText(left < 0 ? tr("Timer: none")
                              : tr("Timer: %1.%2 s left").arg(left / 10).arg(left % 10));
    m_dos->clear();
    m_dos->addItems(m_session.activeDos());
    const QString request = m_session.lastRequest();
    m_request->setText(request.isEmpty() ? tr("none") : request);
}

void PhoneInspector::variableEdited(int row, int column)
{
    if (column != 1 || !m_variables->item(row, 0) || !m_variables->item(row, 1))
        return;
    const QString name = m_variables->item(row, 0)->text();
    const QString value = m_variables->item(row, 1)->text();
    // Laid out again after the edit has finished, not inside the table's signal.
    QMetaObject::invokeMethod(this, [this, name, value] { m_session.setVariable(name, value); },
                              Qt::QueuedConnection);
}
