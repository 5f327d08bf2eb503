#include "translationset.h"

#include "languagecatalog.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

TranslationSet::TranslationSet() = default;

TranslationSet::~TranslationSet()
{
    for (const auto &translator : m_translators)
        QCoreApplication::removeTranslator(translator.get());
}

QString TranslationSet::qtLanguage(const QString &code)
{
    return code.left(2).toLower();
}

bool TranslationSet::load(const QString &file, const QString &folder)
{
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(file, folder))
        return false;
    QCoreApplication::installTranslator(translator.get());
    m_loaded.append(translator->filePath());
    m_translators.push_back(std::move(translator));
    return true;
}

QStringList TranslationSet::install(const QString &base, const QString &code, const QString &qtFolder)
{
    const QString ours = LanguageCatalog::translationFile(base, code);
    if (ours.isEmpty() || !load(ours))
        return m_loaded;
    // Qt's catalogues: qtbase holds the widgets' texts; the older combined
    // "qt_" file stands in where qtbase is missing.
    const QString folder = qtFolder.isEmpty() ? QLibraryInfo::path(QLibraryInfo::TranslationsPath) : qtFolder;
    const QString language = qtLanguage(code);
    if (!load(QStringLiteral("qtbase_") + language, folder))
        load(QStringLiteral("qt_") + language, folder);
    return m_loaded;
}
