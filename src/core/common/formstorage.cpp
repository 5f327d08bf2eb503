#include "formstorage.h"

#include "inifile.h"
#include "programfolder.h"
#include "tarnelerror.h"

#include <QCoreApplication>

namespace {

const QString keyFlags = QStringLiteral("Flags");
const QString keyShowCmd = QStringLiteral("ShowCmd");
const QString keyPixelsPerInch = QStringLiteral("PixelsPerInch");
const QString keyMinMaxPos = QStringLiteral("MinMaxPos");
const QString keyNormPos = QStringLiteral("NormPos");
const QString keyVisible = QStringLiteral("Visible");

QString boolText(bool value)
{
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

// Reads a key for the current screen size first, then the plain key.
QString screenValue(const IniFile &ini, const QString &section, const QString &key, const QString &suffix)
{
    if (ini.contains(section, key + suffix))
        return ini.value(section, key + suffix);
    return ini.value(section, key);
}

} // namespace

FormStorage::FormStorage(QString section, QString iniPath)
    : m_section(std::move(section)), m_iniPath(iniPath.isEmpty() ? ProgramFolder::settingsFile() : iniPath)
{
}

void FormStorage::bindBool(const QString &key, std::function<bool()> get, std::function<void(bool)> set)
{
    Binding binding{Binding::Bool, key, {}, {}, {}, {}};
    binding.get = [get] { return boolText(get()); };
    binding.set = [set](const QString &text) {
        if (text.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
            set(true);
        else if (text.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
            set(false);
    };
    m_bindings.push_back(std::move(binding));
}

void FormStorage::bindText(const QString &key, std::function<QString()> get,
                           std::function<void(const QString &)> set)
{
    m_bindings.push_back(Binding{Binding::Text, key, std::move(get), std::move(set), {}, {}});
}

void FormStorage::bindStringList(const QString &key, std::function<QStringList()> get,
                                 std::function<void(const QStringList &)> set)
{
    m_bindings.push_back(Binding{Binding::List, key, {}, {}, std::move(get), std::move(set)});
}

void FormStorage::bindPlacement(std::function<WindowPlacement()> get,
                                std::function<void(const WindowPlacement &)> apply,
                                std::function<ScreenMetrics()> screen)
{
    m_getPlacement = std::move(get);
    m_applyPlacement = std::move(apply);
    m_screen = std::move(screen);
}

void FormStorage::restore() const
{
    const IniFile ini = IniFile::load(m_iniPath);
    if (m_applyPlacement)
        restorePlacement(ini);
    for (const Binding &binding : m_bindings) {
        if (binding.kind == Binding::List) {
            const QString listSection = m_section + QLatin1Char('.') + binding.key;
            if (!ini.hasSection(listSection))
                continue;
            QStringList items;
            const int count = ini.intValue(listSection, QStringLiteral("Count"), 0);
            for (int i = 0; i < count; ++i) {
                const QString itemKey = QStringLiteral("Item%1").arg(i);
                if (ini.contains(listSection, itemKey))
                    items.append(ini.value(listSection, itemKey));
            }
            binding.setList(items);
        } else if (ini.contains(m_section, binding.key)) {
            binding.set(ini.value(m_section, binding.key));
        }
    }
}

void FormStorage::restorePlacement(const IniFile &ini) const
{
    if (!ini.hasSection(m_section))
        return;
    const ScreenMetrics screen = m_screen ? m_screen() : ScreenMetrics();
    WindowPlacement placement;
    placement.flags = ini.intValue(m_section, keyFlags, 0);
    placement.showCmd = ini.intValue(m_section, keyShowCmd, WindowPlacement::Normal);
    placement.visible = ini.intValue(m_section, keyVisible, 1) != 0;
    PlacementText::toPoints(screenValue(ini, m_section, keyMinMaxPos, screen.sizeSuffix()),
                            &placement.minimizedPosition, &placement.maximizedPosition);
    bool leftBeforeRight = false;
    const bool hasBounds = PlacementText::toRect(screenValue(ini, m_section, keyNormPos, screen.sizeSuffix()),
                                                 &placement.normalBounds, &leftBeforeRight);
    const bool sameResolution = ini.intValue(m_section, keyPixelsPerInch, -1) == screen.pixelsPerInch;
    if (hasBounds && leftBeforeRight && sameResolution)
        m_applyPlacement(placement);
}

void FormStorage::savePlacement(IniFile &ini) const
{
    const WindowPlacement placement = m_getPlacement();
    const ScreenMetrics screen = m_screen ? m_screen() : ScreenMetrics();
    const QString minMax = PlacementText::fromPoints(placement.minimizedPosition, placement.maximizedPosition);
    const QString normal = PlacementText::fromRect(placement.normalBounds);
    ini.setValue(m_section, keyFlags, QString::number(placement.flags));
    ini.setValue(m_section, keyShowCmd, QString::number(placement.showCmd));
    ini.setValue(m_section, keyPixelsPerInch, QString::number(screen.pixelsPerInch));
    ini.setValue(m_section, keyMinMaxPos, minMax);
    ini.setValue(m_section, keyNormPos, normal);
    ini.setValue(m_section, keyVisible, placement.visible ? QStringLiteral("1") : QStringLiteral("0"));
    ini.setValue(m_section, keyMinMaxPos + screen.sizeSuffix(), minMax);
    ini.setValue(m_section, keyNormPos + screen.sizeSuffix(), normal);
}

void FormStorage::save() const
{
    IniFile ini = IniFile::load(m_iniPath);
    if (m_getPlacement)
        savePlacement(ini);
    for (const Binding &binding : m_bindings) {
        if (binding.kind != Binding::List) {
            ini.setValue(m_section, binding.key, binding.get());
            continue;
        }
        const QString listSection = m_section + QLatin1Char('.') + binding.key;
        ini.eraseSection(listSection);
        const QStringList items = binding.getList();
        if (items.isEmpty())
            continue;
        ini.setValue(listSection, QStringLiteral("Count"), QString::number(items.size()));
        for (int i = 0; i < items.size(); ++i)
            ini.setValue(listSection, QStringLiteral("Item%1").arg(i), items[i]);
    }
    if (!ini.save(m_iniPath))
        throw TarnelError(QCoreApplication::translate("FormStorage", "Unable to write to %1").arg(m_iniPath));
}
