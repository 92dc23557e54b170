// Feeds the keyboard pad from key presses in any window of the program: an
// event filter installed on the application. The keyboard belongs to the
// console unless the keyboard pad is open (`teclat` set) and `llegint_pads`
// says the pads are being read (an exercise or a set-up runs): only then do
// the pad's keys stop at the filter, so that a switch that types Space does
// not also press the console's focused button. Even then, a box, a dialog, an
// open menu or a text field with the focus gets the keys it is typed: a key
// that answers a box is never a press. Esc and F11 are never pad keys.
#pragma once

#include <QObject>

#include <functional>
#include <optional>

class QWidget;

namespace quorvel {

class joystick_amb_teclat;

// The pad input a key drives (numbered as a pad's inputs), if any.
std::optional<int> entrada_de_tecla(int tecla_qt);

// A text box with this property set is a cell of the board: it takes no
// typing while the pads are read, so the pad's keys pass through it.
inline constexpr char propietat_casella_pad[] = "quorvel_casella_pad";

// Whether the keys typed now belong to what has the focus (a modal box or
// dialog, an open menu, the menu bar reached with Alt, a text field that is
// no cell).
bool teclat_ocupat(const QWidget* focus);

class filtre_teclat : public QObject {
  public:
    filtre_teclat(joystick_amb_teclat& pad, std::function<bool()> llegint_pads);

  protected:
    bool eventFilter(QObject* objecte, QEvent* event) override;

  private:
    joystick_amb_teclat& pad_;
    std::function<bool()> llegint_pads_;
};

} // namespace quorvel
