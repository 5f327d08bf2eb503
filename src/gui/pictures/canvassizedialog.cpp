#include "canvassizedialog.h"

#include "pictures/wbmpheader.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QSpinBox>

CanvasSizeDialog::CanvasSizeDialog(const QSize &current, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("CanvasSizeDialog"));
    setWindowTitle(tr("Canvas Size"));
    m_width = new QSpinBox;
    m_width->setObjectName(QStringLiteral("spnCanvasWidth"));
    m_height = new QSpinBox;
    m_height->setObjectName(QStringLiteral("spnCanvasHeight"));
    for (QSpinBox *box : {m_width, m_height}) {
        box->setRange(1, WbmpHeader::maximumSide);
        box->setSuffix(tr(" pixels"));
    }
    m_width->setValue(current.width());
    m_height->setValue(current.height());
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QFormLayout(this);
    layout->addRow(tr("&Width:"), m_width);
    layout->addRow(tr("&Height:"), m_height);
    layout->addRow(buttons);
}

QSize CanvasSizeDialog::canvasSize() const
{
    return QSize(m_width->value(), m_height->value());
}
