#pragma once

#include <QImage>

class SymbolSet;

// A rough mock-up of the main window made from the generated pictures, laid out at the
// game's coordinates, so the contact sheet shows how the pieces read together.
class WindowPreview {
public:
    static QImage render(const SymbolSet& machine, const QImage& cabinet, const QImage& symbols, const QImage& legend,
                         const QImage& smallDigits, const QImage& largeDigits, const QImage& lamp, const QImage& handle,
                         const QImage& logo);
};
