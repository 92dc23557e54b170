#include "platform/local/resultats_disc.h"

#include "tests/fakes/carpeta_temporal.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace quorvel {
namespace {

namespace fs = std::filesystem;

constexpr auto feta = escriptura_resultats::feta;
constexpr auto fallida = escriptura_resultats::fallida;
constexpr auto enllac = escriptura_resultats::enllac;

class resultats_disc_test : public ::testing::Test {
  protected:
    static std::string contingut(const fs::path& fitxer) { return fakes::llegir_fitxer(fitxer); }
    fakes::carpeta_temporal temporal_{"resultats"};
    // Not there yet: the writer makes the folders it needs.
    const fs::path arrel_ = temporal_ / "registre";
};

TEST_F(resultats_disc_test, one_file_per_day_in_a_folder_made_on_the_first_row) {
    resultats_disc r((arrel_ / "dades" / "resultats").string());
    EXPECT_FALSE(fs::exists(arrel_));
    EXPECT_EQ(r.afegir("2026-03-02", "h\r\n", "a\r\n"), feta);
    EXPECT_EQ(r.afegir("2026-03-02", "h\r\n", "b\r\n"), feta);
    EXPECT_EQ(r.afegir("2026-03-03", "h\r\n", "c\r\n"), feta);
    EXPECT_EQ(contingut(arrel_ / "dades/resultats/2026-03-02.csv"), "h\r\na\r\nb\r\n");
    EXPECT_EQ(contingut(arrel_ / "dades/resultats/2026-03-03.csv"), "h\r\nc\r\n");
}

TEST_F(resultats_disc_test, an_empty_existing_log_gets_the_header_and_a_full_one_keeps_its_rows) {
    fs::create_directories(arrel_);
    std::ofstream(arrel_ / "2026-03-02.csv").close();
    std::ofstream(arrel_ / "2026-03-03.csv", std::ios::binary) << "h\r\nx\r\n";
    resultats_disc r(arrel_.string());
    EXPECT_EQ(r.afegir("2026-03-02", "h\r\n", "a\r\n"), feta);
    EXPECT_EQ(r.afegir("2026-03-03", "h\r\n", "b\r\n"), feta);
    EXPECT_EQ(contingut(arrel_ / "2026-03-02.csv"), "h\r\na\r\n");
    EXPECT_EQ(contingut(arrel_ / "2026-03-03.csv"), "h\r\nx\r\nb\r\n");
}

TEST_F(resultats_disc_test, a_folder_that_cannot_be_made_writes_nothing) {
    fs::create_directories(arrel_);
    std::ofstream(arrel_ / "fitxer") << "no folder";
    resultats_disc r((arrel_ / "fitxer" / "resultats").string());
    EXPECT_EQ(r.afegir("2026-03-02", "h\r\n", "a\r\n"), fallida);
    EXPECT_EQ(resultats_disc::un_fitxer((arrel_ / "fitxer" / "x.csv").string())
                  .afegir("2026-03-02", "h\r\n", "a\r\n"),
              fallida);
}

TEST_F(resultats_disc_test, relative_paths_stay_where_they_were_when_the_current_folder_moves) {
    fs::create_directories(arrel_ / "altra");
    const fs::path abans = fs::current_path();
    fs::current_path(arrel_);
    resultats_disc carpeta("dies");
    auto fitxer = resultats_disc::un_fitxer("play/log.csv");
    fs::current_path(arrel_ / "altra");
    EXPECT_EQ(carpeta.afegir("2026-03-02", "h\r\n", "a\r\n"), feta);
    EXPECT_EQ(fitxer.afegir("2026-03-02", "h\r\n", "b\r\n"), feta);
    fs::current_path(abans);
    EXPECT_EQ(contingut(arrel_ / "dies/2026-03-02.csv"), "h\r\na\r\n");
    EXPECT_EQ(contingut(arrel_ / "play/log.csv"), "h\r\nb\r\n");
}

TEST_F(resultats_disc_test, one_given_file_takes_every_date) {
    auto r = resultats_disc::un_fitxer((arrel_ / "play" / "log.csv").string());
    EXPECT_EQ(r.afegir("2026-03-02", "h\r\n", "a\r\n"), feta);
    EXPECT_EQ(r.afegir("2026-03-03", "h\r\n", "b\r\n"), feta);
    EXPECT_EQ(contingut(arrel_ / "play/log.csv"), "h\r\na\r\nb\r\n");
    EXPECT_EQ(r.data_avui().size(), 10u);
}

TEST_F(resultats_disc_test, a_link_in_place_of_the_log_or_its_folder_is_never_written_through) {
    fs::create_directories(arrel_ / "altre");
    std::ofstream(arrel_ / "altre" / ".bashrc", std::ios::binary) << "echo hola\n";
    fs::create_directories(arrel_ / "resultats");
    fs::create_symlink(arrel_ / "altre" / ".bashrc", arrel_ / "resultats" / "2026-03-02.csv");
    fs::create_hard_link(arrel_ / "altre" / ".bashrc", arrel_ / "resultats" / "2026-03-03.csv");
    fs::create_symlink(arrel_ / "altre", arrel_ / "enllacada");
    resultats_disc r((arrel_ / "resultats").string());
    EXPECT_EQ(r.afegir("2026-03-02", "h\r\n", "a\r\n"), enllac);
    EXPECT_EQ(r.afegir("2026-03-03", "h\r\n", "a\r\n"), enllac);
    EXPECT_EQ(
        resultats_disc((arrel_ / "enllacada").string()).afegir("2026-03-04", "h\r\n", "a\r\n"),
        enllac);
    EXPECT_EQ(contingut(arrel_ / "altre" / ".bashrc"), "echo hola\n");
    EXPECT_FALSE(fs::exists(arrel_ / "altre" / "2026-03-04.csv"));
    EXPECT_EQ(r.afegir("2026-03-05", "h\r\n", "a\r\n"), feta);
}

// The child runs with a file size limit a few bytes past the log, as a full
// disk would leave it: the row that does not fit leaves nothing behind.
TEST_F(resultats_disc_test, a_row_that_does_not_fit_is_not_written_at_all) {
    resultats_disc r(arrel_.string());
    ASSERT_EQ(r.afegir("2026-03-02", "h\r\n", "a\r\n"), feta);
    const pid_t fill = ::fork();
    ASSERT_GE(fill, 0);
    if (fill == 0) {
        ::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{6 + 4, RLIM_INFINITY};
        const bool limitat = ::setrlimit(RLIMIT_FSIZE, &limit) == 0;
        const bool refusada = r.afegir("2026-03-02", "h\r\n", "una fila llarga\r\n") == fallida;
        const bool cap = r.afegir("2026-03-02", "h\r\n", "b\r\n") == feta;
        ::_exit(limitat && refusada && cap ? 0 : 1);
    }
    int estat = 0;
    ASSERT_EQ(::waitpid(fill, &estat, 0), fill);
    EXPECT_TRUE(WIFEXITED(estat) && WEXITSTATUS(estat) == 0);
    EXPECT_EQ(r.afegir("2026-03-02", "h\r\n", "c\r\n"), feta);
    EXPECT_EQ(contingut(arrel_ / "2026-03-02.csv"), "h\r\na\r\nb\r\nc\r\n");
}

TEST_F(resultats_disc_test, a_row_left_unended_is_ended_before_the_next) {
    fs::create_directories(arrel_);
    std::ofstream(arrel_ / "2026-03-02.csv", std::ios::binary) << "h\r\nmig";
    EXPECT_EQ(resultats_disc(arrel_.string()).afegir("2026-03-02", "h\r\n", "a\r\n"), feta);
    EXPECT_EQ(contingut(arrel_ / "2026-03-02.csv"), "h\r\nmig\r\na\r\n");
}

} // namespace
} // namespace quorvel
