#include "BannerAnimation.h"

#include "BannerStrip.h"
#include "Face.h"
#include "SoundControl.h"

namespace {
constexpr int kFirstStepMs = 1500; // until the text is rendered
constexpr int kStepMs = 80;
constexpr int kFlashStepMs = 46;
constexpr int kFlashSteps = 60;
constexpr int kFlashSoundEvery = 12;
} // namespace

BannerAnimation::BannerAnimation(Face& face, BannerStrip& banner, SoundControl& sound, std::function<void(int)> setLamp,
                                 std::function<void(const QRect&)> shown)
    : face_(face)
    , banner_(banner)
    , sound_(sound)
    , setLamp_(std::move(setLamp))
    , shown_(std::move(shown))
{
    bannerTimer_.setInterval(kFirstStepMs);
    QObject::connect(&bannerTimer_, &QTimer::timeout, [this] { tick(); });
    flashTimer_.setInterval(kFlashStepMs);
    QObject::connect(&flashTimer_, &QTimer::timeout, [this] { flashStep(); });
}

void BannerAnimation::begin(bool bannerOn)
{
    if (bannerOn)
        bannerTimer_.start();
    else
        bannerTimer_.setInterval(kStepMs);
}

void BannerAnimation::setOn(bool on)
{
    if (on) {
        bannerTimer_.start();
    } else {
        bannerTimer_.stop();
        shown_(face_.eraseBanner());
    }
}

void BannerAnimation::tick()
{
    if (flashPending_) {
        // The banner text follows when the flash has ended.
        flashPending_ = false;
        flashStep_ = 0;
        flashTimer_.start();
    }
    if (flashTimer_.isActive()) return;
    if (!banner_.rendered()) {
        banner_.render(face_.bannerPatch(), face_.pixelRatio());
        bannerTimer_.setInterval(kStepMs);
    }
    banner_.advance();
    shown_(face_.drawBanner(banner_));
}

void BannerAnimation::flashStep()
{
    // The top-award lamp pattern: the sound every 12 steps, two lit phases.
    if (flashStep_ % kFlashSoundEvery == 0) sound_.play(SoundCue::TopAward);
    ++flashStep_;
    setLamp_(flashStep_ % 2 == 0 ? 1 : 2);
    if (flashStep_ >= kFlashSteps) {
        flashTimer_.stop();
        setLamp_(0);
        if (bannerTimer_.isActive()) tick();
    }
}

void BannerAnimation::pause()
{
    bannerTimer_.stop();
    if (flashTimer_.isActive()) {
        flashTimer_.stop();
        setLamp_(0);
    }
}

void BannerAnimation::resume(bool bannerOn)
{
    if (bannerOn) bannerTimer_.start();
}

void BannerAnimation::stop()
{
    bannerTimer_.stop();
    flashTimer_.stop();
}
