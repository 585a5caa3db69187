#pragma once
// Small helpers that turn language-file texts into widget texts. A text that
// the language file lacks leaves the built-in one in place.
#include "frame/FrameHost.h"

#include <QString>
#include <QStringList>

namespace LangText {

inline QString caption(const IFrameHost& host, int id, const QString& builtIn = {})
{
    const std::string t = host.caption(id);
    return t.empty() ? builtIn : QString::fromStdString(t);
}

inline QString message(const IFrameHost& host, int id, const QString& builtIn = {})
{
    const std::string t = host.message(id);
    return t.empty() ? builtIn : QString::fromStdString(t);
}

// Fills the printf-style "%d" / "%s" placeholders of a language text in
// order. Language texts are data: unknown conversions are left as they
// stand and missing arguments become empty, so no text can crash us.
QString format(const QString& pattern, const QStringList& args);

// Tool tip of a command text: with language 0 the second "&"-separated field
// (the first when there is only one), with language 1 the part before the
// first "(", with any other language none.
QString toolTip(const QString& commandText, int languageIndex);

// A command's text as a window title: without its accelerator after a
// tab, its mnemonic marker "&" and a mnemonic in brackets such as "(&L)".
QString plainText(const QString& commandText);

// Status-bar prompt: the part of a message text before the first "&".
QString prompt(const QString& messageText);

}  // namespace LangText
