#include "content/escenari_fitxer.h"

#include "content/estat_contingut.h"
#include "core/nombres.h"
#include "core/pas.h"
#include "core/text.h"

#include <algorithm>
#include <string_view>
#include <type_traits>

namespace quorvel {

namespace {

// esc_llegint is 1 only while the call runs, however the call ends.
class indicador_lectura {
  public:
    indicador_lectura(estat_contingut& s, bool actiu) : s_(s) {
        if (actiu) {
            s_.esc_llegint = 1;
        }
    }
    ~indicador_lectura() { s_.esc_llegint = 0; }
    indicador_lectura(const indicador_lectura&) = delete;
    indicador_lectura& operator=(const indicador_lectura&) = delete;

  private:
    estat_contingut& s_;
};

class lectura_escenari {
  public:
    lectura_escenari(estat_contingut& s, servei_fitxers& fitxers, std::vector<avis_lectura>* avisos)
        : s_(s), lr_(s, fitxers, avisos) {}

    void llegir(const std::string& cami);

  private:
    void capcalera();
    void crear_graella();
    void element(int i);
    void element_buit(int i);
    template <class T> void nombre(int i, T casella_esc::*camp, std::string_view nom);
    void llista_media(int i);
    void nom_media(int i, int j, bool dins, const std::string& que);
    [[nodiscard]] std::string que(int i, std::string_view nom) const;
    [[nodiscard]] std::string que_media(int i, int j) const;
    [[nodiscard]] long long items(int i) const;
    bool reservar(long long n);

    estat_contingut& s_;
    lectura_contingut lr_;
    long long pressupost_ = escenari_maxim_items;
    bool pressupost_avisat_ = false;
    // The media count of the element read last: a count that does not fit
    // 16 bits leaves it as it was.
    std::int16_t c_ = 0;
};

void lectura_escenari::llegir(const std::string& cami) {
    lr_.obrir(cami);
    capcalera();
    crear_graella();
    for (int i = 1; i <= s_.esc_n; ++i) {
        if (lr_.passat_final()) {
            element_buit(i);
        } else {
            element(i);
        }
    }
    lr_.comprovar_sobrants();
}

void lectura_escenari::element_buit(int i) {
    // What reading ten empty records gives, without reading them: the fields
    // stay as created, a media count of 0, and for kinds 2 to 4 a list of one
    // empty item.
    if (s_.esc_tipus < 1 || s_.esc_tipus > 4) {
        return;
    }
    c_ = 0;
    if (s_.esc_tipus == 1 || !s_.graella.dins(i)) {
        return;
    }
    pressupost_ += items(i);
    if (reservar(1)) {
        pas([&] { s_.graella[i].fitxers.redimensionar(0, 0); });
    } else {
        pressupost_ -= items(i);
    }
}

void lectura_escenari::capcalera() {
    s_.esc_titol = lr_.registre("the title");

    const std::string tipus(retallar_espais(lr_.valor("the kind")));
    if (!pas([&] { s_.esc_tipus = enter16_estricte(tipus); }) && !lr_.passat_final()) {
        lr_.avisar("the kind " + citar(tipus) + " is not a 16-bit number; the previous kind " +
                   text_decimal(s_.esc_tipus) + " is kept");
    }

    const std::string n = lr_.valor("the element count");
    lr_.comprovar_nombre(n, "the element count");
    if (!pas([&] { s_.esc_n = a_enter16(valor_numeric(n)); })) {
        lr_.avisar("the element count " + citar(n) + " does not fit 16 bits; the previous " +
                   text_decimal(s_.esc_n) + " is kept");
    }
    if (s_.esc_n < 0) {
        lr_.avisar("the element count " + text_decimal(s_.esc_n) +
                   " is negative: the scenario has no elements");
    }
}

void lectura_escenari::crear_graella() {
    // A negative count leaves only element 0, as an empty file does, rather
    // than the elements of the scenario loaded before.
    pas([&] { s_.graella.redimensionar(0, std::max<int>(s_.esc_n, 0)); });
    const long long per_element =
        std::max<long long>(0, static_cast<long long>(s_.n_joysticks) + 1);
    for (int i = 0; s_.graella.dins(i); ++i) {
        if (reservar(per_element)) {
            pas([&] { s_.graella[i].fitxers.redimensionar(0, s_.n_joysticks); });
        }
    }
}

bool lectura_escenari::reservar(long long n) {
    if (n <= pressupost_) {
        pressupost_ -= n;
        return true;
    }
    if (!pressupost_avisat_) {
        pressupost_avisat_ = true;
        lr_.avisar("the media lists pass " + text_decimal(escenari_maxim_items) +
                   " items in all; the lists beyond are not created");
    }
    return false;
}

long long lectura_escenari::items(int i) const {
    if (!s_.graella.dins(i) || !s_.graella[i].fitxers.te_emmagatzematge()) {
        return 0;
    }
    const auto& f = s_.graella[i].fitxers;
    return static_cast<long long>(f.superior()) - f.inferior() + 1;
}

std::string lectura_escenari::que(int i, std::string_view nom) const {
    // Only notes use the description: plain loading does not build it.
    if (!lr_.amb_avisos()) {
        return {};
    }
    return "element " + text_decimal(i) + " " + std::string(nom);
}

std::string lectura_escenari::que_media(int i, int j) const {
    return lr_.amb_avisos() ? que(i, "media " + text_decimal(j)) : std::string();
}

template <class T>
void lectura_escenari::nombre(int i, T casella_esc::*camp, std::string_view nom) {
    const std::string q = que(i, nom);
    const std::string v = lr_.valor(q);
    lr_.comprovar_nombre(v, q);
    std::string limit = "16";
    const bool fet = pas([&] {
        const double n = valor_numeric(v);
        if constexpr (std::is_same_v<T, std::int32_t>) {
            limit = "32";
            s_.graella[i].*camp = a_enter32(n);
        } else {
            s_.graella[i].*camp = a_enter16(n);
        }
    });
    if (!fet) {
        lr_.avisar(q + " " + citar(v) + " does not fit " + limit + " bits; left 0");
    }
}

void lectura_escenari::element(int i) {
    const std::string nom = std::string(retallar_espais(lr_.valor(que(i, "nom"))));
    pas([&] {
        const std::string resolt = lr_.resoldre(nom);
        lr_.comprovar_media(resolt, que(i, "nom"));
        s_.graella[i].nom = resolt;
    });
    // The file gives the rectangle as top, left, right, bottom.
    nombre(i, &casella_esc::y_ini, "y_ini");
    nombre(i, &casella_esc::x_ini, "x_ini");
    nombre(i, &casella_esc::x_fi, "x_fi");
    nombre(i, &casella_esc::y_fi, "y_fi");
    nombre(i, &casella_esc::pas_x, "pas_x");
    nombre(i, &casella_esc::pas_y, "pas_y");
    nombre(i, &casella_esc::amplada, "amplada");
    nombre(i, &casella_esc::alcada, "alcada");
    if (s_.esc_tipus >= 1 && s_.esc_tipus <= 4) {
        llista_media(i);
    }
}

void lectura_escenari::nom_media(int i, int j, bool dins, const std::string& q) {
    // Past the end of the file every record is empty; skip asking for them.
    const std::string nom =
        lr_.passat_final() ? std::string() : std::string(retallar_espais(lr_.valor(q)));
    if (!dins) {
        return;
    }
    pas([&] {
        const std::string resolt = lr_.resoldre(nom);
        lr_.comprovar_media(resolt, q);
        casella_esc& e = s_.graella[i];
        e.fitxers[j].cami = resolt;
        e.fitxers[j].amplada = e.amplada;
        e.fitxers[j].alcada = e.alcada;
    });
}

void lectura_escenari::llista_media(int i) {
    const std::string q = que(i, "media count");
    const std::string v = lr_.valor(q);
    lr_.comprovar_nombre(v, q);
    if (!pas([&] { c_ = a_enter16(valor_numeric(v)); })) {
        lr_.avisar(q + " " + citar(v) + " does not fit 16 bits; the previous count " +
                   text_decimal(c_) + " is used");
    }
    if (!s_.graella.dins(i)) {
        return;
    }
    casella_esc& e = s_.graella[i];
    const int j_max = s_.n_joysticks;
    const auto dins = [&](int j) { return e.fitxers.dins(j); };

    if (s_.esc_tipus == 1) {
        if (c_ > j_max) {
            lr_.avisar(q + " " + text_decimal(c_) + " is more than the " + text_decimal(j_max) +
                       " players: only " + text_decimal(j_max + 1) +
                       " names are read and the rest are taken as the next records");
            c_ = static_cast<std::int16_t>(j_max);
        }
        for (int j = 0; j <= c_; ++j) {
            nom_media(i, j, dins(j), que_media(i, j));
        }
        // Players without a name of their own share the first one. Negative
        // indices are never in the list, so the copy starts at 0 at least.
        for (int j = std::max(c_ + 1, 0); j <= j_max; ++j) {
            if (dins(j) && dins(0)) {
                e.fitxers[j].cami = e.fitxers[0].cami;
                e.fitxers[j].amplada = e.amplada;
                e.fitxers[j].alcada = e.alcada;
            }
        }
        return;
    }

    if (c_ < 0) {
        lr_.avisar(q + " " + text_decimal(c_) + " is negative: the list keeps " +
                   text_decimal(items(i)) + " empty items");
        return;
    }
    pressupost_ += items(i);
    if (reservar(static_cast<long long>(c_) + 1)) {
        pas([&] { e.fitxers.redimensionar(0, c_); });
    } else {
        pressupost_ -= items(i);
    }
    for (int j = 0; j <= c_; ++j) {
        // Past the end of the file every record is empty: items outside the
        // list have nothing left to take.
        if (!dins(j) && lr_.passat_final()) {
            break;
        }
        nom_media(i, j, dins(j), que_media(i, j));
    }
}

} // namespace

void graella_carregar(estat_contingut& s, servei_fitxers& fitxers, const std::string& cami,
                      std::vector<avis_lectura>* avisos) {
    const indicador_lectura indicador(s, cami.find("graella.esc") != std::string::npos);
    lectura_escenari(s, fitxers, avisos).llegir(cami);
}

} // namespace quorvel
