#pragma once

#include "windowplacement.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

class IniFile;

// The settings store of one window: it owns one section of "tarnel.ini"
// and saves the window's placement plus a fixed list of bound properties.
// Keys are the control's name, "_" and the property's name
// ("tlacitkaMAIN_Maximized"); booleans are "True" or "False"; a string list
// gets a section of its own, section + "." + key, holding "Count" and
// "Item0", "Item1", ... which is erased before the list is written.
class FormStorage
{
public:
    explicit FormStorage(QString section, QString iniPath = QString());

    const QString &section() const { return m_section; }
    QString iniPath() const;

    void bindBool(const QString &key, std::function<bool()> get, std::function<void(bool)> set);
    void bindText(const QString &key, std::function<QString()> get, std::function<void(const QString &)> set);
    void bindStringList(const QString &key, std::function<QStringList()> get,
                        std::function<void(const QStringList &)> set);

    // The placement is written whenever get gives bounds; a placement with
    // null bounds (a window never shown) leaves the stored one as it was.
    // apply may be empty for windows that remember their placement without
    // ever taking it back.
    void bindPlacement(std::function<WindowPlacement()> get, std::function<void(const WindowPlacement &)> apply,
                       std::function<ScreenMetrics()> screen);

    // Reads the file and hands every stored value to its setter; a missing
    // file or key leaves the design value. A stored position is applied only
    // when it was saved at the current resolution and its left edge lies
    // before its right edge; the key for the current screen size wins over
    // the plain one.
    void restore() const;

    // Writes the section. Throws TarnelError "Unable to write to %s".
    void save() const;

private:
    struct Binding
    {
        enum Kind { Bool, Text, List } kind;
        QString key;
        std::function<QString()> get;        // Bool and Text, as stored
        std::function<void(const QString &)> set;
        std::function<QStringList()> getList;
        std::function<void(const QStringList &)> setList;
    };

    void restorePlacement(const IniFile &ini) const;
    void savePlacement(IniFile &ini) const;

    QString m_section;
    QString m_iniPath;
    std::vector<Binding> m_bindings;
    std::function<WindowPlacement()> m_getPlacement;
    std::function<void(const WindowPlacement &)> m_applyPlacement;
    std::function<ScreenMetrics()> m_screen;
};
