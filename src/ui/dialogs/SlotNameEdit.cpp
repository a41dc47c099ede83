#include "SlotNameEdit.h"

SlotNameEdit::SlotNameEdit(QWidget* parent) : QLineEdit(parent) {}

void SlotNameEdit::selectName() { setSelection(0, text().trimmed().size()); }

void SlotNameEdit::focusInEvent(QFocusEvent* event) {
    // The base class sets its own selection or cursor first; ours comes after it.
    QLineEdit::focusInEvent(event);
    selectName();
}
