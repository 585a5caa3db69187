#include "desktop/QtTranslations.h"

#include "settings/ProfileFile.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

QtTranslations::QtTranslations() = default;

QtTranslations::~QtTranslations()
{
    if (m_translator) QCoreApplication::removeTranslator(m_translator.get());
}

QString QtTranslations::localeOf(const std::string& languageFile)
{
    ProfileFile file;
    file.load(languageFile);
    return QString::fromStdString(file.getString("Setting", "Locale", "en", ProfileBuffer::kShort));
}

QString QtTranslations::folder() { return QLibraryInfo::path(QLibraryInfo::TranslationsPath); }

bool QtTranslations::follow(const QString& locale)
{
    if (m_translator) {
        QCoreApplication::removeTranslator(m_translator.get());
        m_translator.reset();
    }
    m_locale = locale;
    const QLocale wanted(locale);
    // Dates and numbers in the toolkit's dialogs follow the language too.
    QLocale::setDefault(wanted);
    if (wanted.language() == QLocale::English) return true;
    auto translator = std::make_unique<QTranslator>();
    // "qt_<locale>.qm" gathers the catalogues of the toolkit's modules.
    if (!translator->load(wanted, QStringLiteral("qt"), QStringLiteral("_"), folder())) return false;
    QCoreApplication::installTranslator(translator.get());
    m_translator = std::move(translator);
    return true;
}
