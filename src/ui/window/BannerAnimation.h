#pragma once

#include <QRect>
#include <QTimer>
#include <functional>

class BannerStrip;
class Face;
class SoundControl;

// The banner's moving text and the start-up flash of the top-award lamp that comes before it. The banner
// moves on one timer (slowly until its text is rendered, then a step every 80 ms); the first banner tick
// starts the lamp flash on a timer of its own, so that the window stays responsive meanwhile.
class BannerAnimation {
public:
    // setLamp lights the lamp picture (0 off, 1 and 2 the lit phases); shown repaints a changed area.
    BannerAnimation(Face& face, BannerStrip& banner, SoundControl& sound, std::function<void(int)> setLamp,
                    std::function<void(const QRect&)> shown);

    // At start: the banner runs when it is on; otherwise it waits with the fast step.
    void begin(bool bannerOn);
    // The Banner menu: on starts it, off stops it and erases the strip.
    void setOn(bool on);
    // While the reels turn: the banner waits and a running lamp flash ends.
    void pause();
    void resume(bool bannerOn);
    void stop();

    // The banner timer's handler and one step of the lamp flash.
    void tick();
    void flashStep();
    bool running() const { return bannerTimer_.isActive(); }
    bool flashing() const { return flashTimer_.isActive(); }

private:
    Face& face_;
    BannerStrip& banner_;
    SoundControl& sound_;
    std::function<void(int)> setLamp_;
    std::function<void(const QRect&)> shown_;
    QTimer bannerTimer_;
    QTimer flashTimer_;
    bool flashPending_ = true;
    int flashStep_ = 0;
};
