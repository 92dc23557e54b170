// The editor's sounds through Qt Multimedia: a media field played to check
// it, and a recording from the microphone into a WAV file.
#pragma once

#include <QObject>

#include <filesystem>
#include <memory>

class QAudioInput;
class QAudioOutput;
class QMediaCaptureSession;
class QMediaPlayer;
class QMediaRecorder;

namespace quorvel {

class so_editor : public QObject {
    Q_OBJECT

  public:
    explicit so_editor(QObject* pare = nullptr);
    ~so_editor() override;

    void reproduir(const std::filesystem::path& fitxer);
    // Starts recording into the file; false when the system has no microphone.
    bool gravar(const std::filesystem::path& fitxer);
    void aturar();
    [[nodiscard]] bool gravant() const;

  signals:
    // The recording is written (the file's name), or failed (empty name).
    void gravat(const QString& nom);

  private:
    std::unique_ptr<QAudioOutput> sortida_;
    std::unique_ptr<QMediaPlayer> reproductor_;
    std::unique_ptr<QAudioInput> entrada_;
    std::unique_ptr<QMediaCaptureSession> sessio_;
    std::unique_ptr<QMediaRecorder> gravadora_;
    std::filesystem::path fitxer_;
};

} // namespace quorvel
