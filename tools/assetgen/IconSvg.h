#pragma once

#include <string>

class QPainterPath;

// The scalable program icon: the Q medallion as hand-built SVG, its letter taken from the
// same font outline the bitmaps use.
class IconSvg {
public:
    static std::string svg();
    static std::string pathData(const QPainterPath& path);
};
