// The Qt view of a window model: one widget per element, laid out in twips
// converted with the screen's twips per pixel, following the model's changes
// and sending the user's clicks, edits, focus losses and menu choices back to
// it as model events. It holds no behaviour of its own.
#pragma once

#include "core/finestra.h"

#include <QMainWindow>

#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class QAction;
class QLabel;
class QMenu;
class QRect;
class QScrollArea;
class QSize;

namespace quorvel {

class vista_finestra : public QMainWindow {
    Q_OBJECT

  public:
    struct opcions {
        // Menu names in the order the menus show them; items of a menu array
        // follow their name in index order. Menus not listed come last.
        std::vector<std::string> ordre_menus;
        // The operator closes the window (the window's unload).
        std::function<void()> en_tancar;
        // A label element shown along the window's bottom edge instead of
        // at its own place; empty for none.
        std::string linia_estat;
        // A control array whose boxes show their index while they are empty,
        // leaving their text (what the logic reads) untouched; empty for none.
        std::string caselles_numerades;
        // The room the window may take on the desktop; empty for the
        // primary screen's available area.
        std::function<QRect()> area_disponible;
    };

    vista_finestra(finestra& f, opcions o, QWidget* pare = nullptr);
    ~vista_finestra() override;
    vista_finestra(const vista_finestra&) = delete;
    vista_finestra& operator=(const vista_finestra&) = delete;

    // The widget that shows an element; null for menus, timers and elements
    // that do not exist.
    [[nodiscard]] QWidget* widget(std::string_view nom, std::optional<int> index = {}) const;
    // The menu entry of a menu element (for a menu with items, its title entry).
    [[nodiscard]] QAction* accio(std::string_view nom, std::optional<int> index = {}) const;

    // Where the canvas is seen: the scrolled area of the window.
    [[nodiscard]] QScrollArea* area_desplacament() const { return desplacament_; }

    // Twips to pixels with this view's factors.
    [[nodiscard]] int pixels_x(long twips) const;
    [[nodiscard]] int pixels_y(long twips) const;

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* objecte, QEvent* event) override;

  private:
    // The cell box the mouse button went down on, while it is held there.
    QObject* ratoli_avall_ = nullptr;
    using clau = std::pair<std::string, int>; // lower-case name, index or -1

    static clau clau_de(std::string_view nom, std::optional<int> index);

    void canvi_model(const element& e, propietat p);
    void canvi_finestra(propietat p);

    void crear_widget(const element& e);
    void destruir_widget(std::string_view nom, std::optional<int> index);
    void aplicar(QWidget* w, const element& e, propietat p);
    void aplicar_tot(QWidget* w, const element& e);
    void aplicar_color(QWidget* w, const element& e);
    void aplicar_marc(QWidget* w, const element& e);

    void reconstruir_menus();
    void aplicar_menu(QAction* a, const element& e);
    void afegir_menu(QWidget* contenidor, const element& e,
                     const std::map<std::string, std::vector<const element*>>& fills);

    // Runs a model event raised by the user; a fault inside the program's
    // handlers is reported, not let through the event loop.
    void enviar(const std::function<void()>& accio) const;

    // Re-reads, once control is back in the event loop, the elements created
    // since the last pass (their creator fills them after adding them).
    void programar_refresc();
    void refrescar();
    // Sizes the canvas to the elements it shows.
    void programar_mida();
    void ajustar_mida();
    // Grows the window to show the whole canvas, within the room it may take.
    void creixer();
    [[nodiscard]] QRect disponible() const;
    [[nodiscard]] QSize mida_necessaria() const;

    finestra& f_;
    opcions opcions_;
    double twips_x_ = 15.0;
    double twips_y_ = 15.0;
    QScrollArea* desplacament_ = nullptr;
    QWidget* llenc_ = nullptr;
    QLabel* fons_ = nullptr; // the window's background picture, stretched
    QLabel* barra_estat_ = nullptr;
    std::map<clau, QWidget*> widgets_;
    std::map<QObject*, std::pair<std::string, std::optional<int>>> elements_widget_;
    std::map<clau, QAction*> accions_;
    std::vector<QObject*> menus_creats_;
    std::set<std::pair<std::string, std::optional<int>>> pendents_;
    bool refresc_programat_ = false;
    bool mida_programada_ = false;
    int observador_ = 0;
};

} // namespace quorvel
