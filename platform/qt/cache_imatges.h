// The stage's pictures: each file read and decoded once (whatever its
// extension claims), scaled pictures kept for the next paint, both within a
// memory budget; and the player of an animated picture.
#pragma once

#include <QBuffer>
#include <QByteArray>
#include <QCache>
#include <QImage>
#include <QMovie>
#include <QPixmap>
#include <QSize>
#include <QString>

#include <string>
#include <utility>

namespace quorvel {

class cache_imatges {
  public:
    // A decoded picture file: its first frame, and for an animated one the
    // bytes its animation is played from.
    struct imatge_font {
        QImage primer;
        QByteArray animacio;
    };

    cache_imatges();

    // The picture of a program path, decoded once; null when it is no picture.
    imatge_font original(const std::string& cami);
    // The picture scaled to a size in device pixels, kept for the next paint.
    QPixmap escalada(const std::string& cami, QSize mida);
    void buidar();

  private:
    QCache<QString, imatge_font> fonts_;
    QCache<QString, QPixmap> escalades_;
};

// An animated picture being played: the movie reads the file's bytes.
struct animacio_imatge {
    explicit animacio_imatge(QByteArray d)
        : dades(std::move(d)), buffer(&dades), moviment(&buffer) {
        buffer.open(QIODevice::ReadOnly);
    }
    QByteArray dades;
    QBuffer buffer;
    QMovie moviment;
};

} // namespace quorvel
