#include "platform/qt/media_reproductor_midi.h"

#include "platform/qt/media_qt.h"

#include <fluidsynth.h>

#include <system_error>
#include <utility>

namespace quorvel {

void esborrar_fluid::operator()(fluid_settings_t* p) const {
    delete_fluid_settings(p);
}
void esborrar_fluid::operator()(fluid_synth_t* p) const {
    delete_fluid_synth(p);
}
void esborrar_fluid::operator()(fluid_audio_driver_t* p) const {
    delete_fluid_audio_driver(p);
}
void esborrar_fluid::operator()(fluid_player_t* p) const {
    delete_fluid_player(p);
}

std::shared_ptr<motor_midi> motor_midi::crear(const std::vector<std::filesystem::path>& soundfonts,
                                              int& codi) {
    std::shared_ptr<motor_midi> m(new motor_midi());
    m->settings_.reset(new_fluid_settings());
    if (!m->settings_) {
        codi = media_sense_audio;
        return nullptr;
    }
    m->synth_.reset(new_fluid_synth(m->settings_.get()));
    if (!m->synth_) {
        codi = media_sense_audio;
        return nullptr;
    }
    // The audio driver first: without it there is nothing to hear, and the
    // soundfont (it may be large) is not worth loading.
    m->driver_.reset(new_fluid_audio_driver(m->settings_.get(), m->synth_.get()));
    if (!m->driver_) {
        codi = media_sense_audio;
        return nullptr;
    }
    for (const auto& sf : soundfonts) {
        std::error_code ec;
        if (std::filesystem::is_regular_file(sf, ec) &&
            fluid_synth_sfload(m->synth_.get(), sf.c_str(), 1) != FLUID_FAILED) {
            codi = media_correcte;
            return m;
        }
    }
    codi = media_sense_soundfont;
    return nullptr;
}

void motor_midi::silenciar() {
    fluid_synth_all_sounds_off(synth_.get(), -1);
}

std::vector<std::filesystem::path> reproductor_midi::soundfonts_sistema() {
    return {"/usr/share/sounds/sf2/default-GM.sf2", "/usr/share/sounds/sf2/TimGM6mb.sf2"};
}

reproductor_midi::reproductor_midi(std::shared_ptr<motor_midi> motor, std::filesystem::path fitxer)
    : motor_(std::move(motor)), fitxer_(std::move(fitxer)) {}

reproductor_midi::~reproductor_midi() {
    player_.reset();
    motor_->silenciar();
}

int reproductor_midi::reproduir() {
    if (en_pausa_) {
        reprendre();
        return media_correcte;
    }
    // A fresh player starts the file from its beginning.
    player_.reset();
    motor_->silenciar();
    player_.reset(new_fluid_player(motor_->synth()));
    if (!player_ || fluid_player_add(player_.get(), fitxer_.c_str()) != FLUID_OK ||
        fluid_player_play(player_.get()) != FLUID_OK) {
        player_.reset();
        return media_format_desconegut;
    }
    return media_correcte;
}

void reproductor_midi::pausar() {
    if (mode() == mode_media::reproduint) {
        fluid_player_stop(player_.get());
        motor_->silenciar();
        en_pausa_ = true;
    }
}

void reproductor_midi::reprendre() {
    if (en_pausa_) {
        en_pausa_ = false;
        fluid_player_play(player_.get());
    }
}

void reproductor_midi::aturar() {
    en_pausa_ = false;
    player_.reset();
    motor_->silenciar();
}

mode_media reproductor_midi::mode() {
    if (en_pausa_) {
        return mode_media::en_pausa;
    }
    if (player_ && fluid_player_get_status(player_.get()) == FLUID_PLAYER_PLAYING) {
        return mode_media::reproduint;
    }
    return mode_media::aturat;
}

} // namespace quorvel
