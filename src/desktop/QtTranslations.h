#pragma once
// The toolkit's own texts (message-box buttons, the file dialog, context
// menus) in the program's language: the toolkit's translation catalogue of
// the language file's locale, from the system's translations folder
// (Debian: qt6-translations-l10n). English needs none.
#include <QString>

#include <memory>
#include <string>

class QTranslator;

class QtTranslations {
public:
    QtTranslations();
    ~QtTranslations();

    // Installs the catalogue of `locale` ("zh_CN", "en"), removing the one
    // installed before. False when the locale has none (the toolkit then
    // speaks English).
    bool follow(const QString& locale);
    QString locale() const { return m_locale; }

    // The locale a language file names ([Setting] Locale, as "zh_CN");
    // "en" when it names none.
    static QString localeOf(const std::string& languageFile);

    // Where the catalogues are looked for.
    static QString folder();

private:
    std::unique_ptr<QTranslator> m_translator;
    QString m_locale;
};
