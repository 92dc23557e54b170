// The board the exercise editor draws: the cells at the board's size and
// columns, numbered, each in the colour of the field that names it, with the
// order of a sequence; a click on a cell picks it for the field in hand.
#pragma once

#include <QColor>
#include <QWidget>

#include <vector>

namespace quorvel {

class tauler_editor : public QWidget {
    Q_OBJECT

  public:
    struct marca {
        QColor color;
        // The place in a sequence or path (0: none).
        int ordre = 0;
    };

    explicit tauler_editor(QWidget* pare = nullptr);

    void posar_tauler(int caselles, int columnes);
    // One mark per cell, cell 1 first; cells without a mark are blank.
    void posar_marques(std::vector<marca> marques);
    // A path drawn over the cells (the cells in order), for the rules.
    void posar_cami(std::vector<int> cami);

    [[nodiscard]] int caselles() const { return caselles_; }
    [[nodiscard]] int columnes() const { return columnes_; }
    // The rectangle of cell k (from 1), for tests and pointers.
    [[nodiscard]] QRect rect_casella(int k) const;
    [[nodiscard]] const std::vector<int>& cami() const { return cami_; }

    [[nodiscard]] QSize sizeHint() const override { return {320, 320}; }

  signals:
    void casella_clicada(int casella);

  protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

  private:
    void situar_llocs();

    int caselles_ = 16;
    int columnes_ = 4;
    std::vector<marca> marques_;
    std::vector<int> cami_;
    // The cells' named places, owned by this widget as their parent.
    std::vector<QWidget*> llocs_;
};

} // namespace quorvel
