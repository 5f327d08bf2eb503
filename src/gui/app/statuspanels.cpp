#include "statuspanels.h"

#include "apptexts.h"

#include "devices/decksizereport.h"
#include "editor/caretstatus.h"

#include <QLabel>

StatusPanels::StatusPanels(QWidget *parent) : QStatusBar(parent)
{
    setObjectName(QStringLiteral("StatusBar"));
    setSizeGripEnabled(true);
    const int widths[] = {50, 50, 60, 35, 70, 35, hintWidth, problemsWidth, 0};
    for (int i = 0; i <= SizePanel; ++i) {
        auto *label = new QLabel(this);
        label->setObjectName(QStringLiteral("panel%1").arg(i));
        label->setFrameStyle(QFrame::Panel | (i == 7 ? QFrame::Raised : QFrame::Sunken));
        label->setFixedWidth(widths[i]);
        if (i == ProblemsPanel || i == SizePanel || i == ModePanel)
            label->setAlignment(Qt::AlignCenter);
        else if (i < ModePanel)
            label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        // The hint panel takes the room that is left; the format panel as
        // much as its text needs.
        if (i == HintPanel || i == FormatPanel || i == ProblemsPanel || i == SizePanel) {
            label->setMinimumWidth(widths[i]);
            label->setMaximumWidth(QWIDGETSIZE_MAX);
        }
        addWidget(label, i == HintPanel ? 1 : 0);
        m_panels.append(label);
    }
    m_panels[LinePanel]->setToolTip(tr("Line"));
    m_panels[ColumnPanel]->setToolTip(tr("Column"));
    m_panels[PositionPanel]->setToolTip(
        tr("Position: characters from the start of the page, line breaks counting two"));
    m_panels[ModePanel]->setToolTip(tr("Insert or overwrite: the Insert key switches"));
    m_panels[FormatPanel]->setToolTip(tr("Character set and line breaks the page is saved with"));
    m_problemsTip = tr("Problems the checker found in the page (View > Problems lists them)");
    m_panels[ProblemsPanel]->setToolTip(m_problemsTip);
    m_panels[SizePanel]->hide();
    setStatusTip(AppTexts::longHint(AppTexts::statusBarHint()));
}

void StatusPanels::showDeckSize(const DeckSizeReport *report, const QLocale &locale)
{
    QLabel *gauge = m_panels[SizePanel];
    gauge->setVisible(report != nullptr);
    if (!report) {
        gauge->clear();
        gauge->setStyleSheet(QString());
        fitHint();
        return;
    }
    gauge->setText(report->text(locale));
    // Dark text on light colours, legible in light and dark themes alike.
    QString colours;
    switch (report->level()) {
    case DeckSizeReport::Level::Fits:
        colours = QStringLiteral("background: #bfe8b0; color: #10300a;");
        break;
    case DeckSizeReport::Level::Near:
        colours = QStringLiteral("background: #ffd27f; color: #402800;");
        break;
    case DeckSizeReport::Level::Over:
        colours = QStringLiteral("background: #f4a09a; color: #4a0000;");
        break;
    case DeckSizeReport::Level::Unknown:
        break;
    }
    // A coloured panel keeps the sunken edge of the others.
    gauge->setStyleSheet(colours.isEmpty()
                             ? QString()
                             : QStringLiteral("QLabel { %1 border: 1px solid #9a9a9a; border-top-color: #6a6a6a; "
                                              "border-left-color: #6a6a6a; padding: 0 3px; }")
                                   .arg(colours));
    gauge->setToolTip(report->toolTip(locale));
    gauge->setMinimumWidth(gauge->sizeHint().width());
    fitHint();
}

void StatusPanels::setPanelText(int panel, const QString &text)
{
    QLabel *label = m_panels.value(panel);
    if (!label)
        return;
    label->setText(text);
    // The format panel is never squeezed below its text.
    if (panel == FormatPanel)
        label->setMinimumWidth(qMax(35, label->sizeHint().width()));
    if (panel == ProblemsPanel)
        fitProblemCount();
}

void StatusPanels::fitProblemCount()
{
    // The count changes as the user types; it takes its room from the hint
    // panel rather than widen the main window, as far as the hint panel
    // can give it.
    QLabel *count = m_panels[ProblemsPanel];
    const int wanted = qMax(problemsWidth, count->sizeHint().width());
    const int taken = qMin(wanted - problemsWidth, hintWidth - minimumHintWidth);
    count->setMinimumWidth(problemsWidth + taken);
    m_problemsTaken = taken;
    fitHint();
    const QString text = count->text();
    count->setToolTip(text.isEmpty() ? m_problemsTip : m_problemsTip + QStringLiteral("\n") + text);
}

void StatusPanels::fitHint()
{
    // The gauge, shown only while a page is open, takes its room from the
    // hint panel too.
    QLabel *gauge = m_panels[SizePanel];
    const int gaugeWidth = gauge->isVisibleTo(this) ? gauge->minimumWidth() : 0;
    m_panels[HintPanel]->setMinimumWidth(qMax(minimumHintWidth / 2, hintWidth - m_problemsTaken - gaugeWidth));
}

QString StatusPanels::panelText(int panel) const
{
    const QLabel *label = m_panels.value(panel);
    return label ? label->text() : QString();
}

void StatusPanels::showCaret(const CaretStatus &status)
{
    setPanelText(LinePanel, status.lineText());
    setPanelText(ColumnPanel, status.columnText());
    setPanelText(PositionPanel, status.positionText());
    setPanelText(ModePanel, status.modeText());
}

void StatusPanels::clearCaret()
{
    for (int panel = LinePanel; panel <= ModePanel; ++panel)
        setPanelText(panel, QString());
}
