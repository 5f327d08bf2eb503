#pragma once

#include "check/problemset.h"

#include <QTreeWidget>

// The Problems list under a document window's source editor: one row per
// problem in the order of the text, with its severity, line:column,
// message and rule. Double click or Enter on a row asks to go there.
class ProblemList : public QTreeWidget
{
    Q_OBJECT

public:
    enum Column { SeverityColumn, PlaceColumn, MessageColumn, RuleColumn };
    // The offset of a row's problem, in Qt::UserRole of its first column.
    static constexpr int OffsetRole = Qt::UserRole;

    explicit ProblemList(QWidget *parent = nullptr);

    // Shows the shown part of problems, and a last row "and N more".
    void setProblems(const ProblemSet &problems);
    // The offset of row's problem, or -1 for a row that is none.
    int offsetOf(int row) const;

    QSize sizeHint() const override;

signals:
    // Go to the problem at offset.
    void problemChosen(int offset);

private:
    void rowActivated(QTreeWidgetItem *item);
};
