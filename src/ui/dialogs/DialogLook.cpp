#include "DialogLook.h"

#include <QGuiApplication>
#include <QPalette>
#include <QScreen>
#include <QStyle>
#include <QStyleFactory>
#include <QWidget>

namespace dialoglook {

QFont font(double pointSize, bool bold)
{
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPointSizeF(pointSize);
    f.setBold(bold);
    f.setStyleHint(QFont::SansSerif);
    return f;
}

QFont windowFont() { return font(8.25, true); }

namespace {

QPalette classicPalette()
{
    const QColor face(192, 192, 192);
    QPalette p;
    p.setColor(QPalette::Window, face);
    p.setColor(QPalette::Button, face);
    p.setColor(QPalette::Light, Qt::white);
    p.setColor(QPalette::Midlight, QColor(223, 223, 223));
    p.setColor(QPalette::Mid, QColor(160, 160, 160));
    p.setColor(QPalette::Dark, QColor(128, 128, 128));
    p.setColor(QPalette::Shadow, Qt::black);
    p.setColor(QPalette::WindowText, Qt::black);
    p.setColor(QPalette::ButtonText, Qt::black);
    p.setColor(QPalette::Text, Qt::black);
    p.setColor(QPalette::Base, Qt::white);
    p.setColor(QPalette::AlternateBase, QColor(240, 240, 240));
    p.setColor(QPalette::Highlight, QColor(0, 0, 128));
    p.setColor(QPalette::HighlightedText, Qt::white);
    p.setColor(QPalette::Disabled, QPalette::WindowText, QColor(128, 128, 128));
    p.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(128, 128, 128));
    p.setColor(QPalette::Disabled, QPalette::Text, QColor(128, 128, 128));
    return p;
}

} // namespace

void applyClassic(QWidget* widget)
{
    // The style belongs to the dialog, so it goes away with it.
    QStyle* style = QStyleFactory::create(QStringLiteral("Windows"));
    if (style == nullptr) return;
    style->setParent(widget);
    widget->setStyle(style);
    for (QWidget* child : widget->findChildren<QWidget*>()) child->setStyle(style);
    // Widgets with their own colours (the teal About text) keep them: only the dialog's palette changes,
    // and children inherit only the roles they have not set themselves.
    widget->setPalette(classicPalette());
}

void centreOnScreen(QWidget* widget)
{
    const QScreen* screen = widget->screen();
    if (screen == nullptr) screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) return;
    const QRect area = screen->geometry();
    widget->move(area.left() + (area.width() - widget->width()) / 2,
                 area.top() + (area.height() - widget->height()) / 2);
}

} // namespace dialoglook
