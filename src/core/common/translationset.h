#pragma once

#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

class QTranslator;

// The translations of one run: the program's own file beside the program
// (base + language code, "tarnel.CS") and, for the same language, Qt's own
// catalogue of its dialogs and buttons ("qtbase_cs.qm" in Qt's translations
// folder), so file dialogs and standard buttons speak the program's language.
// Installed into the running application; removed again when the set goes.
class TranslationSet
{
public:
    TranslationSet();
    ~TranslationSet();
    TranslationSet(const TranslationSet &) = delete;
    TranslationSet &operator=(const TranslationSet &) = delete;

    // Installs the translations for a language override code ("CS"); an
    // empty code installs nothing. qtFolder defaults to Qt's own
    // translations folder. Returns the files that were loaded.
    QStringList install(const QString &base, const QString &code, const QString &qtFolder = QString());

    // Qt's locale name for a language override code: its first two letters
    // in lower case ("CS" gives "cs", "ENU" gives "en").
    static QString qtLanguage(const QString &code);

private:
    bool load(const QString &file, const QString &folder = QString());
    std::vector<std::unique_ptr<QTranslator>> m_translators;
    QStringList m_loaded;
};
