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

bool resultats_disc::afegir(std::string_view data, std::string_view capcalera,
                            std::string_view files) {
    const std::string fitxer = fitxer_de(data);
    const auto obrir = [&] {
        return ::open(fitxer.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
    };
    int fd = obrir();
    if (fd < 0 && errno == ENOENT && !carpeta_.empty()) {
        std::error_code error;
        std::filesystem::create_directories(carpeta_, error);
        fd = obrir();
    }
    const descriptor f(fd);
    if (f.fd() < 0) {
        return false;
    }
    struct stat estat {};
    if (::fstat(f.fd(), &estat) != 0) {
        return false;
    }
    if (estat.st_size == 0 && !escriure_tot(f.fd(), capcalera)) {
        return false;
    }
    return escriure_tot(f.fd(), files);
}

} // namespace quorvel
