#pragma once

#include "guifixture.h"

#include "preview/previewtab.h"

#include <QComboBox>
#include <QDir>
#include <QImage>
#include <QTabWidget>

// A WBMP picture 8 pixels wide and 1 high with the given pixel byte.
inline QByteArray wbmp8x1(int byte)
{
    return QByteArray::fromHex("00000801") + QByteArray(1, char(byte));
}

inline QStringList itemsOf(const QComboBox *list)
{
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items << list->itemText(i);
    return items;
}

// A document window holding a page saved in the program folder's "site".
struct PreviewFixture : GuiFixture
{
    QString site = folder.file(QStringLiteral("site"));

    TMDIChild *openPage(const QByteArray &wml)
    {
        open(folder.write(QStringLiteral("site/page.wml"), wml));
        return active();
    }
    PreviewTab *tab() const { return active()->preview(); }
    void toPreview() const { active()->pages()->setCurrentIndex(2); }
    void toWml() const { active()->pages()->setCurrentIndex(0); }
    // A file of the active window's page folder.
    QString temp(const QString &name) const { return QDir(active()->pageFolder()).filePath(name); }
    void chooseDevice(const QString &name) const
    {
        tab()->deviceList()->setCurrentText(name);
        emit tab()->deviceList()->textActivated(name);
    }
    void writeSkin(const QByteArray &section, const QString &picture = QStringLiteral("phone.png"))
    {
        QImage image(200, 400, QImage::Format_RGB32);
        image.fill(Qt::darkGray);
        image.save(folder.file(QStringLiteral("skins/") + picture));
        folder.write(QStringLiteral("skins/skins.ini"), "[phones]\n1=Test phone\n2=\n[Test phone]\n" + section);
    }
};
