#include "controls/ByteLimitEdit.h"

#include <algorithm>

namespace {
int widthOf(QChar c) { return c.unicode() < 128 ? 1 : 2; }
}  // namespace

CByteLimitEdit::CByteLimitEdit(int byteLimit, QWidget* parent) : QLineEdit(parent)
{
    setByteLimit(byteLimit);
    connect(this, &QLineEdit::textChanged, this, &CByteLimitEdit::enforce);
}

void CByteLimitEdit::setByteLimit(int limit)
{
    limit_ = std::clamp(limit, 0, 255);
    enforce();
}

int CByteLimitEdit::byteLength(const QString& text)
{
    int n = 0;
    for (QChar c : text) n += widthOf(c);
    return n;
}

QString CByteLimitEdit::cutToBytes(const QString& text, int limit)
{
    int used = 0;
    int i = 0;
    for (; i < text.size(); ++i) {
        // A surrogate pair is one character: keep both halves or neither.
        const int w = text[i].isHighSurrogate() && i + 1 < text.size() ? 4 : widthOf(text[i]);
        if (used + w > limit) break;
        used += w;
        if (w == 4) ++i;
    }
    return text.left(i);
}

void CByteLimitEdit::enforce()
{
    if (byteLength(text()) <= limit_) return;
    setText(cutToBytes(text(), limit_));
    end(false);
}
