#pragma once

#include "devices/deviceprofile.h"
#include "pictures/pictureconversion.h"

#include <QDialog>
#include <QImage>

class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QGroupBox;
class QLabel;
class QSlider;
class QSpinBox;

// Converts one picture to WBMP: the original on the left, on the right the
// result as the phone shows it (its own pixels, magnified, taller where the
// phone's pixels are), with its size in pixels and bytes. The controls set
// PictureConversion::Settings; the conversion itself is core's.
class PictureConverterDialog : public QDialog
{
    Q_OBJECT

public:
    // source must not be null; acceptText names the OK button ("Insert",
    // "Save..."). The width starts at the phone's screen width, never
    // wider than the picture.
    PictureConverterDialog(const QImage &source, const DeviceProfile &device, const QString &acceptText,
                           QWidget *parent = nullptr);

    PictureConversion::Settings settings() const;
    // The converted picture for the current settings.
    const QImage &picture() const { return m_picture; }
    const DeviceProfile &device() const { return m_device; }

    // Magnification of the result preview (whole device pixels).
    int zoom() const;

private:
    void buildControls();
    void update();
    void showOriginal();
    void showResult();

    QImage m_source;
    DeviceProfile m_device;
    QImage m_picture;
    bool m_building = true;

    QLabel *m_original = nullptr;
    QLabel *m_result = nullptr;
    QLabel *m_sizeText = nullptr;
    QLabel *m_warning = nullptr;
    QSpinBox *m_width = nullptr;
    QSpinBox *m_zoom = nullptr;
    QGroupBox *m_crop = nullptr;
    QSpinBox *m_cropX = nullptr;
    QSpinBox *m_cropY = nullptr;
    QSpinBox *m_cropWidth = nullptr;
    QSpinBox *m_cropHeight = nullptr;
    QSlider *m_brightness = nullptr;
    QSlider *m_contrast = nullptr;
    QComboBox *m_dither = nullptr;
    QSpinBox *m_level = nullptr;
    QCheckBox *m_invert = nullptr;
    QDialogButtonBox *m_buttons = nullptr;
};
