#include "platform/qt/vista_escenari.h"

#include "core/text.h"
#include "platform/local/fitxers_disc.h"
#include "platform/qt/conversions_qt.h"

#include <QBuffer>
#include <QCloseEvent>
#include <QImageReader>
#include <QMovie>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>

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
      mida_(opcions_.mida ? *opcions_.mida : pantalla_escenari()) {
    // Every pixel is painted here, the background included.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setWindowTitle(qtext((f_.caption())));
    fonts_.setMaxCost(cost_maxim_fonts);
    escalades_.setMaxCost(cost_maxim_escalades);
    if (opcions_.geometria) {
        resize(opcions_.geometria->size());
    }
    observador_ = f_.observar([this](const element& e, propietat p) { canvi_model(e, p); });
    if (f_.visible()) {
        mostrar();
    }
}

vista_escenari::~vista_escenari() {
    f_.deixar_observar(observador_);
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
        update(it->second);
        zones_.erase(it);
    }
    if (p != propietat::destruit) {
        const QRect nova = zona(e);
        if (!nova.isEmpty()) {
            update(nova);
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
    if (opcions_.geometria) {
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
    repintar_tot();
    programar_animacions();
}

// A closed stage lets go of its pictures: the next exercise may bring others,
// or new versions of the same files.
void vista_escenari::amagar() {
    hide();
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
    const qreal escala = devicePixelRatioF();
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
    if (f_.visible()) {
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}

void vista_escenari::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    const QRect pintar = event->rect();

    bool amb_fons = false;
    if (const std::string& fons = f_.imatge_fons(); !fons.empty()) {
        if (const auto it = animacions_.find(fons); it != animacions_.end()) {
            const QImage frame = it->second->moviment.currentImage();
            if (!frame.isNull()) {
                p.drawImage(rect(), frame);
                amb_fons = true;
            }
        }
        if (!amb_fons) {
            const qreal escala = devicePixelRatioF();
            const QPixmap pixmap =
                escalada(fons, QSize(static_cast<int>(std::ceil(width() * escala)),
                                     static_cast<int>(std::ceil(height() * escala))));
            if (!pixmap.isNull()) {
                p.drawPixmap(rect(), pixmap);
                amb_fons = true;
            }
        }
    }
    if (!amb_fons) {
        p.fillRect(pintar, palette().color(QPalette::Window));
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
    }
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

escenari_qt::~escenari_qt() = default;

mida_pantalla escenari_qt::pantalla() {
    return pantalla_escenari();
}

void escenari_qt::obrir(finestra& escenari) {
    vistes_[&escenari] = std::make_unique<vista_escenari>(escenari);
}

void escenari_qt::tancar(finestra& escenari) {
    vistes_.erase(&escenari);
}

vista_escenari* escenari_qt::vista(const finestra& escenari) const {
    const auto it = vistes_.find(&escenari);
    return it == vistes_.end() ? nullptr : it->second.get();
}

} // namespace quorvel
