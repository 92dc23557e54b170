// The media command service on Qt Multimedia: sound and video files through
// QMediaPlayer (video in a frameless top-level window), MIDI files through
// FluidSynth's file player. Devices are known by their alias or by the path
// they were opened with; "play PATH" opens a file that is not open yet.
#pragma once

#include "platform/ordres_media.h"
#include "platform/qt/media_ordre.h"

#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <utility>

namespace quorvel {

class reproductor_media;
class motor_midi;

// Status codes of the service; 0 is success.
enum codi_media : int {
    media_correcte = 0,
    media_ordre_incorrecta = 1,
    media_ordre_desconeguda = 2,
    media_dispositiu_desconegut = 3,
    media_fitxer_inexistent = 4,
    media_no_suportat = 5,
    media_format_desconegut = 6,
    media_sense_audio = 7,
    media_sense_soundfont = 8,
};

class media_qt : public servei_media {
  public:
    // Turns a program path (Windows-1252, "\" between folders) into a local
    // one; the program passes fitxers_disc::cami_local, which also finds
    // names case-insensitively.
    using convertir_cami = std::function<std::filesystem::path(const std::string&)>;

    explicit media_qt(convertir_cami cami_local = cami_simple);
    ~media_qt() override;
    media_qt(const media_qt&) = delete;
    media_qt& operator=(const media_qt&) = delete;

    resposta_media enviar(const std::string& ordre) override;
    // A "play" that fails, and a failure the backend finds later, are told
    // with the file's program path and the reason.
    void en_fallada(gestor_fallada gestor) override { fallada_ = std::move(gestor); }

    // UTF-8 of the text with "\" turned into "/".
    static std::filesystem::path cami_simple(const std::string& cami);
    static std::string text_error(int codi);

  private:
    struct dispositiu {
        std::string cami; // the program path it was opened with
        std::unique_ptr<reproductor_media> reproductor;
    };

    int obrir(const std::string& nom, const std::string& cami, const std::string& tipus);
    int tancar(const std::string& nom);
    dispositiu* trobar(const std::string& nom);
    resposta_media executar(const ordre_media& o);
    void avisar(const std::string& cami, const std::string& causa) const;

    convertir_cami cami_local_;
    std::map<std::string, dispositiu> dispositius_;
    // FluidSynth with its soundfont and audio driver, made when the first
    // MIDI file is opened and kept, so the soundfont is loaded once.
    std::shared_ptr<motor_midi> motor_midi_;
    gestor_fallada fallada_;
};

} // namespace quorvel
