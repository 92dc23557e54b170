#include "platform/sdl/joystick_sdl.h"

#include "core/text.h"

#include <SDL.h>

#include <algorithm>
#include <cstring>
#include <utility>

namespace quorvel {

namespace {

constexpr std::uint32_t centre_eix = 32768;
constexpr int maxim_botons = 32;
// Three tenths of the half range: the dead zone a pad gets at detection.
constexpr int zona_morta = 9830;

int costat_eix(int valor) {
    return valor > zona_morta ? 1 : (valor < -zona_morta ? -1 : 0);
}

int costat_barret(Uint8 barret, Uint8 menor, Uint8 major) {
    return (barret & menor) != 0 ? -1 : ((barret & major) != 0 ? 1 : 0);
}

std::uint32_t valor_eix(SDL_Joystick* pad, int eix, int n_eixos) {
    if (eix >= n_eixos) {
        return centre_eix;
    }
    return static_cast<std::uint32_t>(static_cast<int>(SDL_JoystickGetAxis(pad, eix)) + 32768);
}

// A hat has no magnitude: full deflection one way or the other, or rest.
std::uint32_t valor_barret(Uint8 barret, Uint8 menor, Uint8 major) {
    if ((barret & menor) != 0) {
        return 0;
    }
    if ((barret & major) != 0) {
        return 65535;
    }
    return centre_eix;
}

std::array<std::uint8_t, 16> bytes_guid(const SDL_JoystickGUID& guid) {
    std::array<std::uint8_t, 16> bytes{};
    static_assert(sizeof(guid.data) == bytes.size());
    std::memcpy(bytes.data(), guid.data, bytes.size());
    return bytes;
}

std::string text_o_buit(const char* text) {
    return text != nullptr ? std::string(text) : std::string();
}

} // namespace

bool joystick_sdl::identitat::mateix_pad(const identitat& altre) const {
    if (guid != altre.guid || serial != altre.serial) {
        return false;
    }
    return !serial.empty() || (nom == altre.nom && botons == altre.botons);
}

joystick_sdl::joystick_sdl(std::chrono::milliseconds interval_cerca)
    : interval_cerca_(interval_cerca) {
    SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
    // SDL would turn SIGINT and SIGTERM into events that nobody reads, and
    // the program could no longer be stopped by the system.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_JOYSTICK) != 0) {
        error_ = text_o_buit(SDL_GetError());
        return;
    }
    iniciat_ = true;
    // The events carry the time of each change; every update drains them
    // (recollir_canvis), so they never pile up in SDL's queue.
    SDL_JoystickEventState(SDL_ENABLE);
    const int n = SDL_NumJoysticks();
    for (int i = 0; i < n; ++i) {
        SDL_Joystick* pad = SDL_JoystickOpen(i);
        if (pad == nullptr) {
            continue;
        }
        dispositius_.push_back({pad, SDL_JoystickInstanceID(pad), identitat_de(pad)});
    }
    darrera_cerca_ = std::chrono::steady_clock::now();
}

joystick_sdl::~joystick_sdl() {
    if (!iniciat_) {
        return;
    }
    for (auto& d : dispositius_) {
        if (d.pad != nullptr) {
            SDL_JoystickClose(d.pad);
        }
    }
    SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
}

joystick_sdl::identitat joystick_sdl::identitat_de(SDL_Joystick* pad) {
    identitat id;
    id.guid = bytes_guid(SDL_JoystickGetGUID(pad));
    id.serial = text_o_buit(SDL_JoystickGetSerial(pad));
    id.nom = text_o_buit(SDL_JoystickName(pad));
    id.botons = std::max(SDL_JoystickNumButtons(pad), 0);
    return id;
}

void joystick_sdl::alliberar(dispositiu& d) {
    SDL_JoystickClose(d.pad);
    d.pad = nullptr;
    d.instancia = -1;
    ++lliures_;
    // A pad turned away while this device was bound may be the one to take it.
    descartades_.clear();
}

bool joystick_sdl::instancia_lligada(std::int32_t instancia) const {
    return std::any_of(dispositius_.begin(), dispositius_.end(),
                       [&](const dispositiu& d) { return d.instancia == instancia; });
}

void joystick_sdl::cercar_pads_tornats() {
    for (auto& d : dispositius_) {
        if (d.pad != nullptr && SDL_JoystickGetAttached(d.pad) == SDL_FALSE) {
            alliberar(d);
        }
    }
    if (lliures_ == 0) {
        return;
    }
    const int n = SDL_NumJoysticks();
    for (int i = 0; i < n && lliures_ > 0; ++i) {
        const SDL_JoystickID instancia = SDL_JoystickGetDeviceInstanceID(i);
        if (instancia < 0 || instancia_lligada(instancia) ||
            std::find(descartades_.begin(), descartades_.end(), instancia) != descartades_.end()) {
            continue;
        }
        // The GUID is known without opening the pad; most strangers stop here.
        const auto guid = bytes_guid(SDL_JoystickGetDeviceGUID(i));
        const bool possible =
            std::any_of(dispositius_.begin(), dispositius_.end(),
                        [&](const dispositiu& d) { return d.pad == nullptr && d.id.guid == guid; });
        if (!possible) {
            descartades_.push_back(instancia);
            continue;
        }
        SDL_Joystick* pad = SDL_JoystickOpen(i);
        if (pad == nullptr) {
            continue;
        }
        const identitat id = identitat_de(pad);
        const auto lliure =
            std::find_if(dispositius_.begin(), dispositius_.end(), [&](const dispositiu& d) {
                return d.pad == nullptr && d.id.mateix_pad(id);
            });
        if (lliure == dispositius_.end()) {
            SDL_JoystickClose(pad);
            descartades_.push_back(instancia);
            continue;
        }
        lliure->pad = pad;
        lliure->instancia = instancia;
        --lliures_;
    }
}

int joystick_sdl::nombre_dispositius() {
    return static_cast<int>(dispositius_.size());
}

int joystick_sdl::llegir_posicio(int id, posicio_joystick& posicio) {
    if (id < 0 || id >= nombre_dispositius()) {
        return estat_parametres;
    }
    // A change that arrives while the polling reads the pads one by one may
    // concern a pad already read: it is kept for the next collection.
    pendent_ = actualitzar() || pendent_;
    dispositiu& d = dispositius_[static_cast<std::size_t>(id)];
    if (d.pad != nullptr && SDL_JoystickGetAttached(d.pad) == SDL_FALSE) {
        alliberar(d);
    }
    if (lliures_ > 0) {
        const auto ara = std::chrono::steady_clock::now();
        if (ara - darrera_cerca_ >= interval_cerca_) {
            darrera_cerca_ = ara;
            cercar_pads_tornats();
        }
    }
    SDL_Joystick* pad = d.pad;
    if (pad == nullptr) {
        return estat_desconnectat;
    }

    const int n_eixos = SDL_JoystickNumAxes(pad);
    if (n_eixos < 2 && SDL_JoystickNumHats(pad) > 0) {
        const Uint8 barret = SDL_JoystickGetHat(pad, 0);
        posicio.x = valor_barret(barret, SDL_HAT_LEFT, SDL_HAT_RIGHT);
        posicio.y = valor_barret(barret, SDL_HAT_UP, SDL_HAT_DOWN);
    } else {
        posicio.x = valor_eix(pad, 0, n_eixos);
        posicio.y = valor_eix(pad, 1, n_eixos);
    }
    posicio.z = valor_eix(pad, 2, n_eixos);

    const int n_botons = std::min(SDL_JoystickNumButtons(pad), maxim_botons);
    std::uint32_t mascara = 0;
    for (int k = 0; k < n_botons; ++k) {
        if (SDL_JoystickGetButton(pad, k) != 0) {
            mascara |= 1U << static_cast<unsigned>(k);
        }
    }
    posicio.botons = mascara;
    return 0;
}

int joystick_sdl::capacitats(int id, int& botons) {
    if (id < 0 || id >= nombre_dispositius()) {
        return estat_parametres;
    }
    const dispositiu& d = dispositius_[static_cast<std::size_t>(id)];
    if (d.pad == nullptr) {
        return estat_desconnectat;
    }
    botons = std::min(d.id.botons, maxim_botons);
    return 0;
}

double joystick_sdl::ara_ms() {
    return static_cast<double>(SDL_GetTicks64());
}

double joystick_sdl::moment_canvi(int id, int entrada) {
    if (id < 0 || id >= nombre_dispositius() || entrada < 1 ||
        entrada > static_cast<int>(dispositiu{}.moments.size())) {
        return ara_ms();
    }
    return dispositius_[static_cast<std::size_t>(id)]
        .moments[static_cast<std::size_t>(entrada - 1)];
}

joystick_sdl::dispositiu* joystick_sdl::per_instancia(std::int32_t instancia) {
    const auto it = std::find_if(dispositius_.begin(), dispositius_.end(),
                                 [&](const dispositiu& d) { return d.instancia == instancia; });
    return it != dispositius_.end() ? &*it : nullptr;
}

bool joystick_sdl::anotar(const SDL_Event& e) {
    const auto moment = static_cast<double>(e.common.timestamp);
    const auto canviar_costat = [&](dispositiu& d, int& costat, int nou, std::size_t primer) {
        if (costat == nou) {
            return false;
        }
        costat = nou;
        d.moments[primer] = moment;
        d.moments[primer + 1] = moment;
        return true;
    };
    switch (e.type) {
    case SDL_JOYBUTTONDOWN:
    case SDL_JOYBUTTONUP: {
        dispositiu* d = per_instancia(e.jbutton.which);
        if (d == nullptr || e.jbutton.button >= maxim_botons) {
            return false;
        }
        d->moments[4U + e.jbutton.button] = moment;
        return true;
    }
    case SDL_JOYAXISMOTION: {
        dispositiu* d = per_instancia(e.jaxis.which);
        if (d == nullptr || e.jaxis.axis > 1) {
            return false;
        }
        const int costat = costat_eix(e.jaxis.value);
        return e.jaxis.axis == 0 ? canviar_costat(*d, d->costat_x, costat, 0)
                                 : canviar_costat(*d, d->costat_y, costat, 2);
    }
    case SDL_JOYHATMOTION: {
        dispositiu* d = per_instancia(e.jhat.which);
        // A hat gives the directions only to a pad without a stick.
        if (d == nullptr || e.jhat.hat != 0 || d->pad == nullptr ||
            SDL_JoystickNumAxes(d->pad) >= 2) {
            return false;
        }
        // Down and up are inputs 3 and 4; the hat's "major" side is down.
        const bool x = canviar_costat(*d, d->costat_x,
                                      costat_barret(e.jhat.value, SDL_HAT_LEFT, SDL_HAT_RIGHT), 0);
        const bool y = canviar_costat(*d, d->costat_y,
                                      costat_barret(e.jhat.value, SDL_HAT_UP, SDL_HAT_DOWN), 2);
        return x || y;
    }
    default:
        return false;
    }
}

bool joystick_sdl::recollir_canvis() {
    const bool ara = actualitzar();
    return std::exchange(pendent_, false) || ara;
}

bool joystick_sdl::actualitzar() {
    if (!iniciat_) {
        return false;
    }
    SDL_JoystickUpdate();
    bool canvi = false;
    std::array<SDL_Event, 32> lot{};
    int n = 0;
    while ((n = SDL_PeepEvents(lot.data(), static_cast<int>(lot.size()), SDL_GETEVENT,
                               SDL_FIRSTEVENT, SDL_LASTEVENT)) > 0) {
        for (int k = 0; k < n; ++k) {
            canvi = anotar(lot[static_cast<std::size_t>(k)]) || canvi;
        }
    }
    return canvi;
}

std::string joystick_sdl::nom(int id) {
    if (id < 0 || id >= nombre_dispositius()) {
        return {};
    }
    return de_utf8(dispositius_[static_cast<std::size_t>(id)].id.nom);
}

} // namespace quorvel
