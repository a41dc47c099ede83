#include "PngWriter.h"

#include <QImage>
#include <QtEndian>
#include <array>
#include <cstdint>

namespace {

std::uint32_t crc32(const QByteArray& bytes)
{
    static const std::array<std::uint32_t, 256> table = [] {
        std::array<std::uint32_t, 256> t{};
        for (std::uint32_t n = 0; n < 256; ++n) {
            std::uint32_t c = n;
            for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xedb88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    std::uint32_t c = 0xffffffffu;
    for (const char b : bytes) c = table[(c ^ static_cast<std::uint8_t>(b)) & 0xff] ^ (c >> 8);
    return c ^ 0xffffffffu;
}

void appendBigEndian(QByteArray& out, std::uint32_t value)
{
    char bytes[4];
    qToBigEndian(value, bytes);
    out.append(bytes, 4);
}

void appendChunk(QByteArray& out, const char* type, const QByteArray& data)
{
    appendBigEndian(out, static_cast<std::uint32_t>(data.size()));
    const QByteArray typed = QByteArray(type, 4) + data;
    out.append(typed);
    appendBigEndian(out, crc32(typed));
}

} // namespace

QByteArray PngWriter::encode(const QImage& image)
{
    const bool alpha = image.hasAlphaChannel();
    const QImage rows = image.convertToFormat(alpha ? QImage::Format_RGBA8888 : QImage::Format_RGB888);
    const int rowBytes = rows.width() * (alpha ? 4 : 3);

    QByteArray header;
    appendBigEndian(header, static_cast<std::uint32_t>(rows.width()));
    appendBigEndian(header, static_cast<std::uint32_t>(rows.height()));
    header.append(char(8)).append(char(alpha ? 6 : 2)).append(char(0)).append(char(0)).append(char(0));

    QByteArray physical; // pixels per metre, as Qt's own encoder writes it
    appendBigEndian(physical, static_cast<std::uint32_t>(image.dotsPerMeterX()));
    appendBigEndian(physical, static_cast<std::uint32_t>(image.dotsPerMeterY()));
    physical.append(char(1));

    QByteArray raw;
    raw.reserve((rowBytes + 1) * rows.height());
    for (int y = 0; y < rows.height(); ++y) {
        raw.append(char(0)); // filter: none
        raw.append(reinterpret_cast<const char*>(rows.constScanLine(y)), rowBytes);
    }
    // qCompress is a zlib stream behind a four-byte length, which PNG does not want.
    const QByteArray data = qCompress(raw, 9).mid(4);

    QByteArray out("\x89PNG\r\n\x1a\n", 8);
    appendChunk(out, "IHDR", header);
    appendChunk(out, "pHYs", physical);
    appendChunk(out, "IDAT", data);
    appendChunk(out, "IEND", {});
    return out;
}
