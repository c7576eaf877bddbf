// Finding the desktop's volume mixer on a search path made of temporary
// folders: which program wins, with which arguments, and what does not count.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "ui/modelo/MisturadorVolume.h"

namespace {

namespace fs = std::filesystem;

class MisturadorVolumeTest : public ::testing::Test {
protected:
    MisturadorVolumeTest()
        : raiz(fs::temp_directory_path() / ("brelvio-misturador-" + std::to_string(::getpid()))) {
        fs::remove_all(raiz);
        fs::create_directories(raiz / "a");
        fs::create_directories(raiz / "b");
    }
    ~MisturadorVolumeTest() override { fs::remove_all(raiz); }

    std::string programa(const std::string& pasta, const std::string& nome, bool executavel = true) {
        const fs::path caminho = raiz / pasta / nome;
        std::ofstream(caminho) << "#!/bin/sh\n";
        ::chmod(caminho.c_str(), executavel ? 0755 : 0644);
        return caminho.string();
    }
    std::string busca() const { return (raiz / "a").string() + ":" + (raiz / "b").string() + "/"; }

    fs::path raiz;
};

TEST_F(MisturadorVolumeTest, NenhumMisturadorNoCaminho) {
    programa("a", "pavucontrol", false);    // not executable
    fs::create_directories(raiz / "b" / "pwvucontrol");  // a folder
    programa("a", "alsamixer");              // a terminal program, not one of ours
    EXPECT_EQ(acharMisturadorVolume(busca()), std::nullopt);
    EXPECT_EQ(acharMisturadorVolume(""), std::nullopt);
}

TEST_F(MisturadorVolumeTest, OPreferidoVenceAOrdemDasPastas) {
    programa("a", "gnome-control-center");
    const std::string pavucontrol = programa("b", "pavucontrol");
    EXPECT_EQ(acharMisturadorVolume(busca()), (ComandoMisturador{pavucontrol, {}}));
}

TEST_F(MisturadorVolumeTest, PaginaDeSomDasConfiguracoesComSeuArgumento) {
    const std::string gnome = programa("b", "gnome-control-center");
    // Empty entries of the path are passed over, not taken as the current folder.
    EXPECT_EQ(acharMisturadorVolume("::" + busca() + ":"), (ComandoMisturador{gnome, {"sound"}}));
}

}  // namespace
