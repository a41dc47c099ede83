// Every dialog can be used without a mouse and read by a screen reader: Tab reaches each control, and
// every field and table has an accessible name (its own or its label's).
#include <QAbstractItemView>
#include <QAbstractScrollArea>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSet>
#include <QTest>

#include <gtest/gtest.h>

#include "AboutDialog.h"
#include "CustomBannerDialog.h"
#include "GameHistoryDialog.h"
#include "HelpWindow.h"
#include "LoadSaveDialog.h"
#include "PlaySettingsDialogs.h"

namespace {

void showActive(QWidget& widget)
{
    widget.show();
    QApplication::setActiveWindow(&widget);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&widget));
}

// Presses Tab until the focus comes round again and checks that every control was visited.
void expectTabReachesEverything(QWidget& window)
{
    showActive(window);
    QWidget* first = QApplication::focusWidget();
    ASSERT_NE(first, nullptr) << "nothing has the focus";
    QSet<QWidget*> visited{first};
    for (int i = 0; i < 50; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        if (QApplication::focusWidget() == first) break;
        visited.insert(QApplication::focusWidget());
    }
    for (QWidget* w : window.findChildren<QWidget*>()) {
        // Scroll bars and viewports belong to their area; the area itself takes the focus.
        if (qobject_cast<QAbstractScrollArea*>(w->parentWidget())) continue;
        if (!w->isVisible() || !w->isEnabled() || !(w->focusPolicy() & Qt::TabFocus)) continue;
        EXPECT_TRUE(visited.contains(w)) << window.objectName().toStdString() << ": Tab never reaches "
                                         << w->metaObject()->className() << " " << w->objectName().toStdString();
    }
}

void expectFieldsNamed(QWidget& window)
{
    for (QWidget* w : window.findChildren<QWidget*>()) {
        // A spin box's own line edit is part of the spin box, which is the field.
        if (qobject_cast<QAbstractSpinBox*>(w->parentWidget())) continue;
        const bool field = qobject_cast<QLineEdit*>(w) || qobject_cast<QPlainTextEdit*>(w) ||
                           qobject_cast<QAbstractSpinBox*>(w) || qobject_cast<QComboBox*>(w) ||
                           qobject_cast<QAbstractSlider*>(w) || qobject_cast<QAbstractItemView*>(w) ||
                           qobject_cast<QAbstractScrollArea*>(w);
        if (!field || !w->isVisible() || qobject_cast<QAbstractScrollArea*>(w->parentWidget())) continue;
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(w);
        ASSERT_NE(iface, nullptr);
        EXPECT_FALSE(iface->text(QAccessible::Name).isEmpty())
            << window.objectName().toStdString() << ": " << w->metaObject()->className() << " "
            << w->objectName().toStdString() << " has no accessible name";
    }
}

} // namespace

TEST(KeyboardAccess, LoadAndSaveReachEverySlotAndNameTheNameBox)
{
    LoadSaveDialog::SlotNames names{};
    LoadSaveDialog load(LoadSaveDialog::Mode::Load, names);
    expectTabReachesEverything(load);

    LoadSaveDialog save(LoadSaveDialog::Mode::Save, names);
    showActive(save);
    QTest::keyClick(save.findChild<QPushButton*>(QStringLiteral("Command1_3")), Qt::Key_Space);
    ASSERT_TRUE(save.findChild<QLineEdit*>(QStringLiteral("Text1"))->isVisible());
    expectTabReachesEverything(save);
    expectFieldsNamed(save);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(save.findChild<QLineEdit*>(QStringLiteral("Text1")))
                  ->text(QAccessible::Name),
              QStringLiteral("Name of Game:"));
}

TEST(KeyboardAccess, BannerAboutHistoryAndManualAreReachableAndNamed)
{
    CustomBannerDialog banner("Hello");
    expectTabReachesEverything(banner);
    expectFieldsNamed(banner);

    AboutDialog about(QStringLiteral("Quintel Slots"), QIcon());
    expectTabReachesEverything(about);
    expectFieldsNamed(about);

    HistoryRow row;
    row.machineName = "Quintel Slots";
    row.symbolNames = "Cherry, Cherry, Bell";
    row.win = "0.00";
    GameHistoryDialog history({row}, nullptr);
    expectTabReachesEverything(history);
    expectFieldsNamed(history);

    HelpWindow help(QStringLiteral("/nonexistent/manual.html"));
    expectTabReachesEverything(help);
    expectFieldsNamed(help);
}

TEST(KeyboardAccess, PlaySettingsDialogsAreReachableAndNamed)
{
    AutoPlayDialog autoPlay(PlaySettings{});
    expectTabReachesEverything(autoPlay);
    expectFieldsNamed(autoPlay);

    VolumeDialog volume(80, 60, [](int, int) {});
    expectTabReachesEverything(volume);
    expectFieldsNamed(volume);

    RemindersDialog reminders(PlaySettings{}, QStringLiteral("12 spins"));
    expectTabReachesEverything(reminders);
    expectFieldsNamed(reminders);
}
