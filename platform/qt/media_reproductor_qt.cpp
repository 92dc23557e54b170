#include "platform/qt/media_reproductor_qt.h"

#include "platform/qt/media_qt.h"

#include <QAudioDevice>
#include <QAudioOutput>
#include <QMediaDevices>
#include <QMediaPlayer>
#include <QString>
#include <QUrl>
#include <QVideoWidget>

#include <utility>

namespace quorvel {
namespace {

// Size of the video window until the program places it.
constexpr int amplada_inicial = 640;
constexpr int alcada_inicial = 480;

} // namespace

reproductor_qt::reproductor_qt(const std::filesystem::path& fitxer, bool video,
                               std::function<void(const std::string&)> avisar)
    : avisar_(std::move(avisar)), sortida_(std::make_unique<QAudioOutput>()),
      reproductor_(std::make_unique<QMediaPlayer>()) {
    if (video) {
        finestra_ = std::make_unique<QVideoWidget>();
        finestra_->setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
        // The players' presses keep going to the console, not to the clip.
        finestra_->setAttribute(Qt::WA_ShowWithoutActivating);
        finestra_->setGeometry(1, 1, amplada_inicial, alcada_inicial);
        reproductor_->setVideoOutput(finestra_.get());
    }
    reproductor_->setAudioOutput(sortida_.get());
    if (avisar_) {
        QObject::connect(reproductor_.get(), &QMediaPlayer::errorOccurred, reproductor_.get(),
                         [this](QMediaPlayer::Error, const QString& text) {
                             avisar_(text.isEmpty() ? std::string("the file cannot be played")
                                                    : text.toStdString());
                         });
    }
    reproductor_->setSource(QUrl::fromLocalFile(QString::fromStdString(fitxer.string())));
}

reproductor_qt::~reproductor_qt() {
    reproductor_->stop();
    reproductor_->setVideoOutput(nullptr);
    reproductor_->setAudioOutput(nullptr);
}

int reproductor_qt::reproduir() {
    // Without a sound device Qt plays on in silence: the operator must know
    // that the players hear nothing.
    if (avisar_ && finestra_ == nullptr && QMediaDevices::audioOutputs().isEmpty()) {
        avisar_("no audio output");
    }
    if (finestra_) {
        finestra_->show();
        finestra_->raise();
    }
    reproductor_->play();
    return media_correcte;
}

void reproductor_qt::pausar() {
    if (reproductor_->playbackState() == QMediaPlayer::PlayingState) {
        reproductor_->pause();
    }
}

void reproductor_qt::reprendre() {
    if (reproductor_->playbackState() == QMediaPlayer::PausedState) {
        reproductor_->play();
    }
}

void reproductor_qt::aturar() {
    reproductor_->stop();
}

mode_media reproductor_qt::mode() {
    // A file the backend cannot play may stay "playing" for Qt; it has
    // stopped for the program.
    if (reproductor_->error() != QMediaPlayer::NoError ||
        reproductor_->mediaStatus() == QMediaPlayer::InvalidMedia) {
        return mode_media::aturat;
    }
    switch (reproductor_->playbackState()) {
    case QMediaPlayer::PlayingState:
        return mode_media::reproduint;
    case QMediaPlayer::PausedState:
        return mode_media::en_pausa;
    case QMediaPlayer::StoppedState:
        break;
    }
    return mode_media::aturat;
}

bool reproductor_qt::situar_finestra(const rectangle_finestra& r) {
    if (!finestra_) {
        return false;
    }
    finestra_->move(r.x, r.y);
    if (r.amplada > 0 && r.alcada > 0) {
        finestra_->resize(r.amplada, r.alcada);
    }
    return true;
}

} // namespace quorvel
