#include "platform/local/escriptura_atomica.h"

#include <cerrno>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quorvel {

namespace {

namespace fs = std::filesystem;

std::string motiu(int errnum) {
    return std::generic_category().message(errnum);
}

// Writes all bytes to the descriptor; 0 on success, else the error number.
int escriure_tot(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t escrits = ::write(fd, bytes.data(), bytes.size());
        if (escrits < 0) {
            if (errno == EINTR) {
                continue;
            }
            return errno;
        }
        bytes.remove_prefix(static_cast<std::size_t>(escrits));
    }
    return 0;
}

// A file descriptor closed when it goes out of scope.
class descriptor {
  public:
    explicit descriptor(int fd) : fd_(fd) {}
    descriptor(const descriptor&) = delete;
    descriptor& operator=(const descriptor&) = delete;
    ~descriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    [[nodiscard]] int fd() const { return fd_; }
    // Closes now and reports the error number of the close, 0 when it went well.
    int tancar() {
        const int r = ::close(fd_);
        fd_ = -1;
        return r == 0 ? 0 : errno;
    }

  private:
    int fd_;
};

// Creates a new, empty file beside the destination to write into.
int crear_temporal(const fs::path& carpeta, const std::string& nom, fs::path& temporal) {
    static unsigned comptador = 0;
    // Keep the temporary name within the system's name length limit.
    const std::string arrel = "." + nom.substr(0, 200) + "." + std::to_string(::getpid()) + "-";
    for (int intent = 0; intent < 1000; ++intent) {
        temporal = carpeta / (arrel + std::to_string(comptador++) + ".tmp");
        const int fd = ::open(temporal.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    errno = EEXIST;
    return -1;
}

void sincronitzar_carpeta(const fs::path& carpeta) {
    const int fd = ::open(carpeta.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

std::string substituir_fitxer(const fs::path& desti, std::string_view text) {
    std::error_code ec;
    // A link is replaced itself, never the file it names: in a folder others
    // can write to, a planted link would otherwise let a save overwrite any
    // file of the user's.
    const fs::file_status abans = fs::symlink_status(desti, ec);
    const bool enllac = fs::is_symlink(abans);
    if (fs::is_directory(abans)) {
        return motiu(EISDIR);
    }
    // Replacing a file leaves its own write permission aside; a read-only file
    // must stay as it is.
    const bool fitxer_previ = fs::exists(abans) && !enllac;
    if (fitxer_previ && ::access(desti.c_str(), W_OK) != 0) {
        return motiu(errno);
    }
    const fs::path carpeta = desti.has_parent_path() ? desti.parent_path() : fs::path(".");
    fs::path temporal;
    descriptor fd(crear_temporal(carpeta, desti.filename().string(), temporal));
    if (fd.fd() < 0) {
        return motiu(errno);
    }
    int error = escriure_tot(fd.fd(), text);
    if (error == 0 && fitxer_previ) {
        // The new file keeps the permissions of the one it replaces.
        const auto permisos = static_cast<mode_t>(abans.permissions() & fs::perms::mask);
        if (::fchmod(fd.fd(), permisos) != 0) {
            error = errno;
        }
    }
    if (error == 0 && ::fsync(fd.fd()) != 0) {
        error = errno;
    }
    const int error_tancar = fd.tancar();
    if (error == 0) {
        error = error_tancar;
    }
    if (error == 0 && ::rename(temporal.c_str(), desti.c_str()) != 0) {
        error = errno;
    }
    if (error != 0) {
        ::unlink(temporal.c_str());
        return motiu(error);
    }
    sincronitzar_carpeta(carpeta);
    return {};
}

} // namespace quorvel
