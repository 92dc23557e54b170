// The Qt view of the stage window model: one frameless, full-screen widget
// that paints the background picture, the images and the labels of the model
// itself, on the stage screen (the classroom projector when one is connected).
// It follows the model's changes and repaints only what they touch.
#pragma once

#include "core/finestra.h"
#include "platform/eines.h"
#include "platform/qt/conversions_qt.h"
#include "platform/vista_escenari.h"

#include <QCache>
#include <QImage>
#include <QPixmap>
#include <QRect>
#include <QString>
#include <QWidget>

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>

namespace quorvel {

class vista_escenari : public QWidget {
    Q_OBJECT

  public:
    struct opcions {
        // Twips per pixel of the view (the size part is not used). Empty: the
        // stage screen's, read again each time the stage is shown.
        std::optional<mida_pantalla> mida;
        // Where the stage shows itself. Empty: the whole stage screen.
        std::optional<QRect> geometria;
    };

    // The model must outlive the view.
    explicit vista_escenari(finestra& f, opcions o = {}, QWidget* pare = nullptr);
    ~vista_escenari() override;
    vista_escenari(const vista_escenari&) = delete;
    vista_escenari& operator=(const vista_escenari&) = delete;

    // An element's rectangle in this view's pixels.
    [[nodiscard]] QRect rectangle(const element& e) const;

  protected:
    void paintEvent(QPaintEvent* event) override;
    // While the exercise runs the stage stays: a window manager's close
    // (Alt+F4 on the players' screen) is refused; "aturar" closes it.
    void closeEvent(QCloseEvent* event) override;

  private:
    using clau = std::pair<std::string, int>; // element name, index or -1

    // A decoded picture file: its first frame, and for an animated one the
    // bytes its animation is played from.
    struct imatge_font {
        QImage primer;
        QByteArray animacio;
    };
    struct animacio;

    void canvi_model(const element& e, propietat p);
    void canvi_finestra(propietat p);
    void mostrar();
    void amagar();

    // The area an element covers on screen, empty when it draws nothing.
    [[nodiscard]] QRect zona(const element& e) const;
    // Repaints the area an element covered and the one it covers now.
    void repintar(const element& e);
    void repintar_tot();

    // The picture of a program path, decoded once; null when it is no picture.
    imatge_font original(const std::string& cami);
    // The picture scaled to a size in device pixels, kept for the next paint.
    QPixmap escalada(const std::string& cami, QSize mida);
    void pintar_imatge(QPainter& p, const std::string& cami, const QRect& r);
    void pintar_etiqueta(QPainter& p, const element& e, const QRect& r) const;
    [[nodiscard]] QFont lletra(const element& e) const;

    // Plays the animated pictures on show and drops those no longer shown.
    void programar_animacions();
    void revisar_animacions();
    void frame_nou(const std::string& cami);

    finestra& f_;
    opcions opcions_;
    mida_pantalla mida_;
    int observador_ = 0;
    std::map<clau, QRect> zones_;
    QCache<QString, imatge_font> fonts_;
    QCache<QString, QPixmap> escalades_;
    std::map<std::string, std::unique_ptr<animacio>> animacions_;
    bool animacions_programades_ = false;
};

// The stage view service on Qt: one view per open stage model, on the stage
// screen.
class escenari_qt : public servei_escenari {
  public:
    escenari_qt() = default;
    ~escenari_qt() override;
    escenari_qt(const escenari_qt&) = delete;
    escenari_qt& operator=(const escenari_qt&) = delete;

    mida_pantalla pantalla() override;
    // Opening a model that already has a view replaces that view.
    void obrir(finestra& escenari) override;
    void tancar(finestra& escenari) override;

    // The view of an open model; null when it has none.
    [[nodiscard]] vista_escenari* vista(const finestra& escenari) const;

  private:
    std::map<const finestra*, std::unique_ptr<vista_escenari>> vistes_;
};

} // namespace quorvel
