#include "platform/midi/midi_sortida.h"

#include <fluidsynth.h>
#include <rtmidi/RtMidi.h>

#include <array>
#include <limits>
#include <mutex>
#include <system_error>
#include <utility>

namespace quorvel {

void esborrar_fluid_midi::operator()(fluid_settings_t* p) const {
    delete_fluid_settings(p);
}
void esborrar_fluid_midi::operator()(fluid_synth_t* p) const {
    delete_fluid_synth(p);
}

namespace {

// FluidSynth reports its failures only through its log; the last error line
// is kept so that the operator sees the library's own reason.
std::mutex mutex_registre;
std::string darrer_error_fluid;

void registrar_fluid(int nivell, const char* text, void*) {
    {
        const std::lock_guard<std::mutex> bloqueig(mutex_registre);
        darrer_error_fluid = text != nullptr ? text : "";
    }
    fluid_default_log_function(nivell, text, nullptr);
}

void escoltar_errors_fluid() {
    static std::once_flag un_cop;
    std::call_once(un_cop, [] { fluid_set_log_function(FLUID_ERR, registrar_fluid, nullptr); });
    const std::lock_guard<std::mutex> bloqueig(mutex_registre);
    darrer_error_fluid.clear();
}

std::string error_fluid(const std::string& per_defecte) {
    const std::lock_guard<std::mutex> bloqueig(mutex_registre);
    return darrer_error_fluid.empty() ? per_defecte : darrer_error_fluid;
}

class driver_fluid : public sortida_audio {
  public:
    explicit driver_fluid(fluid_audio_driver_t* d) : driver_(d) {}
    ~driver_fluid() override { delete_fluid_audio_driver(driver_); }
    driver_fluid(const driver_fluid&) = delete;
    driver_fluid& operator=(const driver_fluid&) = delete;

  private:
    fluid_audio_driver_t* driver_;
};

// Number of bytes of a channel message by its status byte.
std::size_t llargada_missatge(unsigned status) {
    switch (status & 0xF0U) {
    case 0xC0:
    case 0xD0:
        return 2;
    default:
        return 3;
    }
}

} // namespace

// One open output: the synth or a port.
class midi_sortida::dispositiu {
  public:
    virtual ~dispositiu() = default;
    // 0, or a code with the library's text.
    virtual int enviar(std::uint32_t missatge, std::string& error) = 0;
};

namespace {

class dispositiu_sintetitzador : public midi_sortida::dispositiu {
  public:
    dispositiu_sintetitzador(sintetitzador_midi& s, std::unique_ptr<sortida_audio> audio)
        : sintetitzador_(s), audio_(std::move(audio)) {}
    ~dispositiu_sintetitzador() override {
        // Closing ends every note still sounding.
        audio_.reset();
        sintetitzador_.reiniciar();
    }
    dispositiu_sintetitzador(const dispositiu_sintetitzador&) = delete;
    dispositiu_sintetitzador& operator=(const dispositiu_sintetitzador&) = delete;

    int enviar(std::uint32_t missatge, std::string& error) override {
        escoltar_errors_fluid();
        if (!sintetitzador_.enviar(missatge)) {
            error = error_fluid("FluidSynth refused the MIDI message");
            return midi_missatge_incorrecte;
        }
        return midi_correcte;
    }

  private:
    sintetitzador_midi& sintetitzador_;
    std::unique_ptr<sortida_audio> audio_;
};

class dispositiu_port : public midi_sortida::dispositiu {
  public:
    explicit dispositiu_port(std::unique_ptr<RtMidiOut> sortida) : sortida_(std::move(sortida)) {}

    int enviar(std::uint32_t missatge, std::string& error) override {
        const std::array<unsigned char, 3> bytes{
            static_cast<unsigned char>(missatge & 0xFFU),
            static_cast<unsigned char>((missatge >> 8) & 0xFFU),
            static_cast<unsigned char>((missatge >> 16) & 0xFFU)};
        if (bytes[0] < 0x80 || bytes[0] >= 0xF0 || bytes[1] > 0x7F || bytes[2] > 0x7F) {
            error = "not a MIDI channel message";
            return midi_missatge_incorrecte;
        }
        try {
            sortida_->sendMessage(bytes.data(), llargada_missatge(bytes[0]));
        } catch (const RtMidiError& e) {
            error = e.getMessage();
            return midi_error_port;
        }
        return midi_correcte;
    }

  private:
    std::unique_ptr<RtMidiOut> sortida_;
};

} // namespace

std::unique_ptr<sintetitzador_midi>
sintetitzador_midi::crear(const std::vector<std::filesystem::path>& soundfonts,
                          std::string& error) {
    escoltar_errors_fluid();
    std::unique_ptr<sintetitzador_midi> s(new sintetitzador_midi());
    s->settings_.reset(new_fluid_settings());
    if (s->settings_) {
        s->synth_.reset(new_fluid_synth(s->settings_.get()));
    }
    if (!s->synth_) {
        error = error_fluid("FluidSynth could not create a synthesizer");
        return nullptr;
    }
    std::string provats;
    for (const auto& sf : soundfonts) {
        std::error_code ec;
        if (std::filesystem::is_regular_file(sf, ec) &&
            fluid_synth_sfload(s->synth_.get(), sf.c_str(), 1) != FLUID_FAILED) {
            return s;
        }
        provats += (provats.empty() ? "" : ", ") + sf.string();
    }
    error = "no soundfont" + (provats.empty() ? std::string() : " (tried " + provats + ")");
    return nullptr;
}

bool sintetitzador_midi::enviar(std::uint32_t missatge) {
    const auto status = static_cast<int>(missatge & 0xFFU);
    const int canal = status & 0x0F;
    const auto d1 = static_cast<int>((missatge >> 8) & 0x7FU);
    const auto d2 = static_cast<int>((missatge >> 16) & 0x7FU);
    fluid_synth_t* sy = synth_.get();
    switch (status & 0xF0) {
    case 0x80:
        // Releasing a note that is not sounding is no failure.
        fluid_synth_noteoff(sy, canal, d1);
        return true;
    case 0x90:
        if (d2 == 0) {
            fluid_synth_noteoff(sy, canal, d1);
            return true;
        }
        return fluid_synth_noteon(sy, canal, d1, d2) == FLUID_OK;
    case 0xA0:
        return fluid_synth_key_pressure(sy, canal, d1, d2) == FLUID_OK;
    case 0xB0:
        return fluid_synth_cc(sy, canal, d1, d2) == FLUID_OK;
    case 0xC0:
        return fluid_synth_program_change(sy, canal, d1) == FLUID_OK;
    case 0xD0:
        return fluid_synth_channel_pressure(sy, canal, d1) == FLUID_OK;
    case 0xE0:
        return fluid_synth_pitch_bend(sy, canal, d1 | (d2 << 7)) == FLUID_OK;
    case 0xF0:
        if (status == 0xFF) {
            return fluid_synth_system_reset(sy) == FLUID_OK;
        }
        return true;
    default:
        // A data byte where the status should be.
        return false;
    }
}

void sintetitzador_midi::renderitzar(std::span<std::int16_t> estereo) {
    const std::size_t trames =
        std::min<std::size_t>(estereo.size() / 2, std::numeric_limits<int>::max());
    if (trames == 0) {
        return;
    }
    fluid_synth_write_s16(synth_.get(), static_cast<int>(trames), estereo.data(), 0, 2,
                          estereo.data(), 1, 2);
}

void sintetitzador_midi::reiniciar() {
    fluid_synth_system_reset(synth_.get());
}

midi_sortida::midi_sortida() : midi_sortida(opcions{soundfonts_sistema(), audio_per_defecte()}) {}

midi_sortida::midi_sortida(opcions o) : opcions_(std::move(o)) {}

midi_sortida::~midi_sortida() {
    // The devices hold the synth; they go first.
    oberts_.clear();
}

std::vector<std::filesystem::path> midi_sortida::soundfonts_sistema() {
    return {"/usr/share/sounds/sf2/default-GM.sf2", "/usr/share/sounds/sf2/TimGM6mb.sf2"};
}

obrir_audio midi_sortida::audio_per_defecte() {
    return [](sintetitzador_midi& s, std::string& error) -> std::unique_ptr<sortida_audio> {
        escoltar_errors_fluid();
        fluid_audio_driver_t* d = new_fluid_audio_driver(s.settings(), s.synth());
        if (d == nullptr) {
            error = error_fluid("FluidSynth could not open an audio output");
            return nullptr;
        }
        return std::make_unique<driver_fluid>(d);
    };
}

int midi_sortida::fallar(int codi, std::string text) {
    textos_[codi] = std::move(text);
    return codi;
}

int midi_sortida::obrir_sintetitzador(std::unique_ptr<dispositiu>& d) {
    for (const auto& [h, obert] : oberts_) {
        if (dynamic_cast<dispositiu_sintetitzador*>(obert.get()) != nullptr) {
            return fallar(midi_dispositiu_ocupat, "the synthesizer is already open");
        }
    }
    std::string error;
    if (!sintetitzador_) {
        sintetitzador_ = sintetitzador_midi::crear(opcions_.soundfonts, error);
        if (!sintetitzador_) {
            return fallar(error.starts_with("no soundfont") ? midi_sense_soundfont
                                                            : midi_error_sintetitzador,
                          error);
        }
    }
    sintetitzador_->reiniciar();
    std::unique_ptr<sortida_audio> audio =
        opcions_.audio ? opcions_.audio(*sintetitzador_, error) : nullptr;
    if (!audio) {
        return fallar(midi_sense_audio, error.empty() ? "no audio output" : error);
    }
    d = std::make_unique<dispositiu_sintetitzador>(*sintetitzador_, std::move(audio));
    return midi_correcte;
}

int midi_sortida::obrir_port(int port, std::unique_ptr<dispositiu>& d) {
    try {
        auto sortida = std::make_unique<RtMidiOut>();
        const unsigned ports = sortida->getPortCount();
        if (static_cast<unsigned>(port) >= ports) {
            return fallar(midi_port_inexistent, "MIDI output " + std::to_string(port) +
                                                    " does not exist (" + std::to_string(ports) +
                                                    " ports)");
        }
        sortida->openPort(static_cast<unsigned>(port), "Quorvel");
        d = std::make_unique<dispositiu_port>(std::move(sortida));
        return midi_correcte;
    } catch (const RtMidiError& e) {
        return fallar(midi_error_port, e.getMessage());
    }
}

int midi_sortida::obrir(int dispositiu_midi, std::uint32_t& handle) {
    std::unique_ptr<dispositiu> d;
    int codi = midi_correcte;
    if (dispositiu_midi == -1) {
        codi = obrir_sintetitzador(d);
    } else if (dispositiu_midi < -1) {
        codi = fallar(midi_port_inexistent,
                      "MIDI output " + std::to_string(dispositiu_midi) + " does not exist");
    } else {
        codi = obrir_port(dispositiu_midi, d);
    }
    if (codi != midi_correcte) {
        if (fallada_) {
            fallada_({"MIDI", text_error(codi)});
        }
        return codi;
    }
    while (proper_handle_ == 0 || oberts_.count(proper_handle_) != 0) {
        ++proper_handle_;
    }
    handle = proper_handle_++;
    oberts_.emplace(handle, std::move(d));
    return midi_correcte;
}

int midi_sortida::missatge_curt(std::uint32_t handle, std::uint32_t missatge) {
    const auto it = oberts_.find(handle);
    if (it == oberts_.end()) {
        return fallar(midi_handle_incorrecte, "the MIDI output is not open");
    }
    std::string error;
    const int codi = it->second->enviar(missatge, error);
    return codi == midi_correcte ? codi : fallar(codi, error);
}

int midi_sortida::tancar(std::uint32_t handle) {
    if (oberts_.erase(handle) == 0) {
        return fallar(midi_handle_incorrecte, "the MIDI output is not open");
    }
    return midi_correcte;
}

std::string midi_sortida::text_error(int codi) {
    if (const auto it = textos_.find(codi); it != textos_.end()) {
        return it->second;
    }
    switch (codi) {
    case midi_correcte:
        return "no error";
    case midi_sense_soundfont:
        return "no soundfont";
    case midi_error_sintetitzador:
        return "FluidSynth could not create a synthesizer";
    case midi_sense_audio:
        return "no audio output";
    case midi_error_port:
        return "the MIDI port failed";
    case midi_port_inexistent:
        return "no such MIDI output";
    case midi_handle_incorrecte:
        return "the MIDI output is not open";
    case midi_missatge_incorrecte:
        return "not a valid MIDI message";
    case midi_dispositiu_ocupat:
        return "the MIDI output is already open";
    default:
        return "unknown MIDI error " + std::to_string(codi);
    }
}

} // namespace quorvel
