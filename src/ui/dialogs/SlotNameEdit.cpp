#include "SlotNameEdit.h"

namespace {

bool pairAt(const QString& text, qsizetype i)
{
    return text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
}

} // namespace

SlotNameEdit::SlotNameEdit(QWidget* parent)
    : QLineEdit(parent)
{
    connect(this, &QLineEdit::textChanged, this, &SlotNameEdit::keepWithinLimit);
}

void SlotNameEdit::selectName() { setSelection(0, text().trimmed().size()); }

void SlotNameEdit::setCharacterLimit(int limit)
{
    limit_ = limit;
    keepWithinLimit(text());
}

qsizetype SlotNameEdit::characterCount(const QString& text)
{
    qsizetype count = 0;
    for (qsizetype i = 0; i < text.size(); i += pairAt(text, i) ? 2 : 1) ++count;
    return count;
}

QString SlotNameEdit::leftCharacters(const QString& text, qsizetype count)
{
    qsizetype i = 0;
    for (qsizetype n = 0; i < text.size() && n < count; ++n) i += pairAt(text, i) ? 2 : 1;
    return text.left(i);
}

void SlotNameEdit::keepWithinLimit(const QString& text)
{
    if (characterCount(text) <= limit_) {
        previous_ = text;
        return;
    }
    // The inserted part lies between what the text shares with the one before at its start and its end.
    qsizetype head = 0;
    while (head < previous_.size() && head < text.size() && previous_[head] == text[head]) ++head;
    if (head > 0 && text[head - 1].isHighSurrogate()) --head;
    qsizetype tail = 0;
    while (tail < previous_.size() - head && tail < text.size() - head &&
           previous_[previous_.size() - 1 - tail] == text[text.size() - 1 - tail])
        ++tail;
    if (tail > 0 && text[text.size() - tail].isLowSurrogate()) --tail;
    const QString before = text.left(head), after = text.right(tail);
    const qsizetype room = limit_ - characterCount(before) - characterCount(after);
    QString kept;
    qsizetype cursor = 0;
    if (room < 0) {
        kept = leftCharacters(text.trimmed(), limit_);
        cursor = kept.size();
    } else {
        const QString inserted = leftCharacters(text.mid(head, text.size() - head - tail).trimmed(), room);
        kept = before + inserted + after;
        cursor = before.size() + inserted.size();
    }
    previous_ = kept;
    setText(kept);
    setCursorPosition(static_cast<int>(cursor));
}

void SlotNameEdit::focusInEvent(QFocusEvent* event)
{
    // The base class sets its own selection or cursor first; ours comes after it.
    QLineEdit::focusInEvent(event);
    selectName();
}
