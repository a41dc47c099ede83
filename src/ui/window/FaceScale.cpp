#include "FaceScale.h"

#include <QCoreApplication>
#include <QLayout>
#include <QMainWindow>
#include <QMenuBar>
#include <QScreen>
#include <algorithm>
#include <cmath>

#include "BannerStrip.h"
#include "Face.h"
#include "FaceWidget.h"
#include "Graphics.h"
#include "SlotMachine.h"
#include "Settings.h"

FaceScale::FaceScale(QMainWindow& window, FaceWidget& widget, Face& face, Graphics& graphics, BannerStrip& banner,
                     std::function<void()> repaint)
    : window_(window)
    , widget_(widget)
    , face_(face)
    , graphics_(graphics)
    , banner_(banner)
    , repaint_(std::move(repaint))
{}

int FaceScale::entryOf(int percent)
{
    const auto& sizes = Settings::kWindowSizes;
    const auto it = std::find(sizes.begin(), sizes.end(), percent);
    return it == sizes.end() ? -1 : static_cast<int>(it - sizes.begin());
}

int FaceScale::entryCount() { return static_cast<int>(Settings::kWindowSizes.size()); }
int FaceScale::sizeAt(int entry) { return Settings::kWindowSizes[static_cast<std::size_t>(entry)]; }

void FaceScale::setZoom(int percent)
{
    if (entryOf(percent) < 0 || percent == widget_.zoom()) return;
    const QRect before = window_.frameGeometry();
    widget_.setZoom(percent);
    adoptPixelRatio();
    window_.layout()->activate(); // the window takes its new fixed size now
    if (!window_.isVisible()) return;
    // The same centre: half the change goes to each side.
    const QSize after = window_.frameGeometry().size();
    window_.move(before.left() + (before.width() - after.width()) / 2,
                 before.top() + (before.height() - after.height()) / 2);
    keepOnScreen();
}

QSize FaceScale::windowSizeAt(int percent) const
{
    const QSize frame = window_.frameGeometry().size() - window_.geometry().size();
    return QSize(Face::kWidth * percent / 100, Face::kHeight * percent / 100 + window_.menuBar()->sizeHint().height()) +
           frame;
}

QString FaceScale::refusal(int percent) const
{
    const QScreen* s = window_.screen();
    if (!s || percent <= Settings::kWindowSizes.front()) return {};
    const QSize room = s->availableGeometry().size();
    const QSize needed = windowSizeAt(percent);
    if (needed.width() <= room.width() && needed.height() <= room.height()) return {};
    return QCoreApplication::translate("FaceScale", "Too large for this screen: the window would be %1 × %2 pixels, "
                                                    "the screen has room for %3 × %4.")
        .arg(needed.width())
        .arg(needed.height())
        .arg(room.width())
        .arg(room.height());
}

int FaceScale::fitted(int percent) const
{
    for (int entry = entryOf(percent); entry > 0; --entry) {
        if (refusal(sizeAt(entry)).isEmpty()) return sizeAt(entry);
    }
    return Settings::kWindowSizes.front();
}

void FaceScale::keepOnScreen()
{
    const QScreen* s = window_.screen();
    if (!s || !window_.isVisible()) return;
    const QRect area = s->availableGeometry();
    const QRect frame = window_.frameGeometry();
    const int x = std::max(area.left(), std::min(frame.left(), area.right() + 1 - frame.width()));
    const int y = std::max(area.top(), std::min(frame.top(), area.bottom() + 1 - frame.height()));
    if (x != frame.left() || y != frame.top()) window_.move(window_.pos() + QPoint(x - frame.left(), y - frame.top()));
}

int FaceScale::zoom() const { return widget_.zoom(); }

int FaceScale::largestFitting() const
{
    const QScreen* s = window_.screen();
    if (!s) return Settings::kWindowSizes.front();
    return Settings::largestFittingSize(Face::kHeight, window_.menuBar()->sizeHint().height(),
                                        0.8 * s->availableGeometry().height());
}

void FaceScale::adoptPixelRatio()
{
    // The picture set of that scale or the next larger one (the largest set beyond 3).
    const qreal ratio = Face::surfaceRatio(widget_.faceRatio());
    if (std::abs(ratio - face_.pixelRatio()) < 0.001) return;
    face_.setPixelRatio(ratio);
    const int pictures = Graphics::scaleFor(ratio);
    if (pictures != graphics_.scale()) {
        graphics_.setScale(pictures);
        if (machine_) graphics_.loadMachinePictures(machine_->machineInfo());
    }
    if (banner_.rendered()) banner_.invalidate();
    repaint_();
}
