#pragma once

#include <QDialog>
#include <QString>

#include <array>
#include <optional>
#include <string>

class QLabel;
class QPushButton;
class SlotNameEdit;

// The ten save slots, used both to load and to save a game. The opener builds it afresh for each
// use with the names stored in the slots, runs exec() and then reads the result:
// - Load mode: selectedLoadSlot() is the slot whose button was clicked, or -1 after Cancel.
// - Save mode: selectedSaveSlot() is the slot to save into and savedName() the name to store.
//   selectedSaveSlot() is -1 after Cancel and also after OK with a name made only of blanks,
//   so the opener saves exactly when it is 0 or more.
class LoadSaveDialog : public QDialog {
    Q_OBJECT
public:
    enum class Mode { Load, Save };

    static constexpr int kSlotCount = 10;
    static constexpr int kNameLimit = 40;

    // Names as stored, one per slot; an empty optional (or a blank name) marks an unused slot.
    using SlotNames = std::array<std::optional<std::string>, kSlotCount>;

    LoadSaveDialog(Mode mode, const SlotNames& names, QWidget* parent = nullptr);

    Mode mode() const { return mode_; }
    int selectedLoadSlot() const { return selectedLoadSlot_; }
    int selectedSaveSlot() const { return selectedSaveSlot_; }
    // The name box without surrounding blanks, UTF-8, at most kNameLimit characters.
    std::string savedName() const;

    // The caption of slot k's button: the stored name, or "Game #" + (k + 1) for an unused slot.
    static QString slotCaption(int slot, const std::optional<std::string>& name);

    void reject() override;

private:
    // The ten slot buttons in two columns, captioned with the names saved in them.
    void addSlotButtons(const SlotNames& names);
    static void showCaption(QPushButton* button, const QString& caption);
    void slotClicked(int slot);
    void okClicked();

    Mode mode_;
    int selectedLoadSlot_ = -1;
    int selectedSaveSlot_ = -1;
    std::array<QString, kSlotCount> captions_;
    std::array<QPushButton*, kSlotCount> slotButtons_{};
    QLabel* nameLabel_ = nullptr;
    SlotNameEdit* nameBox_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
    QPushButton* okButton_ = nullptr;
};
