// What every Qt view converts the same way: program text (Windows-1252) to
// and from QString, model colours to QColor, twips to pixels, and the screens
// the console and the stage show on.
#pragma once

#include "core/finestra.h"
#include "platform/eines.h"

#include <QColor>
#include <QString>

#include <string>
#include <string_view>

class QScreen;

namespace quorvel {

// Program text (Windows-1252) as a QString, and back.
QString qtext(std::string_view text_programa);
std::string text_programa(const QString& text);

QColor qcolor(const color& c);

// The factor itself when it is a usable twips per pixel, 15 otherwise.
double factor_valid(double twips_per_pixel);

// Twips to pixels, rounded half away from zero; a bad factor counts as 15 and
// the result stays within a million pixels either way.
int a_pixels(double twips, double twips_per_pixel);

// The screen the stage shows on: with several screens, the first one that is
// not the primary screen (the console stays on the primary one); with one,
// the primary screen. Null only when there is no screen at all.
QScreen* pantalla_escenari_qt();

// A screen's size in twips and its twips per pixel (1440 divided by its logical
// dots per inch); a 1280 x 960 screen at 15 twips per pixel when there is none.
mida_pantalla mida_de_pantalla(const QScreen* pantalla);

// The primary screen's size and factors (the console's).
mida_pantalla pantalla_qt();

// The stage screen's size and factors: the model is laid out with these so
// that it fills the screen the view shows it on.
mida_pantalla pantalla_escenari();

} // namespace quorvel
