// The texts message boxes and the stage's instruction band show, cut to what
// a person reads there. An exercise can hold a text of any length (an open
// quote swallows the rest of its file): laid out whole, it would hold the
// program for seconds and make a box taller than the screen.
#pragma once

#include <QString>

class QMessageBox;

namespace quorvel {

inline constexpr qsizetype maxim_caracters_mostrats = 1000;
inline constexpr qsizetype maxim_linies_mostrades = 20;

// The text up to so many characters and lines, ending in "…" when cut.
QString text_mostrable(const QString& text, qsizetype caracters = maxim_caracters_mostrats,
                       qsizetype linies = maxim_linies_mostrades);

// Puts the text into the box, cut further while the box would not fit the
// available part of its screen.
void posar_text_caixa(QMessageBox& caixa, const QString& text);

} // namespace quorvel
