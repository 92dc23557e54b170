// The stage's picture cache: reading, decoding and scaling within a budget.
#include "platform/qt/cache_imatges.h"

#include "platform/local/fitxers_disc.h"

#include <QImageReader>

#include <algorithm>
#include <filesystem>
#include <fstream>

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

} // namespace

cache_imatges::cache_imatges() {
    fonts_.setMaxCost(cost_maxim_fonts);
    escalades_.setMaxCost(cost_maxim_escalades);
}

void cache_imatges::buidar() {
    fonts_.clear();
    escalades_.clear();
}

cache_imatges::imatge_font cache_imatges::original(const std::string& cami) {
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

QPixmap cache_imatges::escalada(const std::string& cami, QSize mida) {
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

} // namespace quorvel
