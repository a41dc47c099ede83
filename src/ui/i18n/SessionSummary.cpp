#include "SessionSummary.h"

#include <QCoreApplication>

namespace {

struct SessionSummary {
    Q_DECLARE_TR_FUNCTIONS(SessionSummary)
};

QString money(Money m) { return QString::fromStdString(m.toString()); }

} // namespace

QString sessionSummary(std::uint32_t elapsedMs, Money wagered, Money won)
{
    const std::uint32_t totalMinutes = elapsedMs / 60'000u;
    const std::uint32_t hours = totalMinutes / 60, minutes = totalMinutes % 60;
    const QString h = (hours == 1 ? SessionSummary::tr("%1 hour") : SessionSummary::tr("%1 hours")).arg(hours);
    const QString m = (minutes == 1 ? SessionSummary::tr("%1 minute") : SessionSummary::tr("%1 minutes")).arg(minutes);
    const QString ran = hours == 0 ? m : minutes == 0 ? h : SessionSummary::tr("%1 %2", "hours and minutes").arg(h, m);
    if (won < wagered)
        return SessionSummary::tr("This session has run for %1. You have wagered $%2 and won $%3: a net loss of $%4.")
            .arg(ran, money(wagered), money(won), money(wagered - won));
    if (won > wagered)
        return SessionSummary::tr("This session has run for %1. You have wagered $%2 and won $%3: a net gain of $%4.")
            .arg(ran, money(wagered), money(won), money(won - wagered));
    return SessionSummary::tr("This session has run for %1. You have wagered $%2 and won $%3: you are even.")
        .arg(ran, money(wagered), money(won));
}
