#include "engine/despatxador.h"

#include "content/dibuix.h"
#include "content/rutes.h"
#include "content/tipus_exercici.h"
#include "core/errors.h"
#include "core/finestra.h"
#include "core/lletra_casella.h"
#include "core/nombres.h"
#include "core/noms_elements.h"
#include "core/pas.h"
#include "core/text.h"
#include "engine/estat_joc.h"
#include "engine/exercici.h"
#include "engine/sortejar.h"
#include "platform/serveis.h"
#include "platform/vista_escenari.h"
#include "stage/media.h"
#include "stage/midi.h"

#include <cmath>
#include <cstdlib>
#include <optional>
#include <string>
#include <utility>

namespace quorvel {

namespace {

constexpr double segons_dia = 86400.0;
// The media service answers into a buffer of this size.
constexpr std::size_t mida_resposta = 255;

int enter_de(const std::string& text) {
    return a_enter16(valor_numeric(text));
}

long twips(double valor) {
    return static_cast<long>(a_enter32(valor));
}

bool te_llista(const casella_esc& c) {
    return c.fitxers.te_emmagatzematge() && c.fitxers.superior() >= c.fitxers.inferior();
}

// First letter of a text; an empty text names no cell.
int primer_codi(const std::string& text) {
    if (text.empty()) {
        throw error_index("empty text names no cell");
    }
    return codi(text, 0);
}

// Puts back what a wait changed in the dispatcher's state, however the wait
// ends.
template <typename T> class restaurar {
  public:
    restaurar(T& valor, T nou) : valor_(valor), anterior_(std::exchange(valor, std::move(nou))) {}
    ~restaurar() { valor_ = std::move(anterior_); }
    restaurar(const restaurar&) = delete;
    restaurar& operator=(const restaurar&) = delete;

  private:
    T& valor_;
    T anterior_;
};

} // namespace

despatxador::despatxador(exercici& ex, estat_joc& s, serveis& sv, finestra& form1,
                         servei_escenari& vista)
    : ex_(ex), s_(s), sv_(sv), form1_(form1), vista_(vista) {}

retroaccio despatxador::retro() {
    return retroaccio{[this] { ex_.be(); }, [this] { ex_.mal(); }, [this] { ex_.be_final(); },
                      [this] { return ex_.escenari(); }};
}

std::int16_t despatxador::jutjar(int k, int tipus) {
    return resposta_jutjar(s_, sv_.fitxers, retro(), k, tipus);
}

void despatxador::cursa(int k, int tipus) {
    cursa_jutjar(s_, vista_.pantalla(), retro(), k, tipus);
}

finestra& despatxador::escenari() {
    finestra* e = ex_.escenari();
    if (e == nullptr) {
        throw error_element("no stage");
    }
    return *e;
}

void despatxador::imatge_llista(int j, int entrada) {
    const std::string cami = s_.graella[1].fitxers[entrada].cami;
    imatge_posar(sv_.fitxers, escenari(), j, cami);
}

double despatxador::segons_des_de(double inici) {
    double d = sv_.rellotge.segons() - inici;
    if (d < 0) {
        d += segons_dia; // the clock went past midnight
    }
    return d;
}

std::string despatxador::estat_media() {
    const resposta_media r = sv_.media.enviar("status " + s_.media_actual + " mode");
    if (r.estat != 0) {
        throw error_pas("media status failed");
    }
    std::string text = r.text.substr(0, std::min(r.text.find('\0'), mida_resposta));
    return text;
}

void despatxador::casella_canviada(int k) {
    std::string x;
    if (!pas([&] { x = form1_.obtenir(elements::caselles, k).text; })) {
        return;
    }
    if (s_.graella_fitxer.find("graella.esc") != std::string::npos) {
        pas([&] { imatges_escenari_defecte(k, x); });
    }
    if (x == "1") {
        activacio(k);
    } else {
        alliberament(k);
    }
}

void despatxador::imatges_escenari_defecte(int k, const std::string& x) {
    if (tipus_de_text(s_.tipus_exercici).numero == 50 && x != "0") {
        return;
    }
    if (te_llista(s_.graella[1])) {
        imatge_llista(k, enter_de(x));
    }
}

void despatxador::activacio(int k) {
    const tipus_exercici tipus = tipus_de_text(s_.tipus_exercici);
    const int t = tipus.numero;
    if (t == 3) {
        tipus_3(k);
    } else if (t == 4) {
        pas([&] { so_reproduir(s_, sv_, s_.llista_exercici[k]); });
    } else if (tipus.familia == familia_exercici::midi) {
        pas([&] { midi_nota(s_, sv_, 0, enter_de(s_.llista_exercici[k]), 127); });
    } else if (tipus.familia == familia_exercici::recorregut) {
        pas([&] {
            if (jutjar(k, t) == judici_be) {
                form1_.posar_color_fons(elements::caselles, k, color_groc);
            }
        });
    } else if (tipus.familia == familia_exercici::parelles) {
        pas([&] { tipus_9(k); });
    } else if (tipus.familia == familia_exercici::escoltar_i_trobar) {
        tipus_11_12(k, t);
    } else if (tipus.familia == familia_exercici::camins_fletxes) {
        cami_fletxes(k, t);
    } else if (t == 20) {
        pas([&] {
            const int n = a_enter16(valor_numeric(s_.resposta) + 1);
            pas([&] { imatge_llista(n, 1); });
            pas([&] { escenari().posar_caption(elements::texto, 1, text_decimal(n)); });
            s_.resposta = text_decimal(n);
        });
    } else if (t == 21) {
        pas([&] {
            const double r = valor_numeric(s_.resposta);
            if (k % 10 == 0) {
                s_.resposta = text_decimal(a_enter32(r + 10));
            } else if (r < k) {
                s_.resposta = text_decimal(k + k % 10);
            } else {
                s_.resposta = "-1";
            }
        });
    } else if (t == 22) {
        s_.resposta = s_.resposta.empty() ? text_decimal(k) : "-1";
    } else if (t == 23) {
        pas([&] {
            if (valor_numeric(s_.resposta) + 1 == primer_codi(s_.elements[0].especials)) {
                ex_.be_final();
            }
        });
    } else if (t == 24) {
        pas([&] {
            const std::string especials = s_.elements[0].especials;
            const double r = valor_numeric(s_.resposta);
            if (k % 10 == 0 && valor_numeric(especials) > k) {
                s_.resposta = text_decimal(a_enter32(r + 10));
            } else if (r < k) {
                s_.resposta = text_decimal(k);
            } else {
                s_.resposta = "-1";
            }
            if (valor_numeric(s_.resposta) == primer_codi(especials)) {
                ex_.be_final();
            }
        });
    } else if (t == 50) {
        tipus_50(k);
    } else if (t == 51) {
        tipus_51(k);
    }
}

void despatxador::tipus_3(int k) {
    if (s_.media_actual.empty()) {
        pas([&] { so_reproduir(s_, sv_, s_.llista_exercici[k]); });
    }
    if (!s_.media_actual.empty()) {
        pas([&] { sv_.media.enviar("resume  " + s_.media_actual); });
        const unsigned long execucio = ex_.execucio();
        if (escolta_ && escolta_->execucio == execucio) {
            // A press while the item is heard lengthens the wait that runs:
            // one wait at a time, however often the players press.
            escolta_->inici = sv_.rellotge.segons();
            return;
        }
        const restaurar<std::optional<espera>> guarda(escolta_,
                                                      espera{sv_.rellotge.segons(), execucio});
        while (ex_.execucio() == execucio && segons_des_de(escolta_->inici) <= escolta_s) {
            sv_.eines.bombar();
        }
        if (ex_.execucio() != execucio) {
            return; // stopped or restarted while the events ran
        }
        if (!s_.media_actual.empty()) {
            pas([&] { sv_.media.enviar("pause " + s_.media_actual); });
        }
    }
    if (!s_.media_actual.empty()) {
        pas([&] {
            if (estat_media() == "stopped") {
                s_.media_actual.clear();
            }
        });
    }
}

void despatxador::tipus_9(int k) {
    if (s_.mapa_botons[k].joy != 1) {
        jutjar(k, 9);
        return;
    }
    const int ordre = s_.caselles_estat(k, 2);
    s_.resposta += text_casella(ordre);
    if (te_llista(s_.graella[1])) {
        imatge_llista(1, ordre);
    }
}

void despatxador::tipus_11_12(int k, int t) {
    const unsigned long execucio = ex_.execucio();
    if (espera_media_ == execucio) {
        // The players are hearing the feedback or the target: a press now is
        // not an answer, and it is not kept for later.
        return;
    }
    bool ok = false;
    pas([&] { ok = jutjar(k, 6) == judici_be; });

    // Wait for the media in play to end, pumping events so that the player
    // reports its state. A paused item, a failing query or an item that plays
    // on past the limit ends the wait too; the last one is closed. Stop, or
    // the final feedback, may end the run while the events run: the wait then
    // returns without acting on the new state.
    const restaurar<std::optional<unsigned long>> guarda(espera_media_, execucio);
    const double inici = sv_.rellotge.segons();
    while (!s_.media_actual.empty() && ex_.execucio() == execucio) {
        std::string estat;
        if (!pas([&] { estat = estat_media(); }) || estat != "playing") {
            s_.media_actual.clear();
            break;
        }
        if (segons_des_de(inici) > espera_maxima_s) {
            pas([&] { sv_.media.enviar("close " + s_.media_actual); });
            s_.media_actual.clear();
            break;
        }
        sv_.eines.bombar();
    }
    if (ex_.execucio() != execucio) {
        return;
    }

    int j = 0;
    if (ok) {
        pas([&] { form1_.posar_color_fons(elements::caselles, k, color_groc); });
        pas([&] { j = casella_sortejar(s_, sv_.rellotge); });
    } else {
        pas([&] {
            const std::string& correctes = s_.elements[0].correctes;
            if (!correctes.empty()) {
                j = casella_lletra(correctes.back());
            }
        });
    }
    if (j <= 0) {
        return; // no target: nothing to play
    }
    if (t == 11) {
        pas([&] { so_reproduir(s_, sv_, s_.llista_exercici[j]); });
    } else {
        pas([&] { midi_nota(s_, sv_, 0, enter_de(s_.llista_exercici[j]), 127); });
    }
}

void despatxador::cami_fletxes(int k, int t) {
    bool ok = false;
    pas([&] { ok = jutjar(k, t - 9) == judici_be; });
    if (!ok) {
        return;
    }
    pas([&] { form1_.posar_color_fons(elements::caselles, k, color_groc); });
    pas([&] {
        const std::string resposta = s_.resposta;
        const std::string darrera = resposta.substr(resposta.size() - 1);
        const int c = casella_columna(s_, darrera);
        const int r = casella_fila(s_, darrera);
        const int columnes = s_.n_columnes;
        const int files = s_.n_botons / columnes + (s_.n_botons % columnes != 0 ? 1 : 0);

        auto mostrar = [&](int p, int q) {
            std::string direccions(static_cast<std::size_t>(std::abs(q - r)), q > r ? 'D' : 'U');
            direccions.append(static_cast<std::size_t>(std::abs(p - c)), p > c ? 'R' : 'L');
            fletxes_mostrar(direccions);
        };

        if (t == 16) {
            const std::string& seq = s_.elements[0].sequencia;
            const std::string seguent = resposta.size() <= seq.size()
                                            ? seq.substr(resposta.size() - 1, 1)
                                            : s_.elements[0].especials.substr(0, 1);
            if (seguent.empty()) {
                throw error_index("no next cell");
            }
            mostrar(casella_columna(s_, seguent), casella_fila(s_, seguent));
            return;
        }

        // Type 17's formulas give the next column and row themselves, from
        // the current ones: the same reading the judgement checks the step by.
        int columna_seguent = 0;
        int fila_seguent = 0;
        if (t == 17) {
            columna_seguent = static_cast<int>(a_enter32(std::floor(
                valor_numeric(formula_calcular(s_, static_cast<std::int16_t>(c), 0, 3)))));
            fila_seguent = static_cast<int>(a_enter32(std::floor(
                valor_numeric(formula_calcular(s_, static_cast<std::int16_t>(r), 0, 4)))));
        }
        for (int rebutjos = 0;; ++rebutjos) {
            int p = c;
            int q = r;
            if (t == 15) {
                const int d =
                    std::min(3, static_cast<int>(std::floor(4 * sv_.rellotge.aleatori())));
                if (d == 0) {
                    p = c >= columnes ? c - 1 : c + 1;
                } else if (d == 1) {
                    p = c < 2 ? c + 1 : c - 1;
                } else if (d == 2) {
                    q = r >= files ? r - 1 : r + 1;
                } else {
                    q = r < 2 ? r + 1 : r - 1;
                }
            } else {
                p = columna_seguent;
                q = fila_seguent;
            }
            const long n = static_cast<long>(q - 1) * columnes + p;
            const bool dins_tauler = p >= 1 && p <= columnes && q >= 1 && q <= files &&
                                     n <= s_.n_botons && n <= casella_lletra_maxima;
            if (dins_tauler) {
                const char lletra = lletra_casella(static_cast<int>(n));
                const bool nova = resposta.find(lletra) == std::string::npos || rebutjos > 8;
                if (nova && s_.mapa_botons.dins(n) && s_.mapa_botons[n].joy != -2) {
                    s_.elements[0].sequencia = resposta + lletra;
                    mostrar(p, q);
                    return;
                }
            }
            if (rebutjos > 8) {
                ex_.be_final();
                return;
            }
        }
    });
}

void despatxador::fletxes_mostrar(const std::string& direccions) {
    finestra& esc = escenari();
    const int l = static_cast<int>(direccions.size());
    for (const int i : esc.indexos(elements::imatge)) {
        if (i >= 1) {
            pas([&] { esc.posar_visible(elements::imatge, i, false); });
            if (i > l) {
                pas([&] { esc.descarregar(elements::imatge, i); });
            }
        }
    }
    const mida_pantalla pantalla = vista_.pantalla();
    for (int i = 1; i <= l; ++i) {
        pas([&] {
            if (!esc.existeix(elements::imatge, i)) {
                esc.carregar(elements::imatge, i);
            }
        });
        pas([&] {
            const char d = direccions[static_cast<std::size_t>(i - 1)];
            const char* nom = d == 'U'   ? "up.gif"
                              : d == 'D' ? "down.gif"
                              : d == 'R' ? "right.gif"
                                         : "left.gif";
            imatge_posar(sv_.fitxers, esc, i, s_.carpeta_programa + "\\imatge\\" + nom);
        });
        long x = 0;
        pas([&] {
            const element& e = esc.obtenir(elements::imatge, i);
            if (i == 1) {
                const long costat = twips(0.9 * static_cast<double>(pantalla.alcada_twips) / l);
                esc.posar_posicio(elements::imatge, 1, e.left, e.top, costat, costat);
                x = twips(0.05 * static_cast<double>(pantalla.amplada_twips));
            } else {
                const element& anterior = esc.obtenir(elements::imatge, i - 1);
                x = anterior.left + twips(1.1 * static_cast<double>(anterior.width));
            }
        });
        pas([&] {
            const element& primer = esc.obtenir(elements::imatge, 1);
            esc.posar_posicio(elements::imatge, i, x, 0, primer.width, primer.height);
            esc.posar_visible(elements::imatge, i, true);
        });
    }
}

void despatxador::tipus_50(int k) {
    int marca = 0;
    if (!pas([&] { marca = s_.caselles_estat(k, 3); })) {
        return;
    }
    auto reproduir = [&](std::string element_exercici::*camp) {
        pas([&] {
            const std::string cami = s_.elements[0].*camp;
            so_reproduir(s_, sv_, cami);
        });
    };
    auto pintar = [&](color c) { pas([&] { form1_.posar_color_fons(elements::caselles, k, c); }); };
    switch (marca) {
    case 2:
        reproduir(&element_exercici::media_3);
        pintar(color_verd);
        pas([&] { imatge_llista(k, 1); });
        break;
    case 1:
        reproduir(&element_exercici::media_1);
        pintar(color_gris);
        pas([&] { imatge_llista(k, 3); });
        break;
    case 0:
        pas([&] { imatge_llista(k, 2); });
        break;
    case -1:
        reproduir(&element_exercici::media_2);
        pintar(color_vermell);
        break;
    case -2:
        reproduir(&element_exercici::media_4);
        pintar(color_negre);
        break;
    default:
        break;
    }
}

void despatxador::tipus_51(int k) {
    pas([&] {
        if (s_.caselles_estat(k, 3) == 2) {
            pas([&] {
                const std::string cami = s_.elements[0].media_3;
                so_reproduir(s_, sv_, cami);
            });
            pas([&] { form1_.posar_color_fons(elements::caselles, k, color_verd); });
            pas([&] { imatge_llista(k, 1); });
        }
    });
    auto veu = [&](int entrada) {
        pas([&] {
            so_reproduir(s_, sv_,
                         ruta_subcarpeta(sv_.fitxers, s_.carpeta_programa, "veu\\",
                                         s_.llista_exercici[entrada]));
        });
    };
    // Field 1 is the row, field 2 the column; the list holds the near hint
    // and then the two directions of rows and of columns.
    auto pista = [&](int camp, int cap_endavant, int enrere) {
        pas([&] {
            const int amagada = primer_codi(s_.elements[0].especials);
            const int d = s_.caselles_estat(amagada, camp) - s_.caselles_estat(k, camp);
            const int ultima = s_.caselles_estat(s_.n_botons, camp);
            if (ultima == 0) {
                throw error_aritmetic("board without rows or columns");
            }
            const double percentatge = std::abs(d) / static_cast<double>(ultima) * 100.0;
            if ((percentatge < 20 || std::abs(d) < 2) && d != 0) {
                veu(0);
            }
            if (d > 0) {
                veu(cap_endavant);
            } else if (d < 0) {
                veu(enrere);
            }
        });
    };
    pista(1, 1, 2);
    pista(2, 3, 4);
}

void despatxador::alliberament(int k) {
    double t = 0;
    pas([&] { t = valor_tipus(s_.tipus_exercici); });
    if (t == 9) {
        pas([&] {
            if (s_.mapa_botons[k].joy == 1) {
                const std::string cami =
                    imatge_programa(s_, sv_.fitxers, s_.graella[1].fitxers[0].cami);
                imatge_posar(sv_.fitxers, escenari(), 1, cami);
            }
        });
    }
    if (t != 20 && valor_numeric(s_.resposta) > 0) {
        pas([&] {
            const int n = a_enter16(valor_numeric(s_.resposta));
            pas([&] {
                const std::string cami =
                    imatge_programa(s_, sv_.fitxers, s_.graella[1].fitxers[0].cami);
                imatge_posar(sv_.fitxers, escenari(), n, cami);
            });
            pas([&] { escenari().posar_caption(elements::texto, 1, text_decimal(n - 1)); });
            s_.resposta = text_decimal(n - 1);
        });
    }
}

} // namespace quorvel
