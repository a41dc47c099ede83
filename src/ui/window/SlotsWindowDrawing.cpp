// The window as the machine's view (GameView): each drawing step changes the face and shows the
// change at once; the steps a screen reader should hear about announce what now reads differently.
#include "Face.h"
#include "FaceAccessible.h"
#include "FaceWidget.h"
#include "GameMenus.h"
#include "SlotsWindow.h"

void SlotsWindow::showChanged(const QRect& changed) { faceWidget_->updateFace(changed); }

void SlotsWindow::drawReel(int reel, int x, int y, int offset) { showChanged(face_->drawReel(reel, x, y, offset)); }
void SlotsWindow::drawPayLine() { showChanged(face_->drawPayLine()); }
void SlotsWindow::drawLever(int picture, int x, int y, int rows) { showChanged(face_->drawLever(picture, x, y, rows)); }
void SlotsWindow::drawMainCounters()
{
    showChanged(face_->drawMainCounters());
    readout_->announceChanges();
}
// Once per credit of a payout: not announced, the count-up would flood a screen reader.
void SlotsWindow::drawCreditsCounter() { showChanged(face_->drawCreditsCounter()); }
void SlotsWindow::drawSpinsCounter()
{
    showChanged(face_->drawSpinsCounter());
    readout_->announceChanges();
}
void SlotsWindow::drawPayoffTable(int firstRow, int lastRow, int wager)
{
    showChanged(face_->drawPayoffTable(firstRow, lastRow, wager));
}
void SlotsWindow::drawPayoffRow(int row, int amount) { showChanged(face_->drawPayoffRow(row, amount)); }
void SlotsWindow::drawStatistics()
{
    showChanged(face_->drawStatistics());
    readout_->announceChanges();
}

void SlotsWindow::setLamp(int picture)
{
    // Reduced flashing keeps the lamp on one lit picture for as long as it would alternate.
    if (picture == 2 && reduceFlashing()) picture = 1;
    showChanged(face_->drawLamp(picture));
}
void SlotsWindow::showFreeSpinLabel(bool shown) { showChanged(face_->drawFreeSpinLabel(shown)); }
// The reels are drawn from the machine's strips as they are at each frame.
void SlotsWindow::reelsChanged() {}

void SlotsWindow::setMenusEnabled(bool enabled) { menus_->setPlayEnabled(enabled); }

void SlotsWindow::refresh()
{
    if (repaintsHeld_) return;
    face_->invalidate(options().bannerOn ? &banner_ : nullptr);
    // A window not yet shown paints its face when it is first shown, so that it goes on screen sooner;
    // a shown one paints it now, with the state of this moment.
    if (isVisible()) face_->ensurePainted();
    faceWidget_->update();
    readout_->announceChanges();
}
