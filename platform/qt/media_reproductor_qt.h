// A sound or video file played by Qt Multimedia. Video shows in a frameless
// top-level window that stays until the device is closed, as the last frame
// of a clip stays on screen until the next media replaces it.
#pragma once

#include "platform/qt/media_reproductor.h"

#include <filesystem>
#include <functional>
#include <memory>
#include <string>

class QAudioOutput;
class QMediaPlayer;
class QVideoWidget;

namespace quorvel {

class reproductor_qt : public reproductor_media {
  public:
    // avisar: told why the file cannot be played, when the backend finds out
    // (no audio output, a file it cannot decode).
    reproductor_qt(const std::filesystem::path& fitxer, bool video,
                   std::function<void(const std::string& causa)> avisar = {});
    ~reproductor_qt() override;

    int reproduir() override;
    void pausar() override;
    void reprendre() override;
    void aturar() override;
    mode_media mode() override;
    bool situar_finestra(const rectangle_finestra& r) override;

    // The video window, when the device has one (for the checks of the tests
    // and for the view that wants to keep it above the stage).
    [[nodiscard]] QVideoWidget* finestra() const { return finestra_.get(); }

  private:
    std::function<void(const std::string&)> avisar_;
    std::unique_ptr<QVideoWidget> finestra_;
    std::unique_ptr<QAudioOutput> sortida_;
    std::unique_ptr<QMediaPlayer> reproductor_;
};

} // namespace quorvel
