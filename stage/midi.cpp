#include "stage/midi.h"

#include "core/errors.h"
#include "core/nombres.h"
#include "i18n/missatges.h"
#include "platform/serveis.h"
#include "stage/estat_escena.h"

#include <cstdint>
#include <limits>
#include <string>

namespace quorvel {
namespace {

constexpr const char* titol_missatge = "Quorvel";
// The device's error text travels through a buffer of this many characters,
// the terminating NUL included.
constexpr std::size_t buffer_error = 128;

std::int16_t enter16(int valor, const char* que) {
    if (valor < std::numeric_limits<std::int16_t>::min() ||
        valor > std::numeric_limits<std::int16_t>::max()) {
        throw error_desbordament(std::string("MIDI ") + que +
                                 " does not fit 16 bits: " + std::to_string(valor));
    }
    return static_cast<std::int16_t>(valor);
}

// What the operator is told a data byte stands for, by the kind of message.
std::string nom_dada(int status, bool primera) {
    switch (status & 0xF0) {
    case 0x90:
        return primera ? "la nota" : "la velocitat";
    case 0xB0:
        return primera ? "el controlador" : "el valor de control";
    case 0xC0:
        return primera ? "el programa" : "el segon byte de dades";
    default:
        return primera ? "el primer byte de dades" : "el segon byte de dades";
    }
}

// Status byte plus channel, saturated so that no int overflow can occur; any
// saturated value lies outside the status range and is refused.
int suma(int a, int b) {
    const long long r = static_cast<long long>(a) + b;
    if (r > std::numeric_limits<int>::max()) {
        return std::numeric_limits<int>::max();
    }
    if (r < std::numeric_limits<int>::min()) {
        return std::numeric_limits<int>::min();
    }
    return static_cast<int>(r);
}

void avisar_no_enviat(serveis& sv, const std::string& que, int valor, const char* interval) {
    sv.eines.missatge("No s'ha enviat el missatge MIDI: " + que + " " + std::to_string(valor) +
                          " és fora de " + interval + ".",
                      botons_missatge::ok, titol_missatge);
}

} // namespace

bool midi_obrir(estat_escena& s, serveis& sv, int dispositiu) {
    midi_tancar(s, sv);
    std::uint32_t handle = 0;
    const int codi = sv.midi.obrir(dispositiu, handle);
    // A failed open leaves no handle, so a later close does not act on a
    // device that was never opened.
    s.handle_midi = codi == 0 ? handle : 0;
    if (codi == 0) {
        s.midi_fallada_avisada.clear();
        return s.handle_midi != 0;
    }
    // The same failure at every start (a machine without sound) is told once:
    // the status line keeps saying it, and the exercise runs without notes.
    std::string text = sv.midi.text_error(codi);
    if (text.size() >= buffer_error) {
        text.resize(buffer_error - 1);
    }
    if (text != s.midi_fallada_avisada) {
        s.midi_fallada_avisada = text;
        sv.eines.missatge(text_missatge(s, missatge::midi_no_obert, {text}), botons_missatge::ok,
                          titol_missatge);
    }
    return false;
}

void midi_tancar(estat_escena& s, serveis& sv) {
    if (s.handle_midi == 0) {
        return;
    }
    const int codi = sv.midi.tancar(s.handle_midi);
    if (codi != 0) {
        midi_error(sv, codi);
    }
    s.handle_midi = 0;
}

void midi_error(serveis& sv, int codi) {
    std::string text = sv.midi.text_error(codi);
    if (text.size() >= buffer_error) {
        text.resize(buffer_error - 1);
    }
    sv.eines.missatge(text, botons_missatge::ok, titol_missatge);
}

std::uint32_t midi_empaquetar(int offset, int data2, int data1, int status) {
    // data1 x 256 is worked out in 16 bits; the rest of the sum in 32.
    const std::int16_t d1 = enter16(data1, "data byte");
    if (d1 > std::numeric_limits<std::int16_t>::max() / 256 ||
        d1 < std::numeric_limits<std::int16_t>::min() / 256) {
        throw error_desbordament("MIDI data byte cannot be packed: " + std::to_string(data1));
    }
    const long long suma = static_cast<long long>(enter16(data2, "data byte")) * 65536 +
                           static_cast<long long>(d1) * 256 + enter16(status, "status") +
                           enter16(offset, "channel offset");
    if (suma < std::numeric_limits<std::int32_t>::min() ||
        suma > std::numeric_limits<std::int32_t>::max()) {
        throw error_desbordament("MIDI message does not fit 32 bits");
    }
    return static_cast<std::uint32_t>(static_cast<std::int32_t>(suma));
}

void midi_missatge(estat_escena& s, serveis& sv, int status, int data1, int data2) {
    // With no output open (its failed open was told) the exercise runs on
    // without sound: nothing to send, nothing more to tell.
    if (s.handle_midi == 0) {
        return;
    }
    // A value outside the MIDI ranges would spill into the neighbouring byte
    // and reach the device as a different message: nothing is sent for it.
    const int status_final = suma(status, s.valor_extra);
    if (status_final < 0x80 || status_final > 0xFF) {
        avisar_no_enviat(sv, "el byte d'estat (canal inclòs)", status_final, "128..255");
        return;
    }
    if (data1 < 0 || data1 > 127) {
        avisar_no_enviat(sv, nom_dada(status_final, true), data1, "0..127");
        return;
    }
    if (data2 < 0 || data2 > 127) {
        avisar_no_enviat(sv, nom_dada(status_final, false), data2, "0..127");
        return;
    }
    const std::uint32_t missatge = midi_empaquetar(0, data2, data1, status_final);
    const int codi = sv.midi.missatge_curt(s.handle_midi, missatge);
    if (codi != 0) {
        midi_error(sv, codi);
    }
}

void midi_control(estat_escena& s, serveis& sv, int canal, int controlador, int valor) {
    midi_missatge(s, sv, suma(0xB0, canal), controlador, valor);
}

void midi_nota(estat_escena& s, serveis& sv, int canal, int nota, int velocitat) {
    midi_missatge(s, sv, suma(0x90, canal), nota, velocitat);
}

void midi_programa(estat_escena& s, serveis& sv, int canal, int banc, int programa) {
    midi_control(s, sv, canal, 0, banc);
    midi_missatge(s, sv, suma(0xC0, canal), programa, 0);
}

} // namespace quorvel
