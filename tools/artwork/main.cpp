// tarnel-artwork OUTDIR
//
// Draws the splash screen, the About picture, the application icon and the
// toolbar icons, and writes them as PNG files into OUTDIR.  Toolbar icons
// are written at 16 x 16 and, as NAME@2x.png, at 32 x 32.
//
// tarnel-artwork --skins OUTDIR
//
// Draws the phone pictures of the Preview tab and writes them, together
// with the skins.ini that describes them, into OUTDIR.
#include "artwork.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>

#include <cstdio>
#include <functional>

namespace {

bool render(const QDir &dir, const QString &name, QSize size, bool transparent,
            const std::function<void(QPainter &)> &draw)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(transparent ? Qt::transparent : Qt::black);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        draw(p);
    }
    const QString path = dir.filePath(name);
    // opaque pictures are stored without an alpha channel
    const QImage::Format format = transparent ? QImage::Format_ARGB32 : QImage::Format_RGB32;
    if (!image.convertToFormat(format).save(path, "PNG")) {
        std::fprintf(stderr, "tarnel-artwork: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);

    const QStringList args = app.arguments();
    const bool skins = args.size() == 3 && args.at(1) == QLatin1String("--skins");
    if (!skins && (args.size() != 2 || args.at(1).startsWith(QLatin1String("--")))) {
        std::fprintf(stderr, "usage: tarnel-artwork OUTDIR\n"
                             "       tarnel-artwork --skins OUTDIR\n");
        return 2;
    }
    QDir dir(args.last());
    if (!dir.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "tarnel-artwork: cannot create %s\n", qPrintable(args.last()));
        return 1;
    }

    bool ok = true;
    int written = 0;
    auto out = [&](const QString &name, QSize size, bool transparent,
                   const std::function<void(QPainter &)> &draw) {
        if (render(dir, name, size, transparent, draw))
            ++written;
        else
            ok = false;
    };

    if (skins) {
        std::vector<art::PictureDef> pictures;
        art::skinPictures(pictures);
        for (const art::PictureDef &picture : pictures)
            out(picture.file, picture.size, true, picture.draw);
        if (art::writeSkinsIni(dir.filePath(QStringLiteral("skins.ini"))))
            ++written;
        else
            ok = false;
        std::printf("tarnel-artwork: wrote %d files to %s\n", written,
                    qPrintable(QDir::toNativeSeparators(dir.absolutePath())));
        return ok ? 0 : 1;
    }

    out(QStringLiteral("splash.png"), {420, 260}, false, art::drawSplash);
    out(QStringLiteral("about.png"), {321, 220}, false, art::drawAbout);
    out(QStringLiteral("tarnel.png"), {256, 256}, true,
        [](QPainter &p) { art::drawAppIcon(p, 256); });
    out(QStringLiteral("tarnel-48.png"), {48, 48}, true,
        [](QPainter &p) { art::drawAppIcon(p, 48); });

    std::vector<art::IconDef> icons;
    art::fileIcons(icons);
    art::editIcons(icons);
    art::wmlIcons(icons);
    for (const art::IconDef &icon : icons) {
        const QString name = QString::fromLatin1(icon.name);
        for (int scale : {1, 2}) {
            const QString file = scale == 1 ? name + QStringLiteral(".png")
                                            : name + QStringLiteral("@2x.png");
            out(file, QSize(16, 16) * scale, true, [&](QPainter &p) {
                p.scale(scale, scale);
                icon.draw(p);
            });
        }
    }

    std::printf("tarnel-artwork: wrote %d files to %s\n", written,
                qPrintable(QDir::toNativeSeparators(dir.absolutePath())));
    return ok ? 0 : 1;
}
