#include "platform/qt/editor_veu.h"

#include <QProcess>
#include <QStandardPaths>

namespace quorvel {

namespace {

// A long sentence takes espeak-ng well under this on any machine.
constexpr int espera_ms = 60000;

} // namespace

veu_sintetitzada dir_frase(const QString& frase, const QString& veu,
                           const std::filesystem::path& wav) {
    const QString programa = QStandardPaths::findExecutable(QStringLiteral("espeak-ng"));
    if (programa.isEmpty()) {
        return {resultat_veu::absent, {}};
    }
    QProcess proces;
    proces.start(programa, {QStringLiteral("-v"), veu, QStringLiteral("-w"),
                            QString::fromStdString(wav.string()), QStringLiteral("--stdin")});
    if (!proces.waitForStarted()) {
        return {resultat_veu::absent, proces.errorString()};
    }
    proces.write(frase.toUtf8());
    proces.closeWriteChannel();
    if (!proces.waitForFinished(espera_ms)) {
        proces.kill();
        proces.waitForFinished();
        return {resultat_veu::error, proces.errorString()};
    }
    std::error_code ec;
    if (proces.exitStatus() != QProcess::NormalExit || proces.exitCode() != 0 ||
        !std::filesystem::exists(wav, ec)) {
        return {resultat_veu::error, QString::fromLocal8Bit(proces.readAllStandardError())};
    }
    return {resultat_veu::fet, {}};
}

} // namespace quorvel
