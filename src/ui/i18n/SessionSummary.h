#pragma once

#include <QString>
#include <cstdint>

#include "Money.h"

// "This session has run for 1 hour 5 minutes. You have wagered $120.00 and won $95.00: a net loss of
// $25.00.", in the player's language (money keeps the face's decimal point).
QString sessionSummary(std::uint32_t elapsedMs, Money wagered, Money won);
