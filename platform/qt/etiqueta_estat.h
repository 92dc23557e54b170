// The console's status line: one line whatever its text. A long text is cut
// with "…" to the width there is, and the whole of it, with the detail under
// it, is the line's tooltip. Its size hints leave the window's width to the
// board and the controls.
#pragma once

#include <QLabel>
#include <QSize>
#include <QString>

class QResizeEvent;

namespace quorvel {

class etiqueta_estat : public QLabel {
  public:
    void posar(const QString& text, const QString& detall);
    [[nodiscard]] QSize minimumSizeHint() const override;
    [[nodiscard]] QSize sizeHint() const override;

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    // A tooltip no screen can hold helps no one.
    static constexpr int mida_consell = 4000;

    void refrescar();

    QString complet_;
};

} // namespace quorvel
