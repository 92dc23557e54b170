// The console's status line, written from any layer: the logic of every
// layer holds the console's window model, and the line is one of its labels.
#pragma once

#include <string>

namespace quorvel {

class finestra;

// Shows text on the console's status line, replacing what it showed, with
// an optional detail of several lines that the line offers beside it (the
// view shows it with the whole text when pointed at). A window without a
// status line (a test's bare model) ignores it.
void posar_linia_estat(finestra& consola, std::string text, std::string detall = {});
// What the status line shows now; empty without one.
[[nodiscard]] std::string linia_estat(const finestra& consola);
// The detail shown with it; empty without one.
[[nodiscard]] std::string detall_linia_estat(const finestra& consola);

} // namespace quorvel
