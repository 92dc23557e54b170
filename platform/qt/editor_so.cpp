#include "platform/qt/editor_so.h"

#include <QAudioDevice>
#include <QAudioInput>
#include <QAudioOutput>
#include <QMediaCaptureSession>
#include <QMediaDevices>
#include <QMediaFormat>
#include <QMediaPlayer>
#include <QMediaRecorder>
#include <QUrl>

namespace quorvel {

so_editor::so_editor(QObject* pare) : QObject(pare) {}

so_editor::~so_editor() = default;

void so_editor::reproduir(const std::filesystem::path& fitxer) {
    if (!reproductor_) {
        sortida_ = std::make_unique<QAudioOutput>();
        reproductor_ = std::make_unique<QMediaPlayer>();
        reproductor_->setAudioOutput(sortida_.get());
    }
    reproductor_->stop();
    reproductor_->setSource(QUrl::fromLocalFile(QString::fromStdString(fitxer.string())));
    reproductor_->play();
}

bool so_editor::gravar(const std::filesystem::path& fitxer) {
    if (QMediaDevices::audioInputs().isEmpty()) {
        return false;
    }
    entrada_ = std::make_unique<QAudioInput>(QMediaDevices::defaultAudioInput());
    sessio_ = std::make_unique<QMediaCaptureSession>();
    gravadora_ = std::make_unique<QMediaRecorder>();
    sessio_->setAudioInput(entrada_.get());
    sessio_->setRecorder(gravadora_.get());
    gravadora_->setMediaFormat(QMediaFormat(QMediaFormat::Wave));
    gravadora_->setOutputLocation(QUrl::fromLocalFile(QString::fromStdString(fitxer.string())));
    fitxer_ = fitxer;
    connect(gravadora_.get(), &QMediaRecorder::recorderStateChanged, this,
            [this](QMediaRecorder::RecorderState estat) {
                if (estat == QMediaRecorder::StoppedState) {
                    std::error_code ec;
                    emit gravat(std::filesystem::exists(fitxer_, ec)
                                    ? QString::fromStdString(fitxer_.filename().string())
                                    : QString());
                }
            });
    connect(gravadora_.get(), &QMediaRecorder::errorOccurred, this,
            [this] { emit gravat(QString()); });
    gravadora_->record();
    return true;
}

void so_editor::aturar() {
    if (gravadora_) {
        gravadora_->stop();
    }
}

bool so_editor::gravant() const {
    return gravadora_ && gravadora_->recorderState() == QMediaRecorder::RecordingState;
}

} // namespace quorvel
