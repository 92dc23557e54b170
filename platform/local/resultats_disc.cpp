#include "platform/local/resultats_disc.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <ctime>
#include <filesystem>
#include <system_error>
#include <utility>

namespace quorvel {

namespace {

// Writes all of text; false on the first failure.
bool escriure_tot(int fd, std::string_view text) {
    while (!text.empty()) {
        const ssize_t n = ::write(fd, text.data(), text.size());
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        text.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

class descriptor {
  public:
    explicit descriptor(int fd) : fd_(fd) {}
    ~descriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    descriptor(const descriptor&) = delete;
    descriptor& operator=(const descriptor&) = delete;
    [[nodiscard]] int fd() const { return fd_; }

  private:
    int fd_;
};

} // namespace

namespace {

// Opening an exercise makes its folder the current one, so a relative path
// is fixed against the folder current when the log is set up.
std::string absolut(const std::string& cami) {
    if (cami.empty()) {
        return cami;
    }
    std::error_code error;
    const std::filesystem::path p = std::filesystem::absolute(cami, error);
    return error ? cami : p.string();
}

} // namespace

resultats_disc::resultats_disc(std::string carpeta) : carpeta_(absolut(carpeta)) {}

resultats_disc::resultats_disc(std::string carpeta, std::string fitxer)
    : carpeta_(absolut(carpeta)), fitxer_(absolut(fitxer)) {}

resultats_disc resultats_disc::un_fitxer(std::string fitxer) {
    std::string carpeta = std::filesystem::path(fitxer).parent_path().string();
    return resultats_disc(std::move(carpeta), std::move(fitxer));
}

std::string resultats_disc::data_avui() {
    const std::time_t ara = std::time(nullptr);
    std::tm local{};
    localtime_r(&ara, &local);
    std::array<char, 16> buffer{};
    std::strftime(buffer.data(), buffer.size(), "%Y-%m-%d", &local);
    return buffer.data();
}

std::string resultats_disc::fitxer_de(std::string_view data) const {
    if (!fitxer_.empty()) {
        return fitxer_;
    }
    return (std::filesystem::path(carpeta_) / (std::string(data) + ".csv")).string();
}

std::string resultats_disc::lloc() const {
    return fitxer_.empty() ? carpeta_ : fitxer_;
}

namespace {

// The log's folder, opened so that the file is then opened inside it and not
// through a path that may change meanwhile. The day logs' own folder is made
// if missing (its parents as usual) and never followed when it is a link; a
// given file's folder is the caller's choice and is followed.
int obrir_carpeta(const std::string& carpeta, bool propia) {
    const int banderes = O_RDONLY | O_DIRECTORY | O_CLOEXEC | (propia ? O_NOFOLLOW : 0);
    int fd = ::open(carpeta.c_str(), banderes);
    if (fd < 0 && errno == ENOENT) {
        std::error_code error;
        if (propia) {
            std::filesystem::create_directories(std::filesystem::path(carpeta).parent_path(),
                                                error);
            // mkdir makes no folder where a link, even a broken one, stands.
            if (::mkdir(carpeta.c_str(), 0755) != 0 && errno != EEXIST) {
                return -1;
            }
        } else {
            std::filesystem::create_directories(carpeta, error);
        }
        fd = ::open(carpeta.c_str(), banderes);
    }
    return fd;
}

} // namespace

std::string resultats_disc::capcalera(std::string_view data) {
    const descriptor f(
        ::open(fitxer_de(data).c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    struct stat estat {};
    if (f.fd() < 0 || ::fstat(f.fd(), &estat) != 0 || !S_ISREG(estat.st_mode)) {
        return {};
    }
    // A header is one short line; more than this is no header of a log.
    std::array<char, 1024> buffer{};
    const ssize_t n = ::pread(f.fd(), buffer.data(), buffer.size(), 0);
    if (n <= 0) {
        return {};
    }
    const std::string_view llegit(buffer.data(), static_cast<std::size_t>(n));
    const std::size_t fi = llegit.find('\n');
    return std::string(fi == std::string_view::npos ? llegit : llegit.substr(0, fi + 1));
}

escriptura_resultats resultats_disc::afegir(std::string_view data, std::string_view capcalera,
                                            std::string_view files) {
    const std::filesystem::path fitxer(fitxer_de(data));
    const descriptor carpeta(obrir_carpeta(fitxer.parent_path().string(), fitxer_.empty()));
    if (carpeta.fd() < 0) {
        struct stat enllac {};
        const bool es_enllac =
            ::lstat(fitxer.parent_path().c_str(), &enllac) == 0 && S_ISLNK(enllac.st_mode);
        return es_enllac ? escriptura_resultats::enllac : escriptura_resultats::fallida;
    }
    // O_NONBLOCK: a pipe planted under the log's name must not hang the program.
    const descriptor f(::openat(carpeta.fd(), fitxer.filename().c_str(),
                                O_RDWR | O_APPEND | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC,
                                0644));
    if (f.fd() < 0) {
        return errno == ELOOP ? escriptura_resultats::enllac : escriptura_resultats::fallida;
    }
    struct stat estat {};
    if (::fstat(f.fd(), &estat) != 0 || !S_ISREG(estat.st_mode)) {
        return escriptura_resultats::fallida;
    }
    // A second name of the file elsewhere is a link all the same.
    if (estat.st_nlink > 1) {
        return escriptura_resultats::enllac;
    }
    std::string text;
    text.reserve(capcalera.size() + files.size() + 2);
    if (estat.st_size == 0) {
        text += capcalera;
    } else {
        // A row left without its line end (the program stopped while writing)
        // is ended, so that the new rows do not run on from it.
        char darrer = '\n';
        if (::pread(f.fd(), &darrer, 1, estat.st_size - 1) == 1 && darrer != '\n') {
            text += "\r\n";
        }
    }
    text += files;
    if (!escriure_tot(f.fd(), text)) {
        // Whole rows or none: what went in of them is taken out again.
        [[maybe_unused]] const int tallat = ::ftruncate(f.fd(), estat.st_size);
        return escriptura_resultats::fallida;
    }
    return escriptura_resultats::feta;
}

} // namespace quorvel
