#include "frame/LangText.h"

#include <QRegularExpression>
#include <QStringList>

namespace LangText {

QString format(const QString& pattern, const QStringList& args)
{
    QString out;
    int next = 0;
    for (int i = 0; i < pattern.size(); ++i) {
        const QChar c = pattern[i];
        if (c != '%' || i + 1 >= pattern.size()) {
            out += c;
            continue;
        }
        if (pattern[i + 1] == '%') {
            out += '%';
            ++i;
            continue;
        }
        // Accept flags, width and precision, then one conversion letter.
        int j = i + 1;
        while (j < pattern.size() && QString("-+ #0123456789.l").contains(pattern[j])) ++j;
        if (j < pattern.size() && QString("dsuxXc").contains(pattern[j])) {
            out += next < args.size() ? args[next] : QString();
            ++next;
            i = j;
        } else {
            out += c;
        }
    }
    return out;
}

QString toolTip(const QString& text, int languageIndex)
{
    // A menu text may carry its accelerator after a tab; a tip never shows it.
    const QString commandText = text.section('\t', 0, 0);
    if (commandText.isEmpty()) return {};
    if (languageIndex == 0) {
        const QStringList fields = commandText.split('&', Qt::SkipEmptyParts);
        if (fields.isEmpty()) return {};
        return (fields.size() > 1 ? fields[1] : fields[0]).trimmed();
    }
    if (languageIndex == 1) {
        const QString first = commandText.section('(', 0, 0);
        return QString(first).remove('&').trimmed();
    }
    return {};
}

QString plainText(const QString& commandText)
{
    QString text = commandText.section('\t', 0, 0);
    static const QRegularExpression kBracketMnemonic(QStringLiteral("\\(&[^)]\\)"));
    text.remove(kBracketMnemonic);
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove('&');
    text.replace(QChar(1), '&');
    return text.trimmed();
}

QString prompt(const QString& messageText)
{
    return messageText.section('&', 0, 0);
}

}  // namespace LangText
