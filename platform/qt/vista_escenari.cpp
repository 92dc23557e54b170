#include "platform/qt/vista_escenari.h"

#include "core/noms_elements.h"
#include "core/text.h"
#include "platform/local/fitxers_disc.h"
#include "platform/qt/conversions_qt.h"
#include "platform/qt/text_caixa.h"

#include <QBuffer>
#include <QCloseEvent>
#include <QFontMetrics>
#include <QImageReader>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QMovie>
#include <QPaintEvent>
#include <QPainter>
#include <QPainterPath>
#include <QResizeEvent>
#include <QScreen>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <set>
#include <vector>

namespace quorvel {

namespace {

// Files above this size are not taken for pictures: no stage picture comes
// near it, and reading one would stall the stage.
constexpr std::uintmax_t mida_maxima_fitxer = 64ULL * 1024 * 1024;
// Longest side, in pixels, a picture is decoded at.
constexpr int costat_maxim = 4096;
// Decoded and scaled pictures kept, in KiB.
constexpr int cost_maxim_fonts = 192 * 1024;
constexpr int cost_maxim_escalades = 128 * 1024;
// Cache keys keep every byte of the program's path.
QString clau_cami(const std::string& cami) {
    return QString::fromLatin1(cami.data(), static_cast<qsizetype>(cami.size()));
}

int cost_kib(qsizetype bytes) {
    return static_cast<int>(std::min<qsizetype>(bytes / 1024 + 1, 1 << 30));
}

QByteArray llegir_fitxer(const std::string& cami) {
    const std::string local = fitxers_disc::cami_local(cami);
    if (local.empty()) {
        return {};
    }
    std::error_code ec;
    const std::uintmax_t mida = std::filesystem::file_size(local, ec);
    if (ec || mida == 0 || mida > mida_maxima_fitxer) {
        return {};
    }
    std::ifstream fitxer(local, std::ios::binary);
    QByteArray dades(static_cast<qsizetype>(mida), Qt::Uninitialized);
    if (!fitxer.read(dades.data(), static_cast<std::streamsize>(mida))) {
        return {};
    }
    return dades;
}

QColor color_senyal(senyal_escenari s) {
    switch (s) {
    case senyal_escenari::be:
        return {0, 190, 0};
    case senyal_escenari::mal:
        return {220, 30, 30};
    default:
        return {255, 190, 0};
    }
}

bool es_pesada(const QString& familia) {
    return familia.contains(QLatin1String("black"), Qt::CaseInsensitive) ||
           familia.contains(QLatin1String("heavy"), Qt::CaseInsensitive);
}

} // namespace

// An animated picture being played: the movie reads the file's bytes.
struct vista_escenari::animacio {
    explicit animacio(QByteArray d) : dades(std::move(d)), buffer(&dades), moviment(&buffer) {
        buffer.open(QIODevice::ReadOnly);
    }
    QByteArray dades;
    QBuffer buffer;
    QMovie moviment;
};

vista_escenari::vista_escenari(finestra& f, opcions o, QWidget* pare)
    : QWidget(pare, Qt::Window | Qt::FramelessWindowHint), f_(f), opcions_(std::move(o)),
      mida_(opcions_.mida ? *opcions_.mida : pantalla_escenari()),
      pantalla_completa_(opcions_.pantalla_completa) {
    if (!pantalla_completa_) {
        setWindowFlags(Qt::Window);
    }
    // Every pixel is painted here, the background included.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    setWindowTitle(qtext((f_.caption())));
    temporitzador_senyal_.setSingleShot(true);
    connect(&temporitzador_senyal_, &QTimer::timeout, this, [this] {
        senyal_.reset();
        update();
    });
    fonts_.setMaxCost(cost_maxim_fonts);
    escalades_.setMaxCost(cost_maxim_escalades);
    if (opcions_.geometria) {
        resize(opcions_.geometria->size());
    }
    recalcular_transformacio();
    observador_ = f_.observar([this](const element& e, propietat p) { canvi_model(e, p); });
    if (f_.visible()) {
        mostrar();
    }
}

vista_escenari::~vista_escenari() {
    deslligar();
}

void vista_escenari::deslligar() {
    if (!lligada_) {
        return;
    }
    amagar();
    f_.deixar_observar(observador_);
    lligada_ = false;
}

QRect vista_escenari::rectangle(const element& e) const {
    const double fx = factor_valid(mida_.twips_per_pixel_x);
    const double fy = factor_valid(mida_.twips_per_pixel_y);
    const double left = static_cast<double>(e.left);
    const double top = static_cast<double>(e.top);
    // Edges are rounded, not sizes, so that touching images stay touching.
    const int x0 = a_pixels(left, fx);
    const int y0 = a_pixels(top, fy);
    const int x1 = a_pixels(left + static_cast<double>(e.width), fx);
    const int y1 = a_pixels(top + static_cast<double>(e.height), fy);
    return {x0, y0, x1 - x0, y1 - y0};
}

QRect vista_escenari::zona(const element& e) const {
    if (!e.visible) {
        return {};
    }
    const QRect r = rectangle(e);
    switch (e.tipus) {
    case tipus_element::imatge:
    case tipus_element::etiqueta:
        return r.isValid() ? r : QRect();
    case tipus_element::linia:
        return QRect(r.topLeft(), r.topLeft() + QPoint(r.width(), r.height()))
            .normalized()
            .adjusted(-1, -1, 1, 1);
    default:
        return {};
    }
}

void vista_escenari::canvi_model(const element& e, propietat p) {
    if (e.nom.empty()) {
        canvi_finestra(p);
        return;
    }
    const clau k{e.nom, e.index.value_or(-1)};
    if (const auto it = zones_.find(k); it != zones_.end()) {
        actualitzar(it->second);
        zones_.erase(it);
    }
    if (p != propietat::destruit) {
        const QRect nova = zona(e);
        if (!nova.isEmpty()) {
            actualitzar(nova);
            zones_[k] = nova;
        }
    }
    if (e.tipus == tipus_element::imatge &&
        (p == propietat::imatge || p == propietat::visible || p == propietat::destruit)) {
        programar_animacions();
    }
}

// Window-level changes arrive as an element without a name.
void vista_escenari::canvi_finestra(propietat p) {
    switch (p) {
    case propietat::caption:
        setWindowTitle(qtext((f_.caption())));
        break;
    case propietat::imatge:
        update();
        programar_animacions();
        break;
    case propietat::visible:
        if (f_.visible()) {
            mostrar();
        } else {
            amagar();
        }
        break;
    default:
        break;
    }
}

void vista_escenari::mostrar() {
    // A window manager frames the stage only while it is a window.
    if (windowFlags().testFlag(Qt::FramelessWindowHint) != pantalla_completa_) {
        setWindowFlags(pantalla_completa_ ? Qt::Window | Qt::FramelessWindowHint : Qt::Window);
    }
    if (!pantalla_completa_) {
        setGeometry(geometria_finestra());
        showNormal();
    } else if (opcions_.geometria) {
        setGeometry(*opcions_.geometria);
        show();
    } else {
        QScreen* pantalla = pantalla_escenari_qt();
        if (!opcions_.mida) {
            mida_ = mida_de_pantalla(pantalla);
        }
        if (pantalla != nullptr) {
            setScreen(pantalla);
            setGeometry(pantalla->geometry());
        }
        showFullScreen();
    }
    // Esc and F11 reach the stage only when it has the keyboard, and with no
    // window manager nothing gives it the keyboard but the program.
    raise();
    activateWindow();
    setFocus(Qt::ActiveWindowFocusReason);
    recalcular_transformacio();
    repintar_tot();
    programar_animacions();
}

QRect vista_escenari::geometria_finestra() const {
    QRect base(0, 0, 1280, 960);
    if (opcions_.geometria) {
        base = *opcions_.geometria;
    } else if (const QScreen* pantalla = pantalla_escenari_qt()) {
        base = pantalla->availableGeometry();
    }
    QRect r(QPoint(0, 0), superficie().scaled(base.size() * 2 / 3, Qt::KeepAspectRatio));
    r.moveCenter(base.center());
    return r;
}

void vista_escenari::alternar_pantalla_completa() {
    pantalla_completa_ = !pantalla_completa_;
    if (opcions_.en_pantalla_completa) {
        opcions_.en_pantalla_completa(pantalla_completa_);
    }
    if (f_.visible()) {
        mostrar();
    }
}

void vista_escenari::demanar_sortida() {
    if (opcions_.en_sortida) {
        opcions_.en_sortida();
    }
}

QSize vista_escenari::superficie() const {
    const int w =
        a_pixels(static_cast<double>(mida_.amplada_twips), factor_valid(mida_.twips_per_pixel_x));
    const int h =
        a_pixels(static_cast<double>(mida_.alcada_twips), factor_valid(mida_.twips_per_pixel_y));
    return w > 0 && h > 0 ? QSize(w, h) : size();
}

int vista_escenari::alcada_banda() const {
    return consigna_.isEmpty() ? 0 : std::max(24, height() / 12);
}

// The model keeps the proportions it was laid out with: in a window, or above
// the instruction band, it is scaled down whole and centred.
void vista_escenari::recalcular_transformacio() {
    const QSize base = superficie();
    const QSize area(width(), std::max(1, height() - alcada_banda()));
    if (base == area || base.isEmpty()) {
        transformacio_.reset();
        return;
    }
    const double escala = std::min(static_cast<double>(area.width()) / base.width(),
                                   static_cast<double>(area.height()) / base.height());
    transformacio_ = QTransform(escala, 0, 0, escala, (area.width() - base.width() * escala) / 2,
                                (area.height() - base.height() * escala) / 2);
}

void vista_escenari::actualitzar(const QRect& zona_model) {
    if (transformacio_.isIdentity()) {
        update(zona_model);
    } else {
        update(transformacio_.mapRect(zona_model).adjusted(-1, -1, 1, 1));
    }
}

void vista_escenari::senyal(senyal_escenari s) {
    senyal_ = s;
    temporitzador_senyal_.start(opcions_.durada_senyal);
    update();
}

void vista_escenari::posar_consigna(const std::string& text) {
    // The band shows one line: a text of any length is cut before it is laid out.
    const QString nova = text_mostrable(qtext(text)).simplified();
    if (nova == consigna_) {
        return;
    }
    consigna_ = nova;
    recalcular_transformacio();
    repintar_tot();
}

void vista_escenari::numerar_caselles(int n) {
    caselles_.clear();
    for (int j = 1; j <= n; ++j) {
        if (f_.existeix(elements::imatge, j)) {
            caselles_[j] = rectangle(f_.obtenir(elements::imatge, j));
        }
    }
    update();
}

void vista_escenari::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    recalcular_transformacio();
    zones_.clear();
}

void vista_escenari::keyPressEvent(QKeyEvent* event) {
    const bool alt_f4 = event->key() == Qt::Key_F4 && event->modifiers() == Qt::AltModifier;
    if (event->key() == Qt::Key_Escape || alt_f4) {
        demanar_sortida();
    } else if (event->key() == Qt::Key_F11) {
        alternar_pantalla_completa();
    } else {
        QWidget::keyPressEvent(event);
    }
}

// A click on an image is the model's click on it (for a cell, a press of
// the cell): the topmost image under the pointer.
void vista_escenari::mousePressEvent(QMouseEvent* event) {
    activateWindow();
    setFocus(Qt::MouseFocusReason);
    if (!lligada_ || event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    const QPoint punt = transformacio_.inverted().map(event->position()).toPoint();
    std::optional<int> tocada;
    for (const element* e : f_.tots()) {
        if (e->tipus == tipus_element::imatge && e->index.value_or(0) > 0 && e->visible &&
            rectangle(*e).contains(punt)) {
            tocada = e->index;
        }
    }
    if (tocada) {
        // The handler may stop the exercise: the model is gone when it
        // returns, and this view is detached from it.
        f_.clic(elements::imatge, tocada);
    }
}

// A closed stage lets go of its pictures: the next exercise may bring others,
// or new versions of the same files.
void vista_escenari::amagar() {
    hide();
    temporitzador_senyal_.stop();
    senyal_.reset();
    animacions_.clear();
    fonts_.clear();
    escalades_.clear();
    zones_.clear();
}

void vista_escenari::repintar_tot() {
    zones_.clear();
    update();
}

vista_escenari::imatge_font vista_escenari::original(const std::string& cami) {
    const QString clau_cache = clau_cami(cami);
    if (const imatge_font* desada = fonts_.object(clau_cache)) {
        return *desada;
    }
    imatge_font nova;
    // The content decides the format: pictures made on Windows often carry
    // the wrong extension.
    QByteArray dades = llegir_fitxer(cami);
    if (!dades.isEmpty()) {
        QBuffer buffer(&dades);
        buffer.open(QIODevice::ReadOnly);
        QImageReader lector(&buffer);
        lector.setAutoTransform(true);
        // A photo far larger than any screen is decoded at a size a screen
        // can show.
        const QSize natural = lector.size();
        if (natural.width() > costat_maxim || natural.height() > costat_maxim) {
            lector.setScaledSize(natural.scaled(costat_maxim, costat_maxim, Qt::KeepAspectRatio));
        }
        nova.primer = lector.read();
        if (!nova.primer.isNull() && lector.supportsAnimation()) {
            QBuffer altre(&dades);
            altre.open(QIODevice::ReadOnly);
            if (QImageReader(&altre).imageCount() > 1) {
                nova.animacio = dades;
            }
        }
    }
    // A file that is no picture is remembered too, so it is not read again
    // at every repaint.
    const int cost = cost_kib(nova.primer.sizeInBytes() + nova.animacio.size());
    fonts_.insert(clau_cache, new imatge_font(nova), cost);
    return nova;
}

QPixmap vista_escenari::escalada(const std::string& cami, QSize mida) {
    const QString clau_cache = clau_cami(cami) + QLatin1Char('\n') + QString::number(mida.width()) +
                               QLatin1Char('x') + QString::number(mida.height());
    if (const QPixmap* desada = escalades_.object(clau_cache)) {
        return *desada;
    }
    const imatge_font font_cami = original(cami);
    if (font_cami.primer.isNull()) {
        return {};
    }
    QPixmap feta = QPixmap::fromImage(
        font_cami.primer.scaled(mida, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    if (!feta.isNull()) {
        const qsizetype bytes = static_cast<qsizetype>(feta.width()) * feta.height() * 4;
        escalades_.insert(clau_cache, new QPixmap(feta), cost_kib(bytes));
    }
    return feta;
}

// Pictures are stretched to the whole rectangle, as the model's images are.
void vista_escenari::pintar_imatge(QPainter& p, const std::string& cami, const QRect& r) {
    if (cami.empty() || r.isEmpty()) {
        return;
    }
    if (const auto it = animacions_.find(cami); it != animacions_.end()) {
        const QImage frame = it->second->moviment.currentImage();
        if (!frame.isNull()) {
            p.drawImage(r, frame);
            return;
        }
    }
    const qreal escala = devicePixelRatioF() * transformacio_.m11();
    const QSize fisica(static_cast<int>(std::ceil(r.width() * escala)),
                       static_cast<int>(std::ceil(r.height() * escala)));
    // A rectangle much larger than the screen is drawn straight from the
    // picture: scaling it whole would need memory for parts never seen.
    const qint64 limit = std::max<qint64>(qint64{4} * width() * height(), qint64{1} << 22);
    if (qint64{fisica.width()} * fisica.height() > limit) {
        const imatge_font font_cami = original(cami);
        if (!font_cami.primer.isNull()) {
            p.drawImage(r, font_cami.primer);
        }
        return;
    }
    const QPixmap pixmap = escalada(cami, fisica);
    if (!pixmap.isNull()) {
        p.drawPixmap(r, pixmap);
    }
}

QFont vista_escenari::lletra(const element& e) const {
    QFont l = font();
    const QString familia = qtext(e.lletra);
    const bool pesada = es_pesada(familia);
    if (!familia.isEmpty()) {
        // Machines without the named face get a heavy sans-serif one.
        QStringList families{familia};
        if (pesada) {
            families << QStringLiteral("Arial Black");
        }
        families << QStringLiteral("DejaVu Sans") << QStringLiteral("Liberation Sans")
                 << QStringLiteral("Arial");
        l.setFamilies(families);
        l.setStyleHint(QFont::SansSerif);
    }
    if (pesada) {
        l.setWeight(QFont::Black);
    } else {
        l.setWeight(e.negreta ? QFont::Bold : QFont::Normal);
    }
    if (e.mida_lletra > 0) {
        // A point is 20 twips: the text keeps its size against the layout.
        const double pixels = e.mida_lletra * 20.0 / factor_valid(mida_.twips_per_pixel_y);
        l.setPixelSize(static_cast<int>(std::clamp(std::round(pixels), 1.0, 4000.0)));
    }
    return l;
}

// A label paints its box in its back colour (the system's window colour when
// it has none) and its caption in black, wrapped at word ends.
void vista_escenari::pintar_etiqueta(QPainter& p, const element& e, const QRect& r) const {
    const QColor fons = e.color_fons ? qcolor(*e.color_fons) : palette().color(QPalette::Window);
    p.fillRect(r, fons);
    if (e.caption.empty()) {
        return;
    }
    p.setFont(lletra(e));
    p.setPen(Qt::black);
    p.drawText(r, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, qtext(e.caption));
}

void vista_escenari::closeEvent(QCloseEvent* event) {
    if (lligada_ && f_.visible()) {
        event->ignore();
        demanar_sortida();
        return;
    }
    QWidget::closeEvent(event);
}

// A number in a dark disc at the cell's top left corner: readable on any
// picture, and clear of the middle where a picture has its own content.
void vista_escenari::pintar_numeros(QPainter& p, const QRect& pintar) const {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    for (const auto& [j, r] : caselles_) {
        if (!f_.existeix(elements::imatge, j) || !r.intersects(pintar)) {
            continue;
        }
        const element& e = f_.obtenir(elements::imatge, j);
        if (!e.visible || rectangle(e) != r) {
            continue;
        }
        const double d = std::clamp(std::min(r.width(), r.height()) * 0.36, 16.0, 200.0);
        const double marge = d * 0.12;
        const QRectF disc(r.left() + marge, r.top() + marge, d, d);
        p.setPen(QPen(Qt::white, std::max(1.0, d / 18)));
        p.setBrush(QColor(0, 0, 0, 200));
        p.drawEllipse(disc);
        QFont l = font();
        l.setBold(true);
        l.setPixelSize(std::max(8, static_cast<int>(d * (j >= 100 ? 0.38 : 0.5))));
        p.setFont(l);
        p.drawText(disc, Qt::AlignCenter, QString::number(j));
    }
    p.restore();
}

void vista_escenari::pintar_consigna(QPainter& p) const {
    const int banda = alcada_banda();
    if (banda == 0) {
        return;
    }
    const QRect r(0, height() - banda, width(), banda);
    p.fillRect(r, QColor(24, 24, 24));
    QFont l = font();
    l.setBold(true);
    l.setPixelSize(std::max(10, banda / 2));
    p.setFont(l);
    p.setPen(Qt::white);
    const int marge = banda / 2;
    const QString text =
        QFontMetrics(l).elidedText(consigna_, Qt::ElideRight, std::max(0, width() - 2 * marge));
    p.drawText(r.adjusted(marge, 0, -marge, 0), Qt::AlignCenter, text);
}

// A frame round the whole view in the feedback's colour, and a mark in the
// middle: a tick for right, a cross for wrong, a larger tick for the end.
void vista_escenari::pintar_senyal(QPainter& p) const {
    if (!senyal_) {
        return;
    }
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QColor c = color_senyal(*senyal_);
    const QRectF r = rect();
    const double costat = std::min(r.width(), r.height());
    const double gruix = std::max(6.0, costat * 0.03);
    QPen marc(c, gruix);
    marc.setJoinStyle(Qt::MiterJoin);
    p.setPen(marc);
    p.setBrush(Qt::NoBrush);
    p.drawRect(r.adjusted(gruix / 2, gruix / 2, -gruix / 2, -gruix / 2));

    const double mida = costat * (*senyal_ == senyal_escenari::final ? 0.6 : 0.3);
    const QRectF disc(r.center().x() - mida / 2, r.center().y() - mida / 2, mida, mida);
    p.setPen(QPen(Qt::white, std::max(2.0, mida * 0.04)));
    p.setBrush(c);
    p.drawEllipse(disc);
    const auto punt = [&](double x, double y) {
        return QPointF(disc.left() + x * mida, disc.top() + y * mida);
    };
    QPen traca(Qt::white, mida * 0.12, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(traca);
    QPainterPath signe;
    if (*senyal_ == senyal_escenari::mal) {
        signe.moveTo(punt(0.32, 0.32));
        signe.lineTo(punt(0.68, 0.68));
        signe.moveTo(punt(0.68, 0.32));
        signe.lineTo(punt(0.32, 0.68));
    } else {
        signe.moveTo(punt(0.28, 0.52));
        signe.lineTo(punt(0.44, 0.68));
        signe.lineTo(punt(0.74, 0.36));
    }
    p.setBrush(Qt::NoBrush);
    p.drawPath(signe);
    p.restore();
}

void vista_escenari::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    // The area to paint and the model's surface, both in the model's pixels.
    QRect pintar = event->rect();
    QRect superficie_model = rect();
    if (!transformacio_.isIdentity()) {
        // Beside the scaled model, and under the band, the view is dark.
        p.fillRect(event->rect(), Qt::black);
        p.setTransform(transformacio_);
        pintar = transformacio_.inverted().mapRect(pintar).adjusted(-1, -1, 1, 1);
        superficie_model = QRect(QPoint(0, 0), superficie());
        p.setClipRect(superficie_model);
    }

    bool amb_fons = false;
    if (const std::string& fons = f_.imatge_fons(); !fons.empty()) {
        if (const auto it = animacions_.find(fons); it != animacions_.end()) {
            const QImage frame = it->second->moviment.currentImage();
            if (!frame.isNull()) {
                p.drawImage(superficie_model, frame);
                amb_fons = true;
            }
        }
        if (!amb_fons) {
            const qreal escala = devicePixelRatioF() * transformacio_.m11();
            const QPixmap pixmap = escalada(
                fons, QSize(static_cast<int>(std::ceil(superficie_model.width() * escala)),
                            static_cast<int>(std::ceil(superficie_model.height() * escala))));
            if (!pixmap.isNull()) {
                p.drawPixmap(superficie_model, pixmap);
                amb_fons = true;
            }
        }
    }
    if (!amb_fons) {
        p.fillRect(pintar & superficie_model, palette().color(QPalette::Window));
    }

    // Images lie under lines, lines under labels (the score stays readable).
    const std::vector<const element*> tots = f_.tots();
    zones_.clear();
    for (const tipus_element capa :
         {tipus_element::imatge, tipus_element::linia, tipus_element::etiqueta}) {
        for (const element* e : tots) {
            if (e->tipus != capa) {
                continue;
            }
            const QRect z = zona(*e);
            if (z.isEmpty()) {
                continue;
            }
            zones_[{e->nom, e->index.value_or(-1)}] = z;
            if (!z.intersects(pintar)) {
                continue;
            }
            const QRect r = rectangle(*e);
            switch (capa) {
            case tipus_element::imatge:
                pintar_imatge(p, e->imatge, r);
                break;
            case tipus_element::linia: {
                const QColor c = e->color_fons ? qcolor(*e->color_fons) : QColor(Qt::black);
                p.setPen(c);
                p.drawLine(r.topLeft(), r.topLeft() + QPoint(r.width(), r.height()));
                break;
            }
            default:
                pintar_etiqueta(p, *e, r);
                break;
            }
        }
        if (capa == tipus_element::imatge) {
            pintar_numeros(p, pintar);
        }
    }

    p.setClipping(false);
    p.resetTransform();
    pintar_consigna(p);
    pintar_senyal(p);
}

void vista_escenari::programar_animacions() {
    if (animacions_programades_) {
        return;
    }
    animacions_programades_ = true;
    QTimer::singleShot(0, this, [this] { revisar_animacions(); });
}

void vista_escenari::revisar_animacions() {
    animacions_programades_ = false;
    if (!lligada_) {
        animacions_.clear();
        return;
    }
    std::set<std::string> en_us;
    const auto considerar = [&](const std::string& cami) {
        if (!cami.empty() && !original(cami).animacio.isEmpty()) {
            en_us.insert(cami);
        }
    };
    if (f_.visible()) {
        considerar(f_.imatge_fons());
        for (const element* e : f_.tots()) {
            if (e->tipus == tipus_element::imatge && e->visible) {
                considerar(e->imatge);
            }
        }
    }
    std::erase_if(animacions_, [&](const auto& a) { return !en_us.contains(a.first); });
    for (const std::string& cami : en_us) {
        if (animacions_.contains(cami)) {
            continue;
        }
        auto nova = std::make_unique<animacio>(original(cami).animacio);
        connect(&nova->moviment, &QMovie::frameChanged, this, [this, cami] { frame_nou(cami); });
        nova->moviment.start();
        animacions_.emplace(cami, std::move(nova));
    }
}

void vista_escenari::frame_nou(const std::string& cami) {
    if (!lligada_) {
        return;
    }
    if (f_.imatge_fons() == cami) {
        update();
        return;
    }
    for (const element* e : f_.tots()) {
        if (e->tipus == tipus_element::imatge && e->imatge == cami) {
            const QRect z = zona(*e);
            if (!z.isEmpty()) {
                update(z);
            }
        }
    }
}

escenari_qt::escenari_qt(vista_escenari::opcions o)
    : opcions_(std::move(o)), pantalla_completa_(opcions_.pantalla_completa) {}

// Views whose deletion is still pending go with the service.
escenari_qt::~escenari_qt() {
    for (const QPointer<vista_escenari>& v : descartades_) {
        delete v.data();
    }
}

mida_pantalla escenari_qt::pantalla() {
    return pantalla_escenari();
}

void escenari_qt::obrir(finestra& escenari) {
    vista_escenari::opcions o = opcions_;
    o.en_sortida = [this] { QTimer::singleShot(0, &context_, [this] { sortir(); }); };
    o.pantalla_completa = pantalla_completa_;
    o.en_pantalla_completa = [this](bool completa) { pantalla_completa_ = completa; };
    auto nova = std::make_unique<vista_escenari>(escenari, std::move(o));
    if (const auto it = vistes_.find(&escenari); it != vistes_.end()) {
        descartar(std::move(it->second));
    }
    vistes_[&escenari] = std::move(nova);
}

// The model may be closed from inside an event of its own view (a click that
// ends the exercise): the view lets go of the model at once and goes when
// that event is over.
void escenari_qt::descartar(std::unique_ptr<vista_escenari> vista) {
    vista->deslligar();
    std::erase_if(descartades_, [](const QPointer<vista_escenari>& v) { return v.isNull(); });
    descartades_.emplace_back(vista.get());
    vista.release()->deleteLater();
}

void escenari_qt::senyal(finestra& escenari, senyal_escenari s) {
    if (vista_escenari* v = vista(escenari)) {
        v->senyal(s);
    }
}

void escenari_qt::posar_consigna(finestra& escenari, const std::string& text) {
    if (vista_escenari* v = vista(escenari)) {
        v->posar_consigna(text);
    }
}

void escenari_qt::numerar_caselles(finestra& escenari, int n) {
    if (vista_escenari* v = vista(escenari)) {
        v->numerar_caselles(n);
    }
}

void escenari_qt::en_sortida(std::function<void()> gestor) {
    sortida_ = std::move(gestor);
}

void escenari_qt::posar_consola(QWidget* consola) {
    consola_ = consola;
}

void escenari_qt::sortir() {
    if (sortida_) {
        sortida_();
    }
    if (consola_) {
        if (consola_->isMinimized()) {
            consola_->showNormal();
        }
        consola_->raise();
        consola_->activateWindow();
    }
}

void escenari_qt::tancar(finestra& escenari) {
    if (const auto it = vistes_.find(&escenari); it != vistes_.end()) {
        descartar(std::move(it->second));
        vistes_.erase(it);
    }
}

vista_escenari* escenari_qt::vista_visible() const {
    for (const auto& [model, v] : vistes_) {
        if (v->isVisible()) {
            return v.get();
        }
    }
    return nullptr;
}

vista_escenari* escenari_qt::vista(const finestra& escenari) const {
    const auto it = vistes_.find(&escenari);
    return it == vistes_.end() ? nullptr : it->second.get();
}

} // namespace quorvel
