// The MIDI output service: device -1 is a FluidSynth synth with the system's
// General MIDI soundfont, heard through the default audio driver; devices 0,
// 1, ... are the RtMidi output ports. Error texts are the libraries' own.
#pragma once

#include "platform/sortida_midi.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <span>
#include <string>
#include <vector>

struct _fluid_hashtable_t;
struct _fluid_synth_t;

namespace quorvel {

struct esborrar_fluid_midi {
    void operator()(_fluid_hashtable_t* p) const;
    void operator()(_fluid_synth_t* p) const;
};

// Result codes of the service; 0 is success.
enum codi_midi : int {
    midi_correcte = 0,
    midi_sense_soundfont = 1,
    midi_error_sintetitzador = 2,
    midi_sense_audio = 3,
    midi_error_port = 4,
    midi_port_inexistent = 5,
    midi_handle_incorrecte = 6,
    midi_missatge_incorrecte = 7,
    midi_dispositiu_ocupat = 8,
};

// FluidSynth with a soundfont loaded; silent until something renders it (the
// audio driver in the program, a test by hand).
class sintetitzador_midi {
  public:
    // Nothing, with the reason in error, when the synth cannot be made or
    // none of the soundfonts loads.
    static std::unique_ptr<sintetitzador_midi>
    crear(const std::vector<std::filesystem::path>& soundfonts, std::string& error);
    ~sintetitzador_midi() = default;
    sintetitzador_midi(const sintetitzador_midi&) = delete;
    sintetitzador_midi& operator=(const sintetitzador_midi&) = delete;

    // Plays one short message (status in bits 0-7, data in 8-15 and 16-23);
    // false when the synth refuses it.
    bool enviar(std::uint32_t missatge);
    // Renders interleaved stereo frames into the buffer.
    void renderitzar(std::span<std::int16_t> estereo);
    // Every sound off and every controller and program back to its default.
    void reiniciar();

    [[nodiscard]] _fluid_hashtable_t* settings() const { return settings_.get(); }
    [[nodiscard]] _fluid_synth_t* synth() const { return synth_.get(); }

  private:
    sintetitzador_midi() = default;
    // The synth goes before its settings.
    std::unique_ptr<_fluid_hashtable_t, esborrar_fluid_midi> settings_;
    std::unique_ptr<_fluid_synth_t, esborrar_fluid_midi> synth_;
};

// What makes the synth heard while the device is open.
class sortida_audio {
  public:
    virtual ~sortida_audio() = default;
};
// Nothing, with the reason in error, when no audio output can be opened.
using obrir_audio =
    std::function<std::unique_ptr<sortida_audio>(sintetitzador_midi&, std::string& error)>;

class midi_sortida : public servei_midi {
  public:
    struct opcions {
        std::vector<std::filesystem::path> soundfonts;
        obrir_audio audio;
    };

    // The system's soundfonts and the default audio driver.
    midi_sortida();
    explicit midi_sortida(opcions o);
    ~midi_sortida() override;
    midi_sortida(const midi_sortida&) = delete;
    midi_sortida& operator=(const midi_sortida&) = delete;

    int obrir(int dispositiu, std::uint32_t& handle) override;
    int missatge_curt(std::uint32_t handle, std::uint32_t missatge) override;
    int tancar(std::uint32_t handle) override;
    std::string text_error(int codi) override;
    // An output that cannot be opened is told with the library's reason.
    void en_fallada(gestor_fallada gestor) override { fallada_ = std::move(gestor); }

    // default-GM.sf2, then TimGM6mb.sf2, in the system's soundfont folder.
    static std::vector<std::filesystem::path> soundfonts_sistema();
    // FluidSynth's default audio driver.
    static obrir_audio audio_per_defecte();

    class dispositiu;

  private:
    int fallar(int codi, std::string text);
    int obrir_sintetitzador(std::unique_ptr<dispositiu>& d);
    int obrir_port(int port, std::unique_ptr<dispositiu>& d);

    opcions opcions_;
    // Loaded on the first open of device -1 and kept, so that starting an
    // exercise again does not load the soundfont again.
    std::unique_ptr<sintetitzador_midi> sintetitzador_;
    std::map<std::uint32_t, std::unique_ptr<dispositiu>> oberts_;
    std::uint32_t proper_handle_ = 1;
    std::map<int, std::string> textos_; // the library's text of the last failure per code
    gestor_fallada fallada_;
};

} // namespace quorvel
