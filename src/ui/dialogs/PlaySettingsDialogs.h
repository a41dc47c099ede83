#pragma once

#include <QDialog>

#include <functional>

#include "PlaySettings.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QSlider;
class QSpinBox;

// Auto Play > Auto Play Settings: how many spins a run takes and what ends it early. OK takes the
// choices (settings()), Cancel or Escape changes nothing.
class AutoPlayDialog : public QDialog {
    Q_OBJECT
public:
    explicit AutoPlayDialog(const PlaySettings& current, QWidget* parent = nullptr);
    // The settings it was opened with, the auto play choices replaced by those shown.
    PlaySettings settings() const;

private:
    PlaySettings current_;
    QComboBox* spins_ = nullptr;
    QCheckBox* anyWin_ = nullptr;
    QCheckBox* winOf_ = nullptr;
    QSpinBox* winOfAmount_ = nullptr;
    QCheckBox* below_ = nullptr;
    QSpinBox* belowAmount_ = nullptr;
    QCheckBox* pool_ = nullptr;
    QCheckBox* freeSpins_ = nullptr;
};

// Options > Sound > Volume: effects and music sliders in percent. Each move is applied at once
// through apply(effects, music); Cancel applies the levels it was opened with again.
class VolumeDialog : public QDialog {
    Q_OBJECT
public:
    VolumeDialog(int effects, int music, std::function<void(int effects, int music)> apply, QWidget* parent = nullptr);
    int effects() const;
    int music() const;

    void reject() override;

private:
    void applyNow();

    int openedEffects_;
    int openedMusic_;
    std::function<void(int, int)> apply_;
    QSlider* effects_ = nullptr;
    QSlider* music_ = nullptr;
    QLabel* effectsValue_ = nullptr;
    QLabel* musicValue_ = nullptr;
};

// Options > Reminders: how often the session's time and money are shown, and the session loss limit.
// sessionSummary is shown above the choices (what the session has wagered and won so far).
class RemindersDialog : public QDialog {
    Q_OBJECT
public:
    RemindersDialog(const PlaySettings& current, const QString& sessionSummary, QWidget* parent = nullptr);
    PlaySettings settings() const;

private:
    PlaySettings current_;
    QComboBox* every_ = nullptr;
    QCheckBox* limit_ = nullptr;
    QSpinBox* limitAmount_ = nullptr;
};
