#include "tfrmqtable.h"

#include "quicktablegrid.h"

#include <QLabel>
#include <QLineEdit>

TfrmQTABLE::TfrmQTABLE(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmQTABLE"));
    setWindowTitle(tr("Quick table"));
    setFixedSize(276, 326);

    auto *fillCaption = new QLabel(tr("Fill cells with"), this);
    fillCaption->setObjectName(QStringLiteral("Label4"));
    fillCaption->setGeometry(8, 10, 128, 17);

    m_fill = new QLineEdit(QStringLiteral("&nbsp;"), this);
    m_fill->setObjectName(QStringLiteral("edtVYPLN"));
    m_fill->setGeometry(140, 6, 128, 23);

    m_grid = new QuickTableGrid(this);
    m_grid->move(0, 34);

    m_label1 = new QLabel(QStringLiteral("Label1"), this);
    m_label1->setObjectName(QStringLiteral("Label1"));
    m_label1->hide();
    m_label2 = new QLabel(QStringLiteral("Label2"), this);
    m_label2->setObjectName(QStringLiteral("Label2"));
    m_label2->hide();
    m_label3 = new QLabel(this);
    m_label3->setObjectName(QStringLiteral("Label3"));
    m_label3->setGeometry(8, 34 + QuickTableGrid::side + 1, 200, 16);

    connect(m_grid, &QuickTableGrid::hovered, this, &TfrmQTABLE::StringGrid1MouseMove);
    connect(m_grid, &QuickTableGrid::released, this, &QDialog::accept);
}

QString TfrmQTABLE::fillText() const
{
    return m_fill->text();
}

void TfrmQTABLE::StringGrid1MouseMove(int rows, int columns)
{
    m_rows = rows;
    m_columns = columns;
    m_label1->setText(QString::number(rows));
    m_label2->setText(QString::number(columns));
    m_label3->setText(tr("Table %1 x %2").arg(rows).arg(columns));
}
