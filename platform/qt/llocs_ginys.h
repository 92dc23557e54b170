// Where the program's named widgets and the stage's cell pictures are on the
// screen, written to a file while QUORVEL_LLOCS names one. Scripts that drive
// the program from outside (the end-to-end tests, a school's own automation)
// find a cell, a box or a button there by its name, as an accessibility tool
// would, instead of guessing pixels that move with fonts and screen sizes.
#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QTimer>

#include <memory>

namespace quorvel {

class llocs_ginys : public QObject {
  public:
    // A writer when QUORVEL_LLOCS names a file; none otherwise.
    static std::unique_ptr<llocs_ginys> si_es_demana();

    explicit llocs_ginys(QString fitxer);

    // One line per visible place, "name x y width height" in screen pixels:
    // widgets by their object name (a console element is "Name(index)"), the
    // stage's cell pictures as "escenari(index)", the menus' entries by their
    // element's name (the bar's titles, an open menu's items, a tool bar's
    // buttons), and each cell a scanning player's highlight frames as
    // "escombrat(player,cell)".
    [[nodiscard]] static QByteArray llocs();

  private:
    void escriure();

    QString fitxer_;
    QTimer temporitzador_;
    QByteArray escrit_;
};

} // namespace quorvel
