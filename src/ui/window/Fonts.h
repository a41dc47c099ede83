#pragma once

#include <QFont>

// The face's fonts: Liberation Sans in place of MS Sans Serif, sized as on a 96-dpi screen.
class Fonts {
public:
    static QFont face(double points, bool bold);
};
