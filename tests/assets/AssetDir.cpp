#include "AssetDir.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

std::string AssetDir::path(const std::string& name)
{
    const char* dir = std::getenv("QUINTEL_ASSET_DIR");
    return std::string(dir ? dir : "assets") + "/" + name;
}

bool AssetDir::exists(const std::string& name) { return std::filesystem::is_regular_file(path(name)); }

std::vector<unsigned char> AssetDir::bytes(const std::string& name)
{
    std::ifstream in(path(name), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

QImage AssetDir::image(const std::string& name)
{
    QImage img(QString::fromStdString(path(name)));
    return img.isNull() ? img : img.convertToFormat(QImage::Format_ARGB32);
}
