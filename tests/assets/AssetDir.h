#pragma once

#include <QImage>
#include <QString>

#include <string>
#include <vector>

// Where the committed assets are (QUINTEL_ASSET_DIR, set by the test harness) and small readers.
class AssetDir {
public:
    static std::string path(const std::string& name);
    static bool exists(const std::string& name);
    static std::vector<unsigned char> bytes(const std::string& name);
    static QImage image(const std::string& name);
};
