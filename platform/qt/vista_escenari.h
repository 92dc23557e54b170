// The Qt view of the stage window model: one frameless, full-screen widget
// that paints the background picture, the images and the labels of the model
// itself, on the stage screen (the classroom projector when one is connected).
// It follows the model's changes and repaints only what they touch.
//
// Over the model, and never in it, the view draws what the players need in a
// classroom: each cell's number, right and wrong for a moment, and the
// instruction in a band at the foot (the model is then drawn, whole and
// scaled, above the band). Esc or the window's close asks to leave the stage;
// F11 switches between the whole screen and a window.
#pragma once

#include "core/finestra.h"
#include "platform/eines.h"
#include "platform/qt/cache_imatges.h"
#include "platform/qt/conversions_qt.h"
#include "platform/vista_escenari.h"

#include <QObject>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QTimer>
#include <QTransform>
#include <QWidget>

#include <chrono>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace quorvel {

struct opcions_vista_escenari {
    // The screen the model was laid out for: its size (zero: the view's own)
    // and twips per pixel. Empty: the stage screen's, read again each time the
    // stage is shown.
    std::optional<mida_pantalla> mida;
    // Where the stage shows itself. Empty: the whole stage screen.
    std::optional<QRect> geometria;
    // How long right and wrong stay on show.
    std::chrono::milliseconds durada_senyal{700};
    // Told when someone at the stage asks to leave it (Esc, Alt+F4, the
    // window's close). It may close the view: the caller must not run it
    // inside the view's own event.
    std::function<void()> en_sortida;
    // On the whole screen (else in a window), and told of each F11.
    bool pantalla_completa = true;
    std::function<void(bool)> en_pantalla_completa{};
};

class vista_escenari : public QWidget {
    Q_OBJECT

  public:
    using opcions = opcions_vista_escenari;

    // The model must outlive the view.
    explicit vista_escenari(finestra& f, opcions o = {}, QWidget* pare = nullptr);
    ~vista_escenari() override;
    vista_escenari(const vista_escenari&) = delete;
    vista_escenari& operator=(const vista_escenari&) = delete;

    // An element's rectangle in the model's pixels (the view's own while the
    // model fills the view: on the whole screen, with no instruction band).
    [[nodiscard]] QRect rectangle(const element& e) const;
    // The cell pictures a click reaches (images 1..n on show), in the view's
    // pixels.
    [[nodiscard]] std::vector<std::pair<int, QRect>> llocs_imatges() const;
    // Where the model's pixels fall in the view.
    [[nodiscard]] const QTransform& transformacio() const { return transformacio_; }

    // Right, wrong or final feedback over everything, for a moment.
    void senyal(senyal_escenari s);
    [[nodiscard]] std::optional<senyal_escenari> senyal_actual() const { return senyal_; }
    // The instruction band; an empty text removes it.
    void posar_consigna(const std::string& text);
    // Images 1..n are cells: each shows its number while it keeps the
    // rectangle it has now.
    void numerar_caselles(int n);

    [[nodiscard]] bool pantalla_completa() const { return pantalla_completa_; }
    void alternar_pantalla_completa();

    // Hides the view and stops following the model, which may then go.
    void deslligar();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // With no window manager the keyboard goes where the program sends it.
    void mousePressEvent(QMouseEvent* event) override;
    // While the exercise runs the window itself stays: a close asks to leave
    // the stage, and stopping the exercise closes it.
    void closeEvent(QCloseEvent* event) override;

  private:
    using clau = std::pair<std::string, int>; // element name, index or -1

    void canvi_model(const element& e, propietat p);
    void canvi_finestra(propietat p);
    void mostrar();
    void amagar();
    void demanar_sortida();
    // The size of a window on the stage screen that shows the whole model.
    [[nodiscard]] QRect geometria_finestra() const;

    // The model's surface in its own pixels, and where it goes in the view.
    [[nodiscard]] QSize superficie() const;
    [[nodiscard]] int alcada_banda() const;
    void recalcular_transformacio();
    // Repaints an area given in the model's pixels.
    void actualitzar(const QRect& zona_model);

    // The area an element covers on screen, empty when it draws nothing.
    [[nodiscard]] QRect zona(const element& e) const;
    // Repaints the area an element covered and the one it covers now.
    void repintar(const element& e);
    void repintar_tot();

    void pintar_imatge(QPainter& p, const std::string& cami, const QRect& r);
    void pintar_etiqueta(QPainter& p, const element& e, const QRect& r) const;
    [[nodiscard]] QFont lletra(const element& e) const;
    void pintar_numeros(QPainter& p, const QRect& pintar) const;
    void pintar_consigna(QPainter& p) const;
    void pintar_senyal(QPainter& p) const;

    // Plays the animated pictures on show and drops those no longer shown.
    void programar_animacions();
    void revisar_animacions();
    void frame_nou(const std::string& cami);

    finestra& f_;
    opcions opcions_;
    mida_pantalla mida_;
    int observador_ = 0;
    bool lligada_ = true;
    std::map<clau, QRect> zones_;
    cache_imatges imatges_;
    std::map<std::string, std::unique_ptr<animacio_imatge>> animacions_;
    bool animacions_programades_ = false;

    QTransform transformacio_;
    bool pantalla_completa_ = true;
    std::optional<senyal_escenari> senyal_;
    QTimer temporitzador_senyal_;
    QString consigna_;
    // Cell number -> the rectangle its number is shown on.
    std::map<int, QRect> caselles_;
};

// The stage view service on Qt: one view per open stage model, on the stage
// screen. Leaving the stage stops the exercise through the handler and brings
// the console to the front.
class escenari_qt : public servei_escenari {
  public:
    // The options every view is made with (their handler is the service's).
    explicit escenari_qt(vista_escenari::opcions o = {});
    ~escenari_qt() override;
    escenari_qt(const escenari_qt&) = delete;
    escenari_qt& operator=(const escenari_qt&) = delete;

    mida_pantalla pantalla() override;
    // Opening a model that already has a view replaces that view.
    void obrir(finestra& escenari) override;
    void tancar(finestra& escenari) override;
    void senyal(finestra& escenari, senyal_escenari s) override;
    void posar_consigna(finestra& escenari, const std::string& text) override;
    void numerar_caselles(finestra& escenari, int n) override;
    void en_sortida(std::function<void()> gestor) override;

    // The operator's window, activated when the players' stage is left.
    void posar_consola(QWidget* consola);

    // The view of an open model; null when it has none.
    [[nodiscard]] vista_escenari* vista(const finestra& escenari) const;
    // A view on show, if any: boxes open above it.
    [[nodiscard]] vista_escenari* vista_visible() const;

  private:
    void sortir();
    void descartar(std::unique_ptr<vista_escenari> vista);

    vista_escenari::opcions opcions_;
    // F11's choice holds for the stages of the rest of the session.
    bool pantalla_completa_;
    std::function<void()> sortida_;
    QPointer<QWidget> consola_;
    // Leaving runs from the event loop on this object, never inside an
    // event of the view that it closes.
    QObject context_;
    std::map<const finestra*, std::unique_ptr<vista_escenari>> vistes_;
    std::vector<QPointer<vista_escenari>> descartades_;
};

} // namespace quorvel
