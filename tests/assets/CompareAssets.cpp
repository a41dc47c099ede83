// quintel-compare-assets MADE COMMITTED: is the freshly generated asset tree the committed one?
// Pictures (PNG, BMP) are compared decoded with a small tolerance for antialiasing noise;
// every other file byte for byte. Prints what differs and where; exit status 1 on any difference.
#include "PictureCompare.h"

#include <QImage>
#include <QString>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

std::set<std::string> filesUnder(const fs::path& root)
{
    std::set<std::string> names;
    for (const auto& e : fs::recursive_directory_iterator(root))
        if (e.is_regular_file()) names.insert(fs::relative(e.path(), root).generic_string());
    return names;
}

bool isPicture(const std::string& name)
{
    std::string ext = fs::path(name).extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return ext == ".png" || ext == ".bmp";
}

std::vector<char> bytes(const fs::path& p)
{
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::cerr << "usage: " << argv[0] << " MADE-DIR COMMITTED-DIR\n";
        return 2;
    }
    const fs::path made = argv[1], committed = argv[2];
    if (!fs::is_directory(made) || !fs::is_directory(committed)) {
        std::cerr << "not a directory: " << (fs::is_directory(made) ? committed : made) << "\n";
        return 2;
    }
    const auto madeNames = filesUnder(made), committedNames = filesUnder(committed);
    std::vector<std::string> bad;
    int tolerated = 0;
    for (const std::string& f : madeNames) {
        if (!committedNames.count(f)) {
            bad.push_back("not committed: " + f);
            continue;
        }
        const auto a = bytes(made / f), b = bytes(committed / f);
        if (a == b) continue;
        if (!isPicture(f)) {
            bad.push_back("differs: " + f);
            continue;
        }
        const PictureDiff d = comparePictures(QImage(QString::fromStdString((made / f).string())),
                                              QImage(QString::fromStdString((committed / f).string())));
        if (d.acceptable()) {
            ++tolerated;
            std::cout << "within tolerance: " << f << ": " << d.describe() << "\n";
        } else {
            bad.push_back("differs: " + f + ": " + d.describe());
        }
    }
    for (const std::string& f : committedNames)
        if (!madeNames.count(f)) bad.push_back("no longer generated: " + f);
    if (!bad.empty()) {
        std::cout << "assets/ is not what the generator makes:\n";
        for (const std::string& line : bad) std::cout << "  " << line << "\n";
        return 1;
    }
    std::cout << madeNames.size() << " files regenerated (" << tolerated
              << " pictures within the antialiasing tolerance, the rest identical)\n";
    return 0;
}
