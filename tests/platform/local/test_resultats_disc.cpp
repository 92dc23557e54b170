#include "platform/local/resultats_disc.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace quorvel {
namespace {

namespace fs = std::filesystem;

class resultats_disc_test : public ::testing::Test {
  protected:
    void SetUp() override {
        arrel_ = fs::temp_directory_path() /
                 ("quorvel_resultats_" + std::to_string(::getpid()) + "_" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(arrel_);
    }
    void TearDown() override { fs::remove_all(arrel_); }

    static std::string contingut(const fs::path& fitxer) {
        std::ifstream entrada(fitxer, std::ios::binary);
        return {std::istreambuf_iterator<char>(entrada), std::istreambuf_iterator<char>()};
    }
    fs::path arrel_;
};

TEST_F(resultats_disc_test, one_file_per_day_in_a_folder_made_on_the_first_row) {
    resultats_disc r((arrel_ / "dades" / "resultats").string());
    EXPECT_FALSE(fs::exists(arrel_));
    EXPECT_TRUE(r.afegir("2026-03-02", "h\r\n", "a\r\n"));
    EXPECT_TRUE(r.afegir("2026-03-02", "h\r\n", "b\r\n"));
    EXPECT_TRUE(r.afegir("2026-03-03", "h\r\n", "c\r\n"));
    EXPECT_EQ(contingut(arrel_ / "dades/resultats/2026-03-02.csv"), "h\r\na\r\nb\r\n");
    EXPECT_EQ(contingut(arrel_ / "dades/resultats/2026-03-03.csv"), "h\r\nc\r\n");
}

TEST_F(resultats_disc_test, an_empty_existing_log_gets_the_header_and_a_full_one_keeps_its_rows) {
    fs::create_directories(arrel_);
    std::ofstream(arrel_ / "2026-03-02.csv").close();
    std::ofstream(arrel_ / "2026-03-03.csv", std::ios::binary) << "h\r\nx\r\n";
    resultats_disc r(arrel_.string());
    EXPECT_TRUE(r.afegir("2026-03-02", "h\r\n", "a\r\n"));
    EXPECT_TRUE(r.afegir("2026-03-03", "h\r\n", "b\r\n"));
    EXPECT_EQ(contingut(arrel_ / "2026-03-02.csv"), "h\r\na\r\n");
    EXPECT_EQ(contingut(arrel_ / "2026-03-03.csv"), "h\r\nx\r\nb\r\n");
}

TEST_F(resultats_disc_test, a_folder_that_cannot_be_made_writes_nothing) {
    fs::create_directories(arrel_);
    std::ofstream(arrel_ / "fitxer") << "no folder";
    resultats_disc r((arrel_ / "fitxer" / "resultats").string());
    EXPECT_FALSE(r.afegir("2026-03-02", "h\r\n", "a\r\n"));
    EXPECT_FALSE(resultats_disc::un_fitxer((arrel_ / "fitxer" / "x.csv").string())
                     .afegir("2026-03-02", "h\r\n", "a\r\n"));
}

TEST_F(resultats_disc_test, relative_paths_stay_where_they_were_when_the_current_folder_moves) {
    fs::create_directories(arrel_ / "altra");
    const fs::path abans = fs::current_path();
    fs::current_path(arrel_);
    resultats_disc carpeta("dies");
    auto fitxer = resultats_disc::un_fitxer("play/log.csv");
    fs::current_path(arrel_ / "altra");
    EXPECT_TRUE(carpeta.afegir("2026-03-02", "h\r\n", "a\r\n"));
    EXPECT_TRUE(fitxer.afegir("2026-03-02", "h\r\n", "b\r\n"));
    fs::current_path(abans);
    EXPECT_EQ(contingut(arrel_ / "dies/2026-03-02.csv"), "h\r\na\r\n");
    EXPECT_EQ(contingut(arrel_ / "play/log.csv"), "h\r\nb\r\n");
}

TEST_F(resultats_disc_test, one_given_file_takes_every_date) {
    auto r = resultats_disc::un_fitxer((arrel_ / "play" / "log.csv").string());
    EXPECT_TRUE(r.afegir("2026-03-02", "h\r\n", "a\r\n"));
    EXPECT_TRUE(r.afegir("2026-03-03", "h\r\n", "b\r\n"));
    EXPECT_EQ(contingut(arrel_ / "play/log.csv"), "h\r\na\r\nb\r\n");
    EXPECT_EQ(r.data_avui().size(), 10u);
}

} // namespace
} // namespace quorvel
