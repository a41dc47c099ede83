#pragma once

#include <QLineEdit>

// The name box of the load/save dialog. On gaining the focus it selects its text from the start for
// the length of the trimmed text, so typing replaces the shown name. It holds at most a set number of
// characters (code points, so an emoji counts once and is never split): what an edit inserts beyond
// that is trimmed of blanks and then cut.
class SlotNameEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit SlotNameEdit(QWidget* parent = nullptr);

    void selectName();
    void setCharacterLimit(int limit);

    // Characters (code points) in text, and its first count characters.
    static qsizetype characterCount(const QString& text);
    static QString leftCharacters(const QString& text, qsizetype count);

protected:
    void focusInEvent(QFocusEvent* event) override;

private:
    void keepWithinLimit(const QString& text);

    int limit_ = 32767;
    QString previous_;
};
