#include "formstorage.h"

#include "inifile.h"
#include "placementkeys.h"
#include "programfolder.h"
#include "tarnelerror.h"

#include <QCoreApplication>

namespace {

QString boolText(bool value)
{
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

} // namespace

FormStorage::FormStorage(QString section, QString iniPath)
    : m_section(std::move(section)), m_iniPath(std::move(iniPath))
{
}

QString FormStorage::iniPath() const
{
    // Looked up each time: where settings may go can change while running.
    return m_iniPath.isEmpty() ? ProgramFolder::settingsFile() : m_iniPath;
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
    const IniFile ini = IniFile::load(iniPath());
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
    const auto read = [&](const QString &key) {
        return ini.contains(m_section, key) ? ini.value(m_section, key) : QString();
    };
    if (const auto placement = PlacementKeys::read(read, m_screen ? m_screen() : ScreenMetrics()))
        m_applyPlacement(*placement);
}

void FormStorage::savePlacement(IniFile &ini) const
{
    const WindowPlacement placement = m_getPlacement();
    // Nothing known about the window's place: the stored one stays.
    if (placement.normalBounds.isNull())
        return;
    PlacementKeys::write([&](const QString &key, const QString &value) { ini.setValue(m_section, key, value); },
                         placement, m_screen ? m_screen() : ScreenMetrics());
}

void FormStorage::save() const
{
    const QString path = iniPath();
    IniFile ini = IniFile::load(path);
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
    if (!ini.save(path))
        throw TarnelError(QCoreApplication::translate("FormStorage", "Unable to write to %1").arg(path));
}
