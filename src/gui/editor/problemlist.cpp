#include "problemlist.h"

#include "problemmarks.h"

#include <QHeaderView>
#include <QPainter>
#include <QScrollBar>

namespace {

// A dot like the one in the editor's margin.
QIcon severityIcon(Severity severity)
{
    static QIcon icons[2];
    QIcon &icon = icons[severity == Severity::Error ? 0 : 1];
    if (icon.isNull()) {
        QPixmap pixmap(12, 12);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        const QColor color = ProblemMarks::colorOf(severity);
        painter.setPen(color.darker(130));
        painter.setBrush(color);
        painter.drawEllipse(QRectF(1.5, 1.5, 9, 9));
        icon = QIcon(pixmap);
    }
    return icon;
}

} // namespace

ProblemList::ProblemList(QWidget *parent) : QTreeWidget(parent)
{
    setObjectName(QStringLiteral("lstProblems"));
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setHeaderLabels({tr("Severity"), tr("Line:Column"), tr("Message"), tr("Rule")});
    header()->setStretchLastSection(false);
    header()->setSectionResizeMode(SeverityColumn, QHeaderView::ResizeToContents);
    header()->setSectionResizeMode(PlaceColumn, QHeaderView::ResizeToContents);
    header()->setSectionResizeMode(MessageColumn, QHeaderView::Stretch);
    header()->setSectionResizeMode(RuleColumn, QHeaderView::ResizeToContents);
    setToolTip(tr("Problems of the page: double click a row or press Enter to go there"));
    connect(this, &QTreeWidget::itemActivated, this, &ProblemList::rowActivated);
}

QSize ProblemList::sizeHint() const
{
    // About four rows under the editor.
    return QSize(QTreeWidget::sizeHint().width(), header()->sizeHint().height() + 4 * (fontMetrics().height() + 2) + 6);
}

void ProblemList::setProblems(const ProblemSet &problems)
{
    const int current = currentIndex().row();
    const int scrolled = verticalScrollBar()->value();
    setUpdatesEnabled(false);
    clear();
    QList<QTreeWidgetItem *> rows;
    rows.reserve(problems.shownCount() + 1);
    for (int i = 0; i < problems.shownCount(); ++i) {
        const Diagnostic &diagnostic = problems.all()[i];
        auto *row = new QTreeWidgetItem;
        row->setIcon(SeverityColumn, severityIcon(diagnostic.severity));
        row->setText(SeverityColumn, ProblemSet::severityText(diagnostic.severity));
        row->setData(SeverityColumn, OffsetRole, diagnostic.range.start.offset);
        row->setText(PlaceColumn,
                     QStringLiteral("%1:%2").arg(diagnostic.range.start.line).arg(diagnostic.range.start.column));
        row->setText(MessageColumn, diagnostic.message);
        row->setToolTip(MessageColumn, diagnostic.message);
        row->setText(RuleColumn, diagnostic.ruleId);
        rows << row;
    }
    if (problems.hiddenCount() > 0) {
        auto *more = new QTreeWidgetItem;
        more->setText(MessageColumn, problems.moreText());
        more->setData(SeverityColumn, OffsetRole, -1);
        more->setFlags(Qt::ItemIsEnabled);
        rows << more;
    }
    addTopLevelItems(rows);
    // The row the user was on stays current while the page is rechecked.
    if (current >= 0 && current < topLevelItemCount())
        setCurrentItem(topLevelItem(current), 0, QItemSelectionModel::NoUpdate);
    verticalScrollBar()->setValue(scrolled);
    setUpdatesEnabled(true);
}

int ProblemList::offsetOf(int row) const
{
    const QTreeWidgetItem *item = topLevelItem(row);
    return item ? item->data(SeverityColumn, OffsetRole).toInt() : -1;
}

void ProblemList::rowActivated(QTreeWidgetItem *item)
{
    const int offset = item ? item->data(SeverityColumn, OffsetRole).toInt() : -1;
    if (offset >= 0)
        emit problemChosen(offset);
}
