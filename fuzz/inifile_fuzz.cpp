// Feeds arbitrary bytes to the INI reader and writes the result back.
#include "common/inifile.h"

#include <QByteArray>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromLatin1(reinterpret_cast<const char *>(data), qsizetype(size));
    IniFile ini = IniFile::fromText(text);
    for (const QString &section : ini.sections()) {
        for (const QString &key : ini.keys(section))
            (void)ini.value(section, key);
    }
    // What is written reads back the same.
    ini.setValue(QStringLiteral("Fuzz"), QStringLiteral("Key"), QStringLiteral(" padded \"value\" "));
    const IniFile again = IniFile::fromText(ini.toText());
    if (again.value(QStringLiteral("Fuzz"), QStringLiteral("Key")) != QStringLiteral(" padded \"value\" "))
        __builtin_trap();
    return 0;
}
