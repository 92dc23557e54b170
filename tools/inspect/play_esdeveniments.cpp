// Printing a dry run's events.
#include "tools/inspect/play_esdeveniments.h"

#include "app/programa.h"
#include "app/sessio.h"
#include "content/tipus_exercici.h"
#include "core/noms_elements.h"
#include "platform/simulat/temps_simulat.h"
#include "tools/inspect/sortida.h"

#include <cmath>
#include <iostream>

namespace quorvel::inspect {

namespace {

using json = esdeveniments_play::json;

// The simulated clock's time when the run begins.
constexpr double inici_s = 36000.0;

// A path as printed: "/" separators, UTF-8.
json cami_json(std::string cami) {
    for (char& c : cami) {
        if (c == '\\') {
            c = '/';
        }
    }
    return text_json(cami);
}

long pixels(long twips, double per_pixel) {
    return static_cast<long>(std::lround(static_cast<double>(twips) / per_pixel));
}

} // namespace

esdeveniments_play::esdeveniments_play(const rellotge_simulat& rellotge,
                                       const mida_pantalla& pantalla)
    : rellotge_(rellotge), pantalla_(pantalla) {}

void esdeveniments_play::emetre(json esdeveniment) {
    json linia;
    linia["ms"] = std::llround((rellotge_.ara - inici_s) * 1000.0);
    for (auto& [clau, valor] : esdeveniment.items()) {
        linia[clau] = valor;
    }
    std::cout << linia.dump(-1, ' ', false, json::error_handler_t::replace) << '\n';
}

void esdeveniments_play::missatge(const std::string& text, bool ok) {
    emetre(json{{"event", "message"}, {"text", text_json(text)}, {"reply", ok ? "ok" : "cancel"}});
}

void esdeveniments_play::midi(std::uint32_t m) {
    emetre(json{{"event", "midi"}, {"bytes", {m & 0xFFu, (m >> 8) & 0xFFu, (m >> 16) & 0xFFu}}});
}

void esdeveniments_play::escenari(bool obert) {
    emetre(json{{"event", "stage"}, {"state", obert ? "open" : "closed"}});
}

// Steps are named by their file from the source root, wherever it was built.
void esdeveniments_play::pas_saltat(const lloc_pas& on, std::string_view motiu) {
    std::string fitxer = on.fitxer;
    for (const char* arrel : {"/content/", "/engine/", "/board/", "/stage/", "/joystick/", "/app/",
                              "/core/", "/i18n/"}) {
        if (const auto i = fitxer.rfind(arrel); i != std::string::npos) {
            fitxer = fitxer.substr(i + 1);
            break;
        }
    }
    emetre(json{{"event", "skipped"},
                {"step", fitxer + ":" + std::to_string(on.linia)},
                {"reason", std::string(motiu)}});
}

void esdeveniments_play::ordre_media(const std::string& ordre) {
    if (ordre.starts_with("play ") && !ordre.starts_with("play animation")) {
        emetre(json{{"event", "play"}, {"path", cami_json(ordre.substr(5))}});
    } else if (ordre.starts_with("open \"")) {
        const auto fi = ordre.find('"', 6);
        emetre(json{{"event", "play"}, {"path", cami_json(ordre.substr(6, fi - 6))}});
    } else {
        emetre(json{{"event", "media"}, {"command", cami_json(ordre)}});
    }
}

void esdeveniments_play::canvi_consola(const element& e, propietat pr) {
    if (pr != propietat::color_fons) {
        return;
    }
    const json rgb =
        e.color_fons ? json{e.color_fons->r, e.color_fons->g, e.color_fons->b} : json(nullptr);
    if (e.nom.empty()) {
        emetre(json{{"event", "colour"}, {"window", "console"}, {"rgb", rgb}});
    } else if (e.nom == elements::caselles && e.index) {
        emetre(json{{"event", "colour"}, {"cell", *e.index}, {"rgb", rgb}});
    }
}

void esdeveniments_play::canvi_escenari(const element& e, propietat pr) {
    const int index = e.index.value_or(0);
    if (pr == propietat::imatge) {
        emetre(json{{"event", "picture"}, {"index", index}, {"path", cami_json(e.imatge)}});
    } else if (pr == propietat::caption || pr == propietat::text) {
        emetre(json{{"event", "label"},
                    {"index", index},
                    {"text", text_json(pr == propietat::caption ? e.caption : e.text)}});
    } else if (pr == propietat::visible) {
        emetre(json{{"event", "visible"}, {"index", index}, {"value", e.visible}});
    } else if (pr == propietat::posicio) {
        const mida_pantalla m = pantalla_;
        const long left = pixels(e.left, m.twips_per_pixel_x);
        const long top = pixels(e.top, m.twips_per_pixel_y);
        emetre(json{{"event", "geometry"},
                    {"element", e.nom},
                    {"index", index},
                    {"left", left},
                    {"top", top},
                    {"width", pixels(e.width, m.twips_per_pixel_x)},
                    {"height", pixels(e.height, m.twips_per_pixel_y)}});
        if (engegat_ && e.nom == elements::imatge && p_->app().estat().tipus.es_cursa() &&
            index >= 1 && index <= p_->app().estat().n_joysticks) {
            emetre(json{{"event", "token"}, {"player", index}, {"left", left}, {"top", top}});
        }
    }
}

void esdeveniments_play::avis(avis_exercici a) {
    const sessio& s = p_->app().estat();
    switch (a) {
    case avis_exercici::engegat:
        engegat_ = true;
        vigilar();
        emetre(json{{"event", "start"},
                    {"type", text_json(s.tipus.text)},
                    {"items", s.n_elements},
                    {"cells", s.n_botons},
                    {"columns", s.n_columnes}});
        break;
    case avis_exercici::aturat:
        engegat_ = false;
        break;
    case avis_exercici::be:
        emetre(json{{"event", "feedback"}, {"kind", "right"}});
        break;
    case avis_exercici::mal:
        emetre(json{{"event", "feedback"}, {"kind", "wrong"}});
        break;
    case avis_exercici::final:
        emetre(json{{"event", "feedback"}, {"kind", "final"}});
        break;
    }
    vigilar();
}

// Changes of the answer and of the current question, which are state
// rather than events: compared with what was printed last.
void esdeveniments_play::vigilar() {
    if (p_ == nullptr) {
        return;
    }
    const sessio& s = p_->app().estat();
    if (s.resposta != resposta_) {
        resposta_ = s.resposta;
        emetre(json{{"event", "answer"}, {"resposta", text_json(resposta_)}});
    }
    if (s.elements.dins(0)) {
        const element_exercici& e = s.elements[0];
        const std::string clau =
            e.correctes + '\x1f' + e.especials + '\x1f' + e.sequencia + '\x1f' + e.consigna;
        if (clau != item_) {
            item_ = clau;
            int index = 0;
            for (int i = 1; s.elements.dins(i); ++i) {
                const element_exercici& c = s.elements[i];
                if (c.correctes == e.correctes && c.especials == e.especials &&
                    c.consigna == e.consigna) {
                    index = i;
                    break;
                }
            }
            emetre(json{{"event", "item"},
                        {"index", index},
                        {"correctes", text_json(e.correctes)},
                        {"especials", text_json(e.especials)},
                        {"sequencia", text_json(e.sequencia)}});
        }
    }
}

} // namespace quorvel::inspect
