#include "ReminderPrompt.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

#include "TickSource.h"

ReminderPrompt::ReminderPrompt(TickSource& clock, QWidget& parent, std::function<std::string()> summary)
    : clock_(clock)
    , parent_(parent)
    , summary_(std::move(summary))
    , reminder_(clock.now())
{
    timer_.setInterval(1000);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
        if (tick) tick();
    });
}

void ReminderPrompt::setMinutes(int minutes)
{
    if (minutes != reminder_.minutes()) reminder_.setMinutes(minutes, clock_.now());
    if (minutes > 0)
        timer_.start();
    else
        timer_.stop();
}

std::uint32_t ReminderPrompt::elapsedMs() const { return reminder_.elapsedMs(clock_.now()); }

bool ReminderPrompt::offer()
{
    if (showing_ || !reminder_.due(clock_.now())) return false;
    if (!prompt && QApplication::activeModalWidget() != nullptr) return false;
    showing_ = true;
    reminder_.shown(clock_.now());
    const std::string text = summary_();
    const bool quit = prompt ? prompt(text) : ask(text);
    showing_ = false;
    return quit;
}

bool ReminderPrompt::ask(const std::string& text)
{
    QMessageBox box(QMessageBox::Information, tr("Reminder"), QString::fromStdString(text), QMessageBox::NoButton,
                    &parent_);
    box.setObjectName(QStringLiteral("ReminderBox"));
    QPushButton* keep = box.addButton(tr("Keep Playing"), QMessageBox::AcceptRole);
    QPushButton* quit = box.addButton(tr("Quit"), QMessageBox::DestructiveRole);
    box.setDefaultButton(keep);
    box.setEscapeButton(keep);
    box.exec();
    return box.clickedButton() == quit;
}
