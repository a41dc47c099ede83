#include "SpinCsv.h"

std::string csvField(const std::string& text)
{
    if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

void writeSpinCsv(std::ostream& out, const std::vector<LoggedSpin>& spins)
{
    out << "id,time,game,machine,stop1,stop2,stop3,combination,stake_cents,free_spin,paid_cents,pool_cents,"
           "credits_after_cents\r\n";
    for (const LoggedSpin& s : spins) {
        out << s.id << ',' << csvField(s.time) << ',' << csvField(s.game) << ',' << s.machine << ',' << s.stops[0]
            << ',' << s.stops[1] << ',' << s.stops[2] << ',' << s.combination << ',' << s.stakeCents << ','
            << (s.freeSpin ? 1 : 0) << ',' << s.paidCents << ',' << s.poolCents << ',' << s.creditsAfterCents << "\r\n";
    }
}
