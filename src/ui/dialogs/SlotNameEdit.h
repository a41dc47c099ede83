#pragma once

#include <QLineEdit>

// The name box of the load/save dialog. On gaining the focus it selects its text from the start for
// the length of the trimmed text, so typing replaces the shown name.
class SlotNameEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit SlotNameEdit(QWidget* parent = nullptr);

    void selectName();

protected:
    void focusInEvent(QFocusEvent* event) override;
};
