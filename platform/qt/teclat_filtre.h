// Feeds the keyboard pad from key presses in any window of the program: an
// event filter installed on the application. Esc and F11 belong to the stage
// and are never pad keys. While `reservat` says the pads are being read (an
// exercise or a set-up runs), the pad's keys stop at the filter: a switch
// that types Space must not also press the console's focused button, nor
// type into a box. Otherwise they reach the focused widget as usual.
#pragma once

#include <QObject>

#include <functional>
#include <optional>

namespace quorvel {

class joystick_amb_teclat;

// The pad input a key drives (numbered as a pad's inputs), if any.
std::optional<int> entrada_de_tecla(int tecla_qt);

class filtre_teclat : public QObject {
  public:
    filtre_teclat(joystick_amb_teclat& pad, std::function<bool()> reservat);

  protected:
    bool eventFilter(QObject* objecte, QEvent* event) override;

  private:
    joystick_amb_teclat& pad_;
    std::function<bool()> reservat_;
};

} // namespace quorvel
