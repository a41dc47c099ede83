#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

class QImage;

// The directory the generator writes into; every file goes through here so that
// nothing but the bytes we produce (no timestamps, no metadata) ends up on disk.
class OutputDir {
public:
    explicit OutputDir(std::filesystem::path root);

    const std::filesystem::path& root() const { return root_; }

    void writeBytes(const std::string& name, std::string_view bytes);
    void writeBytes(const std::string& name, const std::vector<unsigned char>& bytes);
    void writeText(const std::string& name, const std::string& text) { writeBytes(name, text); }
    void writePng(const std::string& name, const QImage& image);
    void writeBmp(const std::string& name, const QImage& image);

    const std::vector<std::string>& written() const { return written_; }

private:
    std::filesystem::path root_;
    std::vector<std::string> written_;
};
