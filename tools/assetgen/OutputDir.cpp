#include "OutputDir.h"

#include "BmpWriter.h"
#include "PngWriter.h"

#include <QByteArray>
#include <QImage>

#include <fstream>
#include <stdexcept>

OutputDir::OutputDir(std::filesystem::path root)
    : root_(std::move(root))
{
    std::filesystem::create_directories(root_);
}

void OutputDir::writeBytes(const std::string& name, std::string_view bytes)
{
    const auto path = root_ / name;
    std::filesystem::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + path.string());
    written_.push_back(name);
}

void OutputDir::writeBytes(const std::string& name, const std::vector<unsigned char>& bytes)
{
    writeBytes(name, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

void OutputDir::writePng(const std::string& name, const QImage& image)
{
    if (image.isNull()) throw std::runtime_error("cannot encode " + name);
    const QByteArray data = PngWriter::encode(image);
    writeBytes(name, std::string_view(data.constData(), static_cast<size_t>(data.size())));
}

void OutputDir::writeBmp(const std::string& name, const QImage& image) { writeBytes(name, BmpWriter::encode24(image)); }
