#pragma once

#include <string>

// Small text files shipped with the assets: credits and the desktop entry and AppStream data.
class TextFiles {
public:
    static std::string credits();
    static std::string desktopEntry();
    static std::string metainfo();
};
