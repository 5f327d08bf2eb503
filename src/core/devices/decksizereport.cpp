#include "decksizereport.h"

#include "wml/wmldocument.h"

#include <QCoreApplication>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("DeckSizeReport", text);
}

QString percentOf(int part, int whole, const QLocale &locale)
{
    if (whole <= 0)
        return QString();
    return locale.toString(qRound(100.0 * part / whole)) + QStringLiteral("\u00a0%");
}

QString partName(const WbxmlWriter::Part &part)
{
    if (part.element == QLatin1String("card"))
        return part.id.isEmpty() ? tr("card without id") : tr("card %1").arg(part.id);
    if (part.element == QLatin1String("template"))
        return tr("template");
    if (part.element == QLatin1String("head"))
        return tr("head");
    return QStringLiteral("<%1>").arg(part.element);
}

} // namespace

DeckSizeReport DeckSizeReport::measure(const WmlDocument &document, const DeviceProfile &device)
{
    DeckSizeReport report;
    report.limit = device.maxDeckBytes;
    report.device = device.name;
    if (!document.isWellFormed() || !document.root())
        return report;
    WbxmlWriter::Compiled compiled = WbxmlWriter::compile(document);
    report.known = true;
    report.bytes = int(compiled.bytes.size());
    report.headerBytes = compiled.headerBytes;
    report.parts = std::move(compiled.parts);
    return report;
}

DeckSizeReport::Level DeckSizeReport::level() const
{
    if (!known)
        return Level::Unknown;
    if (limit > 0 && bytes > limit)
        return Level::Over;
    // Above 90 %: bytes * 10 > limit * 9, in whole numbers.
    if (limit > 0 && qint64(bytes) * 10 > qint64(limit) * 9)
        return Level::Near;
    return Level::Fits;
}

QString DeckSizeReport::text(const QLocale &locale) const
{
    const QString size = known ? locale.toString(bytes) : QStringLiteral("?");
    return tr("%1 / %2 B").arg(size, locale.toString(limit));
}

QString DeckSizeReport::toolTip(const QLocale &locale) const
{
    QStringList lines;
    if (!known) {
        lines << tr("The deck cannot be compiled until it is well-formed XML.");
        lines << tr("The %1 takes compiled decks of up to %2 bytes.").arg(device, locale.toString(limit));
        return lines.join(QLatin1Char('\n'));
    }
    if (level() == Level::Over) {
        lines << tr("The deck compiles to %1 bytes, %2 more than the %3 takes (%4 bytes).")
                     .arg(locale.toString(bytes), locale.toString(bytes - limit), device, locale.toString(limit));
    } else {
        lines << tr("The deck compiles to %1 bytes, %2 of the %3's limit of %4 bytes.")
                     .arg(locale.toString(bytes), percentOf(bytes, limit, locale), device, locale.toString(limit));
    }
    lines << tr("Header and string table: %1 B (%2)")
                 .arg(locale.toString(headerBytes), percentOf(headerBytes, bytes, locale));
    for (const WbxmlWriter::Part &part : parts) {
        lines << tr("%1: %2 B (%3)")
                     .arg(partName(part), locale.toString(part.bytes), percentOf(part.bytes, bytes, locale));
    }
    return lines.join(QLatin1Char('\n'));
}
