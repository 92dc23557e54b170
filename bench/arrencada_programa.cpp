// The program as it runs for the operator, with one addition for the
// start-up measurement (arrencada.sh): with QUORVEL_BENCH_SHOWN naming a
// file, the instant of the console's first paint (CLOCK_REALTIME,
// nanoseconds) is written there.
#include "app/programa_qt.h"

#include <QEvent>
#include <QObject>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>

namespace {

class marca_primera_pintada : public QObject {
  public:
    explicit marca_primera_pintada(const char* fitxer) : fitxer_(fitxer) {}

  protected:
    bool eventFilter(QObject* objecte, QEvent* event) override {
        if (event->type() == QEvent::Paint && !fet_) {
            fet_ = true;
            timespec ara{};
            clock_gettime(CLOCK_REALTIME, &ara);
            if (std::FILE* f = std::fopen(fitxer_.c_str(), "w")) {
                std::fprintf(f, "%lld\n",
                             static_cast<long long>(ara.tv_sec) * 1000000000LL + ara.tv_nsec);
                std::fclose(f);
            }
        }
        return QObject::eventFilter(objecte, event);
    }

  private:
    std::string fitxer_;
    bool fet_ = false;
};

} // namespace

int main(int argc, char** argv) {
    std::optional<marca_primera_pintada> marca;
    quorvel::opcions_execucio opcions;
    opcions.carpeta_programa = QUORVEL_PROGRAM_DIR;
    if (const char* fitxer = std::getenv("QUORVEL_BENCH_SHOWN"); fitxer != nullptr) {
        marca.emplace(fitxer);
        opcions.filtre_consola = &*marca;
    }
    return quorvel::programa_executar(argc, argv, opcions);
}
