#include "platform/local/perfil_ini.h"

#include "core/text.h"
#include "platform/local/escriptura_atomica.h"
#include "platform/local/fitxers_disc.h"

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string_view>
#include <system_error>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quorvel {

namespace fs = std::filesystem;

namespace {

// A line of the file as it is on disk: its bytes and its own line end, so that
// lines the service does not touch are written back exactly.
struct linia {
    std::string contingut;
    std::string final; // "\r\n", "\n", "\r", or empty for a last line without one
};

struct fitxer_ini {
    std::string marca; // UTF-8 byte order mark, kept in front of the first line
    std::vector<linia> linies;
    bool utf8 = false;
    std::string final_linia = "\r\n"; // style for new lines
};

enum class tipus_linia { altra, comentari, seccio, clau };

// What a line means. Names and values are byte ranges of the raw line: the
// delimiters are ASCII, which never occurs inside a UTF-8 sequence.
struct analisi {
    tipus_linia tipus = tipus_linia::altra;
    std::string_view nom;
    std::size_t inici_valor = 0;
    std::size_t fi_valor = 0;
};

bool es_blanc(char c) {
    return c == ' ' || c == '\t';
}

std::string_view retallar(std::string_view t) {
    std::size_t a = 0;
    std::size_t b = t.size();
    while (a < b && es_blanc(t[a])) {
        ++a;
    }
    while (b > a && es_blanc(t[b - 1])) {
        --b;
    }
    return t.substr(a, b - a);
}

analisi analitzar(std::string_view l) {
    analisi a;
    std::size_t inici = 0;
    while (inici < l.size() && es_blanc(l[inici])) {
        ++inici;
    }
    if (inici == l.size()) {
        return a;
    }
    if (l[inici] == ';' || l[inici] == '#') {
        a.tipus = tipus_linia::comentari;
        return a;
    }
    if (l[inici] == '[') {
        // A header without its closing bracket still opens a section, so that
        // the keys below it never leak into the section above.
        const std::size_t tanca = l.find(']', inici + 1);
        const std::size_t fi = tanca == std::string_view::npos ? l.size() : tanca;
        a.tipus = tipus_linia::seccio;
        a.nom = retallar(l.substr(inici + 1, fi - inici - 1));
        return a;
    }
    const std::size_t igual = l.find('=', inici);
    if (igual == std::string_view::npos) {
        return a;
    }
    a.nom = retallar(l.substr(inici, igual - inici));
    if (a.nom.empty()) {
        return a;
    }
    a.tipus = tipus_linia::clau;
    a.inici_valor = igual + 1;
    while (a.inici_valor < l.size() && es_blanc(l[a.inici_valor])) {
        ++a.inici_valor;
    }
    a.fi_valor = l.size();
    while (a.fi_valor > a.inici_valor && es_blanc(l[a.fi_valor - 1])) {
        --a.fi_valor;
    }
    return a;
}

fitxer_ini partir(std::string_view bytes) {
    fitxer_ini f;
    f.utf8 = fitxer_es_utf8(bytes);
    if (f.utf8 && bytes.starts_with("\xEF\xBB\xBF")) {
        f.marca = bytes.substr(0, 3);
        bytes.remove_prefix(3);
    }
    bool estil_trobat = false;
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        const std::size_t fi = bytes.find_first_of("\r\n", pos);
        if (fi == std::string_view::npos) {
            f.linies.push_back({std::string(bytes.substr(pos)), ""});
            break;
        }
        const std::size_t llarg_final = bytes.substr(fi, 2) == "\r\n" ? 2 : 1;
        f.linies.push_back(
            {std::string(bytes.substr(pos, fi - pos)), std::string(bytes.substr(fi, llarg_final))});
        if (!estil_trobat) {
            f.final_linia = f.linies.back().final;
            estil_trobat = true;
        }
        pos = fi + llarg_final;
    }
    return f;
}

std::string unir(const fitxer_ini& f) {
    std::string bytes = f.marca;
    for (const linia& l : f.linies) {
        bytes += l.contingut;
        bytes += l.final;
    }
    return bytes;
}

std::string a_text(const fitxer_ini& f, std::string_view bytes) {
    return f.utf8 ? de_utf8(bytes) : std::string(bytes);
}

std::string a_bytes(const fitxer_ini& f, std::string_view text) {
    return f.utf8 ? a_utf8(text) : std::string(text);
}

// Where a key is, as the reader sees it and the writer changes it: the first
// occurrence of the key in a section of that name; and, for a new key, the line
// after which it goes in the first section of that name.
struct cerca {
    std::optional<std::size_t> seccio;
    std::optional<std::size_t> clau;
    std::size_t inserir_despres = 0;
};

cerca cercar(const fitxer_ini& f, std::string_view seccio, std::string_view clau) {
    cerca c;
    bool dins_seccio = false;
    bool dins_primera = false;
    for (std::size_t i = 0; i < f.linies.size(); ++i) {
        const analisi a = analitzar(f.linies[i].contingut);
        if (a.tipus == tipus_linia::seccio) {
            dins_seccio = iguals_sense_majuscules(a_text(f, a.nom), seccio);
            dins_primera = dins_seccio && !c.seccio;
            if (dins_primera) {
                c.seccio = i;
                c.inserir_despres = i;
            }
        } else if (a.tipus == tipus_linia::clau && dins_seccio) {
            if (iguals_sense_majuscules(a_text(f, a.nom), clau)) {
                c.clau = i;
                return c;
            }
            if (dins_primera) {
                c.inserir_despres = i;
            }
        }
    }
    return c;
}

std::string sense_cometes(std::string valor) {
    if (valor.size() >= 2 && valor.front() == valor.back() &&
        (valor.front() == '"' || valor.front() == '\'')) {
        return valor.substr(1, valor.size() - 2);
    }
    return valor;
}

// A value the reader would change (blanks at its ends, enclosing quotes) is
// written in double quotes, so it reads back as it was written.
std::string amb_cometes_si_cal(const std::string& valor) {
    if (valor.empty()) {
        return valor;
    }
    const bool blanc_extrem = es_blanc(valor.front()) || es_blanc(valor.back());
    const bool entre_cometes = valor.size() >= 2 && valor.front() == valor.back() &&
                               (valor.front() == '"' || valor.front() == '\'');
    return blanc_extrem || entre_cometes ? "\"" + valor + "\"" : valor;
}

std::string tallar(std::string valor) {
    if (valor.size() > perfil_mida_buffer - 1) {
        valor.resize(perfil_mida_buffer - 1);
    }
    return valor;
}

// The file's bytes; nothing when it does not exist as an ordinary file or
// cannot be read.
std::optional<std::string> llegir_bytes(const fs::path& cami) {
    std::error_code ec;
    if (!fs::is_regular_file(cami, ec)) {
        return std::nullopt;
    }
    std::ifstream entrada(cami, std::ios::binary);
    if (!entrada) {
        return std::nullopt;
    }
    std::string bytes{std::istreambuf_iterator<char>(entrada), std::istreambuf_iterator<char>()};
    if (entrada.bad()) {
        return std::nullopt;
    }
    return bytes;
}

bool nom_valid(std::string_view nom) {
    return !nom.empty() && nom.find_first_of("\r\n") == std::string_view::npos;
}

// The file's bytes with the key set to the value: the key's line changed in
// place, or a new line at the end of the first section of that name, or a new
// section at the end of the file.
std::string amb_valor(fitxer_ini f, std::string_view seccio, std::string_view clau,
                      const std::string& valor) {
    const std::string valor_bytes = a_bytes(f, amb_cometes_si_cal(valor));
    const cerca c = cercar(f, seccio, clau);
    if (c.clau) {
        linia& l = f.linies[*c.clau];
        l.contingut = l.contingut.substr(0, analitzar(l.contingut).inici_valor) + valor_bytes;
    } else {
        const linia nova{a_bytes(f, std::string(clau)) + "=" + valor_bytes, f.final_linia};
        if (c.seccio) {
            linia& anterior = f.linies[c.inserir_despres];
            if (anterior.final.empty()) {
                anterior.final = f.final_linia;
            }
            f.linies.insert(f.linies.begin() + static_cast<std::ptrdiff_t>(c.inserir_despres) + 1,
                            nova);
        } else {
            if (!f.linies.empty()) {
                linia& darrera = f.linies.back();
                if (darrera.final.empty()) {
                    darrera.final = f.final_linia;
                }
                if (!retallar(darrera.contingut).empty()) {
                    f.linies.push_back({"", f.final_linia});
                }
            }
            f.linies.push_back({"[" + a_bytes(f, std::string(seccio)) + "]", f.final_linia});
            f.linies.push_back(nova);
        }
    }
    return unir(f);
}

} // namespace

std::string perfil_ini::llegir(const std::string& seccio, const std::string& clau,
                               const std::string& defecte, const std::string& cami) {
    const auto bytes = llegir_bytes(fitxers_disc::cami_local(cami));
    if (!bytes) {
        return tallar(defecte);
    }
    const fitxer_ini f = partir(*bytes);
    const cerca c = cercar(f, retallar_espais(seccio), retallar_espais(clau));
    if (!c.clau) {
        return tallar(defecte);
    }
    const std::string_view l = f.linies[*c.clau].contingut;
    const analisi a = analitzar(l);
    return tallar(sense_cometes(a_text(f, l.substr(a.inici_valor, a.fi_valor - a.inici_valor))));
}

bool perfil_ini::escriure(const std::string& seccio, const std::string& clau,
                          const std::string& valor, const std::string& cami) {
    const std::string_view nom_seccio = retallar_espais(seccio);
    const std::string_view nom_clau = retallar_espais(clau);
    // A name or value that would read back as other lines or other names is
    // refused rather than written into the file.
    if (!nom_valid(nom_seccio) || nom_seccio.find(']') != std::string_view::npos ||
        !nom_valid(nom_clau) || nom_clau.find('=') != std::string_view::npos ||
        nom_clau.find_first_of(";#[") == 0 || valor.find_first_of("\r\n") != std::string::npos) {
        return false;
    }
    const std::string local = fitxers_disc::cami_local(cami);
    if (local.empty()) {
        return false;
    }
    const fs::path desti = local;
    std::error_code ec;
    // A settings file that is a link is neither written through nor copied
    // from: in a folder others can write to, it may name any file of the user's.
    if (fs::is_symlink(desti, ec)) {
        return false;
    }
    fitxer_ini f;
    if (fs::exists(desti, ec)) {
        const auto bytes = llegir_bytes(desti);
        if (!bytes) {
            return false;
        }
        f = partir(*bytes);
    }
    std::string bytes = amb_valor(f, nom_seccio, nom_clau, valor);
    // Windows-1252 bytes that happen to form UTF-8 would read back as other
    // characters; a file that was plain ASCII takes the value in UTF-8 instead.
    if (!f.utf8 && fitxer_es_utf8(bytes)) {
        f.utf8 = true;
        bytes = amb_valor(f, nom_seccio, nom_clau, valor);
    }
    return substituir_fitxer(desti, bytes).empty();
}

} // namespace quorvel
