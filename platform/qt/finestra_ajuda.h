// The teachers' guide, shown inside the program from the Markdown files of
// the program folder, offline. It closes with its own button or Esc, so it
// can be closed without a window manager.
#pragma once

#include <QWidget>

class QLabel;
class QTextBrowser;

namespace quorvel {

class finestra_ajuda : public QWidget {
    Q_OBJECT
  public:
    explicit finestra_ajuda(QWidget* pare = nullptr);

    // Shows the guide at fitxer (a local path), under the about text.
    void mostrar(const QString& fitxer, const QString& titol, const QString& quant_a);

    [[nodiscard]] const QTextBrowser& text() const { return *text_; }

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    QLabel* quant_a_;
    QTextBrowser* text_;
};

} // namespace quorvel
