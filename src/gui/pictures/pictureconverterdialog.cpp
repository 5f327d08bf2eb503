#include "pictureconverterdialog.h"

#include "pictures/wbmpcodec.h"
#include "pictures/wbmpheader.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

namespace {

const QSize originalBox(260, 200);
const QSize resultBox(300, 240);

QSpinBox *spinBox(const QString &name, int minimum, int maximum, int value)
{
    auto *box = new QSpinBox;
    box->setObjectName(name);
    box->setRange(minimum, maximum);
    box->setValue(value);
    return box;
}

QSlider *slider(const QString &name)
{
    auto *bar = new QSlider(Qt::Horizontal);
    bar->setObjectName(name);
    bar->setRange(-100, 100);
    bar->setValue(0);
    bar->setPageStep(10);
    return bar;
}

} // namespace

PictureConverterDialog::PictureConverterDialog(const QImage &source, const DeviceProfile &device,
                                               const QString &acceptText, QWidget *parent)
    : QDialog(parent), m_source(source), m_device(device)
{
    setObjectName(QStringLiteral("PictureConverterDialog"));
    setWindowTitle(tr("Convert Picture to WBMP"));
    buildControls();
    m_buttons->button(QDialogButtonBox::Ok)->setText(acceptText);
    m_building = false;
    update();
}

void PictureConverterDialog::buildControls()
{
    const QSize size = m_source.size();

    m_original = new QLabel;
    m_original->setObjectName(QStringLiteral("lblOriginal"));
    m_original->setFixedSize(originalBox);
    m_original->setAlignment(Qt::AlignCenter);
    m_original->setFrameShape(QFrame::StyledPanel);
    m_result = new QLabel;
    m_result->setObjectName(QStringLiteral("lblResult"));
    m_result->setMinimumSize(resultBox);
    m_result->setAlignment(Qt::AlignCenter);
    m_result->setFrameShape(QFrame::StyledPanel);
    m_sizeText = new QLabel;
    m_sizeText->setObjectName(QStringLiteral("lblSize"));
    m_warning = new QLabel;
    m_warning->setObjectName(QStringLiteral("lblWarning"));
    m_warning->setStyleSheet(QStringLiteral("color: #b00000"));
    m_warning->setWordWrap(true);

    auto *originalColumn = new QVBoxLayout;
    originalColumn->addWidget(new QLabel(tr("Original: %1 × %2 pixels").arg(size.width()).arg(size.height())));
    originalColumn->addWidget(m_original);
    originalColumn->addStretch();
    auto *resultColumn = new QVBoxLayout;
    resultColumn->addWidget(new QLabel(tr("On the %1 (%2):").arg(m_device.name, m_device.screenText())));
    resultColumn->addWidget(m_result, 1);
    resultColumn->addWidget(m_sizeText);
    resultColumn->addWidget(m_warning);
    auto *pictures = new QHBoxLayout;
    pictures->addLayout(originalColumn);
    pictures->addLayout(resultColumn, 1);

    m_width = spinBox(QStringLiteral("spnWidth"), 1, WbmpHeader::maximumSide,
                      PictureConversion::defaultWidth(size, m_device.screenWidth));
    m_width->setSuffix(tr(" pixels"));
    // 0 is "Fit": the largest magnification that shows the whole picture.
    m_zoom = spinBox(QStringLiteral("spnZoom"), 0, 16, 0);
    m_zoom->setPrefix(QStringLiteral("× "));
    m_zoom->setSpecialValueText(tr("Fit"));
    m_brightness = slider(QStringLiteral("sldBrightness"));
    m_contrast = slider(QStringLiteral("sldContrast"));
    m_dither = new QComboBox;
    m_dither->setObjectName(QStringLiteral("cmbDither"));
    m_dither->addItem(tr("Threshold"), int(PictureConversion::Dither::Threshold));
    m_dither->addItem(tr("Ordered"), int(PictureConversion::Dither::Ordered));
    m_dither->addItem(tr("Error diffusion"), int(PictureConversion::Dither::Diffuse));
    m_dither->setCurrentIndex(2);
    m_level = spinBox(QStringLiteral("spnLevel"), 0, 255, 128);
    m_invert = new QCheckBox(tr("&Invert"));
    m_invert->setObjectName(QStringLiteral("chkInvert"));

    auto *ditherRow = new QHBoxLayout;
    ditherRow->addWidget(m_dither, 1);
    ditherRow->addWidget(new QLabel(tr("Level:")));
    ditherRow->addWidget(m_level);
    auto *form = new QFormLayout;
    form->addRow(tr("&Width:"), m_width);
    // A row of several controls: the label needs its buddy named.
    auto *ditherLabel = new QLabel(tr("&Dithering:"));
    ditherLabel->setBuddy(m_dither);
    form->addRow(ditherLabel, ditherRow);
    form->addRow(tr("&Brightness:"), m_brightness);
    form->addRow(tr("&Contrast:"), m_contrast);
    form->addRow(QString(), m_invert);
    form->addRow(tr("&Magnify:"), m_zoom);
    if (m_device.pixelAspect != 1.0) {
        form->addRow(QString(), new QLabel(tr("The phone's pixels are %1 times as tall as wide; the height "
                                              "follows.")
                                               .arg(m_device.pixelAspect)));
    }

    m_crop = new QGroupBox(tr("C&rop"));
    m_crop->setObjectName(QStringLiteral("grpCrop"));
    m_crop->setCheckable(true);
    m_crop->setChecked(false);
    m_cropX = spinBox(QStringLiteral("spnCropX"), 0, size.width() - 1, 0);
    m_cropY = spinBox(QStringLiteral("spnCropY"), 0, size.height() - 1, 0);
    m_cropWidth = spinBox(QStringLiteral("spnCropWidth"), 1, size.width(), size.width());
    m_cropHeight = spinBox(QStringLiteral("spnCropHeight"), 1, size.height(), size.height());
    auto *cropForm = new QFormLayout(m_crop);
    auto *origin = new QHBoxLayout;
    origin->addWidget(m_cropX);
    origin->addWidget(m_cropY);
    auto *extent = new QHBoxLayout;
    extent->addWidget(m_cropWidth);
    extent->addWidget(m_cropHeight);
    cropForm->addRow(tr("Left, top:"), origin);
    cropForm->addRow(tr("Width, height:"), extent);

    auto *controls = new QHBoxLayout;
    controls->addLayout(form, 3);
    controls->addWidget(m_crop, 2, Qt::AlignTop);

    m_buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(pictures, 1);
    layout->addLayout(controls);
    layout->addWidget(m_buttons);

    for (QSpinBox *box : {m_width, m_zoom, m_level, m_cropX, m_cropY, m_cropWidth, m_cropHeight})
        connect(box, &QSpinBox::valueChanged, this, &PictureConverterDialog::update);
    for (QSlider *bar : {m_brightness, m_contrast})
        connect(bar, &QSlider::valueChanged, this, &PictureConverterDialog::update);
    connect(m_dither, &QComboBox::currentIndexChanged, this, &PictureConverterDialog::update);
    connect(m_invert, &QCheckBox::toggled, this, &PictureConverterDialog::update);
    connect(m_crop, &QGroupBox::toggled, this, &PictureConverterDialog::update);
}

PictureConversion::Settings PictureConverterDialog::settings() const
{
    PictureConversion::Settings settings;
    settings.width = m_width->value();
    if (m_crop->isChecked())
        settings.crop = QRect(m_cropX->value(), m_cropY->value(), m_cropWidth->value(), m_cropHeight->value());
    settings.pixelAspect = m_device.pixelAspect;
    settings.brightness = m_brightness->value();
    settings.contrast = m_contrast->value();
    settings.dither = PictureConversion::Dither(m_dither->currentData().toInt());
    settings.thresholdLevel = m_level->value();
    settings.invert = m_invert->isChecked();
    return settings;
}

int PictureConverterDialog::zoom() const
{
    if (m_zoom->value() > 0)
        return m_zoom->value();
    // Fit: the largest whole magnification that shows all of the picture.
    const double aspect = m_device.pixelAspect > 0 ? m_device.pixelAspect : 1.0;
    const int across = resultBox.width() / std::max(1, m_picture.width());
    const int down = int(resultBox.height() / (std::max(1, m_picture.height()) * aspect));
    return std::clamp(std::min(across, down), 1, 8);
}

void PictureConverterDialog::update()
{
    if (m_building)
        return;
    m_level->setEnabled(m_dither->currentData().toInt() == int(PictureConversion::Dither::Threshold));
    m_picture = PictureConversion::convert(m_source, settings());
    showOriginal();
    showResult();
}

void PictureConverterDialog::showOriginal()
{
    QImage shown = m_source.scaled(originalBox, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    if (m_crop->isChecked()) {
        const QRect used = PictureConversion::sourceRect(m_source.size(), settings());
        const double scale = double(shown.width()) / m_source.width();
        shown = shown.convertToFormat(QImage::Format_ARGB32_Premultiplied);
        QPainter painter(&shown);
        painter.setPen(QPen(Qt::red, 2));
        painter.drawRect(QRectF(used.x() * scale, used.y() * scale, used.width() * scale, used.height() * scale)
                             .adjusted(1, 1, -1, -1));
    }
    m_original->setPixmap(QPixmap::fromImage(shown));
}

void PictureConverterDialog::showResult()
{
    const int factor = zoom();
    const double aspect = m_device.pixelAspect > 0 ? m_device.pixelAspect : 1.0;
    const QSize shownSize(m_picture.width() * factor, std::max(1, qRound(m_picture.height() * factor * aspect)));
    m_result->setPixmap(QPixmap::fromImage(
        m_picture.convertToFormat(QImage::Format_RGB32).scaled(shownSize, Qt::IgnoreAspectRatio, Qt::FastTransformation)));
    const qint64 bytes = WbmpCodec::fileSize(m_picture.size());
    m_sizeText->setText(tr("%1 × %2 pixels, %3 bytes").arg(m_picture.width()).arg(m_picture.height()).arg(bytes));
    QStringList warnings;
    if ((m_device.screenWidth > 0 && m_picture.width() > m_device.screenWidth)
        || (m_device.screenHeight > 0 && m_picture.height() > m_device.screenHeight))
        warnings << tr("Larger than the screen of the %1.").arg(m_device.name);
    if (m_device.maxPictureBytes > 0 && bytes > m_device.maxPictureBytes)
        warnings << tr("Heavier than the %1 bytes the %2 takes.").arg(m_device.maxPictureBytes).arg(m_device.name);
    m_warning->setText(warnings.join(QLatin1Char(' ')));
}
