// MIDI files played by FluidSynth's file player through the default audio
// driver, with the system's General MIDI soundfont.
#pragma once

#include "platform/qt/media_reproductor.h"

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

struct _fluid_hashtable_t;
struct _fluid_synth_t;
struct _fluid_audio_driver_t;
struct _fluid_player_t;

namespace quorvel {

struct esborrar_fluid {
    void operator()(_fluid_hashtable_t* p) const;
    void operator()(_fluid_synth_t* p) const;
    void operator()(_fluid_audio_driver_t* p) const;
    void operator()(_fluid_player_t* p) const;
};
template <class T> using punter_fluid = std::unique_ptr<T, esborrar_fluid>;

// The synth, its soundfont and its audio driver, shared by every MIDI file
// device of the service.
class motor_midi {
  public:
    // The synth with the first soundfont that loads and the default audio
    // driver; nothing, with codi set to a media code, when either is missing.
    static std::shared_ptr<motor_midi> crear(const std::vector<std::filesystem::path>& soundfonts,
                                             int& codi);
    ~motor_midi() = default;
    motor_midi(const motor_midi&) = delete;
    motor_midi& operator=(const motor_midi&) = delete;

    [[nodiscard]] _fluid_synth_t* synth() const { return synth_.get(); }
    // Silences every channel at once.
    void silenciar();

  private:
    motor_midi() = default;
    punter_fluid<_fluid_hashtable_t> settings_;
    punter_fluid<_fluid_synth_t> synth_;
    punter_fluid<_fluid_audio_driver_t> driver_;
};

class reproductor_midi : public reproductor_media {
  public:
    reproductor_midi(std::shared_ptr<motor_midi> motor, std::filesystem::path fitxer);
    ~reproductor_midi() override;

    int reproduir() override;
    void pausar() override;
    void reprendre() override;
    void aturar() override;
    mode_media mode() override;

    // The soundfonts tried in order: the system's General MIDI default, then
    // TimGM6mb in the same folder.
    static std::vector<std::filesystem::path> soundfonts_sistema();

  private:
    std::shared_ptr<motor_midi> motor_;
    std::filesystem::path fitxer_;
    punter_fluid<_fluid_player_t> player_;
    bool en_pausa_ = false;
};

} // namespace quorvel
