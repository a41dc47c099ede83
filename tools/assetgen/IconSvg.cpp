#include "IconSvg.h"

#include "Shade.h"
#include "TextPath.h"

#include <QPainterPath>

#include <charconv>
#include <cmath>
#include <sstream>

namespace {
std::string num(double v)
{
    char buf[32];
    // Not printf: the user's locale could make the decimal point a comma.
    std::string s(buf, std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, 2).ptr);
    while (!s.empty() && s.back() == '0') s.pop_back();
    if (!s.empty() && s.back() == '.') s.pop_back();
    return s == "-0" ? "0" : s;
}
} // namespace

std::string IconSvg::pathData(const QPainterPath& path)
{
    std::ostringstream d;
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        if (e.isMoveTo()) {
            if (i > 0) d << "Z";
            d << "M" << num(e.x) << " " << num(e.y);
        } else if (e.isLineTo()) {
            d << "L" << num(e.x) << " " << num(e.y);
        } else if (e.isCurveTo()) {
            const QPainterPath::Element c2 = path.elementAt(i + 1), end = path.elementAt(i + 2);
            d << "C" << num(e.x) << " " << num(e.y) << " " << num(c2.x) << " " << num(c2.y) << " " << num(end.x) << " "
              << num(end.y);
            i += 2;
        }
    }
    if (path.elementCount() > 0) d << "Z";
    return d.str();
}

std::string IconSvg::svg()
{
    const QPainterPath q = TextPath::fitted(TextPath::serifBold(), QStringLiteral("Q"), QRectF(17, 13.5, 30, 35));
    std::ostringstream s;
    s << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
         "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"64\" height=\"64\" viewBox=\"2 2 60 60\">\n"
         "  <title>Quintel Slots 95</title>\n"
         "  <defs>\n"
         "    <radialGradient id=\"gold\" cx=\"0.35\" cy=\"0.3\" r=\"0.85\">\n"
         "      <stop offset=\"0\" stop-color=\"#fff4aa\"/><stop offset=\"1\" stop-color=\"#b0700a\"/>\n"
         "    </radialGradient>\n"
         "    <radialGradient id=\"red\" cx=\"0.35\" cy=\"0.3\" r=\"0.85\">\n"
         "      <stop offset=\"0\" stop-color=\"#ff5a46\"/><stop offset=\"1\" stop-color=\"#780000\"/>\n"
         "    </radialGradient>\n"
         "    <linearGradient id=\"letter\" x1=\"0\" y1=\"0\" x2=\"1\" y2=\"1\">\n"
         "      <stop offset=\"0\" stop-color=\"#fff6b4\"/><stop offset=\"1\" stop-color=\"#d69614\"/>\n"
         "    </linearGradient>\n"
         "  </defs>\n"
         "  <circle cx=\"32\" cy=\"32\" r=\"28.5\" fill=\"url(#gold)\" stroke=\"#462800\" stroke-width=\"1.8\"/>\n";
    for (int i = 0; i < 20; ++i) {
        const double a = i * M_PI / 10.0;
        const QPointF stud = Shade::polar(QPointF(32, 32), 24.8, 24.8, a);
        s << "  <circle cx=\"" << num(stud.x()) << "\" cy=\"" << num(stud.y()) << "\" r=\"1.7\" fill=\"#965f05\"/>\n";
    }
    s << "  <circle cx=\"32\" cy=\"32\" r=\"21.5\" fill=\"url(#red)\" stroke=\"#461e00\" stroke-width=\"1.6\"/>\n"
         "  <path fill=\"url(#letter)\" stroke=\"#3c1400\" stroke-width=\"1.4\" stroke-linejoin=\"round\" d=\""
      << pathData(q)
      << "\"/>\n"
         "  <ellipse cx=\"30\" cy=\"16\" rx=\"15\" ry=\"8\" fill=\"#ffffff\" fill-opacity=\"0.25\"/>\n"
         "</svg>\n";
    return s.str();
}
