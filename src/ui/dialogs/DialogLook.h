#pragma once

#include <QFont>

class QWidget;

// The shared look of the small dialogs: positions given in twips, the period sans-serif font,
// grey 3D controls and centring on the screen.
namespace dialoglook {

// 15 twips make one pixel.
constexpr int twips(int value) { return value / 15; }

// "Liberation Sans" stands in for the old bitmap sans-serif; sizes are in points.
QFont font(double pointSize, bool bold);

// The window font of every dialog unless a widget names another.
QFont windowFont();

// Gives widget and all its present children the grey raised-button style and palette.
void applyClassic(QWidget* widget);

// Left = (screen width - width) / 2, top = (screen height - height) / 2.
void centreOnScreen(QWidget* widget);

} // namespace dialoglook
