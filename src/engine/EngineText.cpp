#include "EngineText.h"

#include <vector>

std::string fillText(const char* source, std::initializer_list<std::string> args)
{
    const std::vector<std::string> values(args);
    std::string text;
    for (const char* p = source; *p != '\0'; ++p) {
        const int n = p[0] == '%' ? p[1] - '1' : -1;
        if (n >= 0 && n < static_cast<int>(values.size()) && n < 9) {
            text += values[static_cast<std::size_t>(n)];
            ++p;
        } else {
            text += *p;
        }
    }
    return text;
}
