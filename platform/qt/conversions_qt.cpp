#include "platform/qt/conversions_qt.h"

#include "core/text.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <cmath>

namespace quorvel {

namespace {

// Coordinates beyond this many pixels lie far outside any screen.
constexpr double pixels_maxims = 1.0e6;

} // namespace

QString qtext(std::string_view text_programa) {
    return QString::fromStdString(a_utf8(text_programa));
}

std::string text_programa(const QString& text) {
    return de_utf8(text.toStdString());
}

QColor qcolor(const color& c) {
    return QColor(c.r, c.g, c.b);
}

double factor_valid(double twips_per_pixel) {
    return std::isfinite(twips_per_pixel) && twips_per_pixel > 0 ? twips_per_pixel : 15.0;
}

int a_pixels(double twips, double twips_per_pixel) {
    return static_cast<int>(std::clamp(std::round(twips / factor_valid(twips_per_pixel)),
                                       -pixels_maxims, pixels_maxims));
}

QScreen* pantalla_escenari_qt() {
    QScreen* principal = QGuiApplication::primaryScreen();
    for (QScreen* s : QGuiApplication::screens()) {
        if (s != principal) {
            return s;
        }
    }
    return principal;
}

mida_pantalla mida_de_pantalla(const QScreen* pantalla) {
    mida_pantalla m;
    QSize pixels(1280, 960);
    if (pantalla != nullptr) {
        const double dpi_x = pantalla->logicalDotsPerInchX();
        const double dpi_y = pantalla->logicalDotsPerInchY();
        if (dpi_x > 0) {
            m.twips_per_pixel_x = 1440.0 / dpi_x;
        }
        if (dpi_y > 0) {
            m.twips_per_pixel_y = 1440.0 / dpi_y;
        }
        pixels = pantalla->geometry().size();
    }
    m.amplada_twips = std::lround(pixels.width() * m.twips_per_pixel_x);
    m.alcada_twips = std::lround(pixels.height() * m.twips_per_pixel_y);
    return m;
}

mida_pantalla pantalla_qt() {
    return mida_de_pantalla(QGuiApplication::primaryScreen());
}

mida_pantalla pantalla_escenari() {
    return mida_de_pantalla(pantalla_escenari_qt());
}

} // namespace quorvel
