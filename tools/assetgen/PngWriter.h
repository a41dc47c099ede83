#pragma once

#include <QByteArray>

class QImage;

// Encodes a picture as an 8-bit RGB (or RGBA, when it has an alpha channel) PNG whose rows are stored
// unfiltered. Filters make the files barely smaller here (flat colours compress well either way), but undoing
// them is most of the decoding work the game does for its window at start.
class PngWriter {
public:
    static QByteArray encode(const QImage& image);
};
