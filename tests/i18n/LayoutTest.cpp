// Every dialog in every language, laid out offscreen: no label, button, check box or list entry shows a text
// wider than the room its widget gives it. QUINTEL_LAYOUT_SHOTS=<folder> also saves a picture of each.
#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOption>
#include <QTranslator>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "AboutDialog.h"
#include "CustomBannerDialog.h"
#include "EngineText.h"
#include "EngineTextTr.h"
#include "GameHistoryDialog.h"
#include "HelpWindow.h"
#include "Language.h"
#include "LoadSaveDialog.h"
#include "MachineOddsDialog.h"
#include "MachineTable.h"
#include "PlaySettingsDialogs.h"
#include "SessionSummary.h"
#include "SpinLog.h"
#include "StatisticsWindow.h"
#include "TempDir.h"
#include "TranslationFixture.h"

namespace {

QString shown(QString text)
{
    // A keyboard accelerator's "&" takes no room; "&&" shows one "&".
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    return text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
}

int widest(const QFontMetrics& fm, const QString& text)
{
    int width = 0;
    for (const QString& line : text.split(QLatin1Char('\n'))) width = std::max(width, fm.horizontalAdvance(line));
    return width;
}

QString describe(const QWidget* w, const QString& text, int needs, int has)
{
    return QStringLiteral("%1 \"%2\": needs %3 px, has %4")
        .arg(w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className()) : w->objectName(), text)
        .arg(needs)
        .arg(has);
}

// Texts that do not fit in their widgets, one line each.
QStringList cutTexts(QWidget* root)
{
    QStringList cut;
    QList<QWidget*> widgets = root->findChildren<QWidget*>();
    widgets.prepend(root);
    for (QWidget* w : widgets) {
        if (!w->isVisibleTo(root)) continue;
        if (auto* label = qobject_cast<QLabel*>(w)) {
            if (label->text().isEmpty() || !label->pixmap().isNull()) continue;
            const QString text = label->buddy() ? shown(label->text()) : label->text();
            const QRect room =
                label->contentsRect().adjusted(label->margin(), label->margin(), -label->margin(), -label->margin());
            if (label->wordWrap()) {
                if (label->heightForWidth(label->width()) > label->height())
                    cut << describe(w, text, label->heightForWidth(label->width()), label->height()) + " (height)";
            } else if (const int needs = widest(label->fontMetrics(), text); needs > room.width()) {
                cut << describe(w, text, needs, room.width());
            }
        } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            if (button->text().isEmpty()) continue;
            QStyleOptionButton option;
            option.initFrom(button);
            option.text = button->text();
            QStyle::SubElement contents = QStyle::SE_PushButtonContents;
            if (qobject_cast<QCheckBox*>(button)) contents = QStyle::SE_CheckBoxContents;
            if (qobject_cast<QRadioButton*>(button)) contents = QStyle::SE_RadioButtonContents;
            const int has = button->style()->subElementRect(contents, &option, button).width();
            const int needs = widest(button->fontMetrics(), shown(button->text()));
            if (needs > has) cut << describe(w, shown(button->text()), needs, has);
        } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
            QStyleOptionComboBox option;
            option.initFrom(combo);
            const int has = combo->style()
                                ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo)
                                .width();
            for (int i = 0; i < combo->count(); ++i)
                if (const int needs = combo->fontMetrics().horizontalAdvance(combo->itemText(i)); needs > has)
                    cut << describe(w, combo->itemText(i), needs, has);
        }
    }
    return cut;
}

struct DialogCase {
    const char* name;
    std::function<std::unique_ptr<QWidget>()> make;
};

QString assetDir() { return qEnvironmentVariable("QUINTEL_ASSET_DIR", QStringLiteral(QUINTEL_SOURCE_ASSET_DIR)); }

std::vector<HistoryRow> historyRows()
{
    std::vector<HistoryRow> rows;
    for (int machine = 0; machine < kMachineCount; ++machine) {
        HistoryRow row;
        row.machine = machine;
        row.machineName = machineDefinition(machine).name;
        row.symbols = {0, 1, 2};
        row.bet = 30;
        // The longest names: the free-spin start on the Treasure Chest, the cherries on the Quintel.
        row.combination = machineText(machineDefinition(machine).combinations[machine == 2 ? 7 : 6].name).toStdString();
        row.win = "1500.00";
        row.poolWon = "2514.75";
        row.freeSpin = machine == 2;
        row.creditsBefore = "1000000.00";
        row.creditsAfter = "1004014.75";
        rows.push_back(row);
    }
    return rows;
}

std::unique_ptr<QWidget> messageBox(const char* title, const std::string& text)
{
    auto box = std::make_unique<QMessageBox>(QMessageBox::Warning, translatedEngineText(title),
                                             translatedEngineText(text), QMessageBox::Ok);
    return box;
}

// A spin log of two games on the Treasure Chest, with wins of every kind.
std::shared_ptr<SpinLog> spinLog(const TempDir& dir)
{
    auto log = std::make_shared<SpinLog>(dir / "spins.sqlite");
    for (std::int64_t id = 1; id <= 60; ++id) {
        LoggedSpin s;
        s.id = id;
        s.gameNumber = id <= 30 ? 1 : 2;
        s.machine = 2;
        s.stakeCents = 3000;
        s.freeSpin = id % 7 == 0;
        s.combination = id % 3 == 0 ? static_cast<int>(id % 8) : -1;
        s.paidCents = s.combination >= 0 ? 12'345'00 : 0;
        s.poolCents = id == 42 ? 2514'75 : 0;
        s.creditsAfterCents = 1'000'000'00 + id * 1000;
        s.time = "2026-12-08T10:00:00Z";
        log->append(s);
    }
    return log;
}

std::vector<DialogCase> dialogs(const TempDir& dir)
{
    std::shared_ptr<SpinLog> log = spinLog(dir);
    LoadSaveDialog::SlotNames names;
    names[0] = "Sunday night";
    names[3] = "Lucky streak";
    PlaySettings settings;
    return {
        {"about", [] { return std::make_unique<AboutDialog>(QStringLiteral("Treasure Chest Slots"), QIcon()); }},
        {"banner", [] { return std::make_unique<CustomBannerDialog>("Welcome to Quintel Slots 95"); }},
        {"history", [] { return std::make_unique<GameHistoryDialog>(historyRows(), [](int) { return QImage(); }); }},
        {"history-empty", [] { return std::make_unique<GameHistoryDialog>(std::vector<HistoryRow>{}, nullptr); }},
        {"manual", [] { return std::make_unique<HelpWindow>(assetDir() + QStringLiteral("/manual.html")); }},
        {"load", [names] { return std::make_unique<LoadSaveDialog>(LoadSaveDialog::Mode::Load, names); }},
        {"save", [names] { return std::make_unique<LoadSaveDialog>(LoadSaveDialog::Mode::Save, names); }},
        {"auto-play", [settings] { return std::make_unique<AutoPlayDialog>(settings); }},
        {"volume", [] { return std::make_unique<VolumeDialog>(100, 100, nullptr); }},
        {"reminders",
         [settings] {
             return std::make_unique<RemindersDialog>(
                 settings, sessionSummary(125 * 60'000, Money::fromCredits(12345), Money::fromCredits(678)));
         }},
        {"odds-quintel", [] { return std::make_unique<MachineOddsDialog>(0, 2, 97.5, assetDir()); }},
        {"odds-lucky7", [] { return std::make_unique<MachineOddsDialog>(1, 2, 97.5, assetDir()); }},
        {"odds-treasure", [] { return std::make_unique<MachineOddsDialog>(2, 2, 97.5, assetDir()); }},
        {"odds-no-pictures",
         [] { return std::make_unique<MachineOddsDialog>(2, 0, 0.0, QStringLiteral("/nonexistent")); }},
        {"message-loss-limit",
         [] {
             return messageBox(EngineTexts::kLossLimitTitle,
                               fillText(EngineTexts::kLossLimitText, {"1234.50", "1000.00"}));
         }},
        {"statistics",
         [log] {
             return std::make_unique<StatisticsWindow>(
                 *log, StatisticsContext{20, 2, 2, {}}, [](int machine, int combo) {
                     return machineText(machineDefinition(machine).combinations[static_cast<std::size_t>(combo)].name)
                         .toStdString();
                 });
         }},
        {"message-invalid-wager",
         [] { return messageBox(EngineTexts::kInvalidWagerTitle, EngineTexts::kInvalidWagerText); }},
    };
}

class DialogLayout : public TranslationFixture {};

TEST_P(DialogLayout, EveryTextFitsItsWidget)
{
    const QString shots = qEnvironmentVariable("QUINTEL_LAYOUT_SHOTS");
    const TempDir dir;
    for (const DialogCase& c : dialogs(dir)) {
        std::unique_ptr<QWidget> dialog = c.make();
        dialog->show();
        QApplication::processEvents();
        const QStringList cut = cutTexts(dialog.get());
        EXPECT_TRUE(cut.isEmpty()) << GetParam() << " " << c.name << ":\n  " << cut.join("\n  ").toStdString();
        if (!shots.isEmpty()) {
            QDir().mkpath(shots);
            dialog->grab().save(QStringLiteral("%1/%2-%3.png").arg(shots, QString::fromLatin1(GetParam()), c.name));
        }
        dialog->hide();
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, DialogLayout, ::testing::Values("en", "de", "fr", "es"));

} // namespace
