#pragma once

#include <vector>

class QImage;

// Encodes a picture as an uncompressed 24-bit Windows bitmap (BITMAPINFOHEADER, bottom-up rows).
class BmpWriter {
public:
    static std::vector<unsigned char> encode24(const QImage& image);
};
