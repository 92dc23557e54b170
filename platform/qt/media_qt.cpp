#include "platform/qt/media_qt.h"

#include "core/text.h"
#include "platform/qt/media_reproductor_midi.h"
#include "platform/qt/media_reproductor_qt.h"

#include <fluidsynth.h>

#include <QDebug>
#include <QString>

#include <algorithm>
#include <set>
#include <system_error>
#include <utility>

namespace quorvel {
namespace {

enum class classe_media { so, video, midi };

std::string minuscules_ascii(std::string t) {
    std::transform(t.begin(), t.end(), t.begin(), [](char c) {
        return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    });
    return t;
}

// The device kind: the "type" option when it names one, else the extension.
classe_media classe_de(const std::filesystem::path& fitxer, const std::string& tipus) {
    const std::string t = minuscules_ascii(tipus);
    if (t == "sequencer") {
        return classe_media::midi;
    }
    if (t == "avivideo" || t == "mpegvideo" || t == "digitalvideo") {
        return classe_media::video;
    }
    if (t == "waveaudio") {
        return classe_media::so;
    }
    static const std::set<std::string> midi{".mid", ".midi", ".kar", ".rmi"};
    static const std::set<std::string> video{".avi",  ".mp4", ".m4v", ".mkv", ".webm", ".mpg",
                                             ".mpeg", ".mov", ".wmv", ".ogv", ".flv",  ".3gp"};
    const std::string ext = minuscules_ascii(fitxer.extension().string());
    if (midi.count(ext) != 0) {
        return classe_media::midi;
    }
    if (video.count(ext) != 0) {
        return classe_media::video;
    }
    return classe_media::so;
}

const char* nom_mode(mode_media m) {
    switch (m) {
    case mode_media::reproduint:
        return "playing";
    case mode_media::en_pausa:
        return "paused";
    case mode_media::aturat:
        break;
    }
    return "stopped";
}

} // namespace

media_qt::media_qt(convertir_cami cami_local) : cami_local_(std::move(cami_local)) {}

media_qt::~media_qt() = default;

std::filesystem::path media_qt::cami_simple(const std::string& cami) {
    std::string utf8 = a_utf8(cami);
    std::replace(utf8.begin(), utf8.end(), '\\', '/');
    return std::filesystem::path(utf8);
}

std::string media_qt::text_error(int codi) {
    switch (codi) {
    case media_correcte:
        return "no error";
    case media_ordre_incorrecta:
        return "the command could not be read";
    case media_ordre_desconeguda:
        return "unknown command";
    case media_dispositiu_desconegut:
        return "no device of that name is open";
    case media_fitxer_inexistent:
        return "the file does not exist";
    case media_no_suportat:
        return "the device does not support that command";
    case media_format_desconegut:
        return "the file cannot be played";
    case media_sense_audio:
        return "no audio output could be opened for MIDI playback";
    case media_sense_soundfont:
        return "no General MIDI soundfont found";
    default:
        return "unknown media error " + std::to_string(codi);
    }
}

void media_qt::avisar(const std::string& cami, const std::string& causa) const {
    if (fallada_) {
        // A path sent padded names the same file.
        const auto final = cami.find_last_not_of(' ');
        fallada_({cami.substr(0, final == std::string::npos ? 0 : final + 1), causa});
    }
}

resposta_media media_qt::enviar(const std::string& ordre) {
    const resultat_ordre r = llegir_ordre_media(ordre);
    if (!r.ordre) {
        qWarning().noquote() << "media command not understood:" << QString::fromStdString(r.error);
        return {media_ordre_incorrecta, {}};
    }
    return executar(*r.ordre);
}

media_qt::dispositiu* media_qt::trobar(const std::string& nom) {
    if (const auto it = dispositius_.find(nom); it != dispositius_.end()) {
        return &it->second;
    }
    // A device opened under an alias is still known by its path, so that the
    // commands sent on the current media's path reach a video too.
    for (auto& [clau, d] : dispositius_) {
        if (d.cami == nom) {
            return &d;
        }
    }
    return nullptr;
}

int media_qt::obrir(const std::string& nom, const std::string& cami, const std::string& tipus) {
    // Opening a name already in use replaces the old device, so a clip left
    // open under the alias never plays in place of the new one.
    dispositius_.erase(nom);

    const std::filesystem::path fitxer = cami_local_(cami);
    std::error_code ec;
    if (!std::filesystem::is_regular_file(fitxer, ec)) {
        return media_fitxer_inexistent;
    }
    std::unique_ptr<reproductor_media> reproductor;
    switch (classe_de(fitxer, tipus)) {
    case classe_media::midi: {
        if (fluid_is_midifile(fitxer.c_str()) == 0) {
            return media_format_desconegut;
        }
        if (!motor_midi_) {
            int codi = media_correcte;
            motor_midi_ = motor_midi::crear(reproductor_midi::soundfonts_sistema(), codi);
            if (!motor_midi_) {
                return codi;
            }
        }
        reproductor = std::make_unique<reproductor_midi>(motor_midi_, fitxer);
        break;
    }
    case classe_media::video:
    case classe_media::so:
        // The device belongs to this service, so the service outlives its reports.
        reproductor = std::make_unique<reproductor_qt>(
            fitxer, classe_de(fitxer, tipus) == classe_media::video,
            [this, cami](const std::string& causa) { avisar(cami, causa); });
        break;
    }
    dispositius_.emplace(nom, dispositiu{cami, std::move(reproductor)});
    return media_correcte;
}

int media_qt::tancar(const std::string& nom) {
    if (minuscules_ascii(nom) == "all") {
        dispositius_.clear();
        return media_correcte;
    }
    const auto abans = dispositius_.size();
    std::erase_if(dispositius_, [&](const auto& parell) {
        return parell.first == nom || parell.second.cami == nom;
    });
    return dispositius_.size() < abans ? media_correcte : media_dispositiu_desconegut;
}

resposta_media media_qt::executar(const ordre_media& o) {
    if (o.verb == "open") {
        return {obrir(o.alias.empty() ? o.dispositiu : o.alias, o.dispositiu, o.tipus), {}};
    }
    if (o.verb == "close") {
        return {tancar(o.dispositiu), {}};
    }
    if (o.verb != "play" && o.verb != "pause" && o.verb != "resume" && o.verb != "stop" &&
        o.verb != "status" && o.verb != "put") {
        return {media_ordre_desconeguda, {}};
    }

    dispositiu* d = trobar(o.dispositiu);
    if (d == nullptr && o.verb == "play") {
        // A file played by its path is opened on the way.
        if (const int codi = obrir(o.dispositiu, o.dispositiu, {}); codi != media_correcte) {
            avisar(o.dispositiu, text_error(codi));
            return {codi, {}};
        }
        d = trobar(o.dispositiu);
    }
    if (d == nullptr) {
        return {media_dispositiu_desconegut, {}};
    }
    reproductor_media& r = *d->reproductor;
    if (o.verb == "play") {
        const int codi = r.reproduir();
        if (codi != media_correcte) {
            avisar(d->cami, text_error(codi));
        }
        return {codi, {}};
    }
    if (o.verb == "pause") {
        r.pausar();
    } else if (o.verb == "resume") {
        r.reprendre();
    } else if (o.verb == "stop") {
        r.aturar();
    } else if (o.verb == "status") {
        if (o.element != "mode") {
            return {media_no_suportat, {}};
        }
        return {media_correcte, nom_mode(r.mode())};
    } else if (o.verb == "put") {
        if (!o.finestra || !r.situar_finestra(*o.finestra)) {
            return {media_no_suportat, {}};
        }
    }
    return {media_correcte, {}};
}

} // namespace quorvel
