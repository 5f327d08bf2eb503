#pragma once

#include <QList>
#include <QStatusBar>

struct CaretStatus;
struct DeckSizeReport;
class QLocale;
class QLabel;

// The main window's status bar: eight fixed panels numbered 0 to 7 from the
// left. Panels 0 to 3 show where the caret of the active document stands
// (line, column, position, INS or OVR), panel 4 "Changed" for the active
// document, panel 6 the long hint of what is under the pointer and
// transfer progress. Panel 5 shows the character set and line-break style
// of the active document; it grows to fit its text. Panel 7 counts the
// problems the checker found in the active document ("No problems",
// "2 errors, 1 warning"); it takes the room its text needs when the window
// has it, without widening the window. Panel 8 is the size gauge: the
// active page's compiled size against its phone's limit ("1,204 / 1,397 B"),
// green while it fits, orange above 90 %, red above the limit.
class StatusPanels : public QStatusBar
{
    Q_OBJECT

public:
    static constexpr int LinePanel = 0;
    static constexpr int ColumnPanel = 1;
    static constexpr int PositionPanel = 2;
    static constexpr int ModePanel = 3;
    static constexpr int ChangedPanel = 4;
    static constexpr int FormatPanel = 5;
    static constexpr int HintPanel = 6;
    static constexpr int ProblemsPanel = 7;
    static constexpr int SizePanel = 8;

    explicit StatusPanels(QWidget *parent = nullptr);

    void setPanelText(int panel, const QString &text);
    QString panelText(int panel) const;
    // Panels 0 to 3; clearCaret empties them when no document is open.
    void showCaret(const CaretStatus &status);
    void clearCaret();
    QLabel *panel(int index) const { return m_panels.value(index); }
    // Panel 8: text, colour by level, and the tool tip listing the shares.
    void showDeckSize(const DeckSizeReport *report, const QLocale &locale);

private:
    static constexpr int hintWidth = 200;
    static constexpr int minimumHintWidth = 100;
    static constexpr int problemsWidth = 50;

    void fitProblemCount();
    void fitHint();

    QList<QLabel *> m_panels;
    QString m_problemsTip;
    int m_problemsTaken = 0;
};
