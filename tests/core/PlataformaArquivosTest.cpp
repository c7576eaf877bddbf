#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include "core/base/Excecoes.h"
#include "core/base/PlataformaHeadless.h"

namespace {

namespace fs = std::filesystem;

class PlataformaArquivosTest : public ::testing::Test {
protected:
    PlataformaArquivosTest()
        : pasta(fs::temp_directory_path() /
                ("brelvio-arquivos-" + std::to_string(::getpid()) + "-" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name())),
          plataforma(pasta.string()) {
        fs::remove_all(pasta);
        fs::create_directories(pasta);
    }
    ~PlataformaArquivosTest() override {
        fs::permissions(pasta, fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(pasta);
    }

    static std::string ler(const fs::path& caminho) {
        std::ifstream f(caminho, std::ios::binary);
        std::ostringstream s;
        s << f.rdbuf();
        return s.str();
    }
    // Nothing but the given file: no temporary left behind.
    void soOArquivo(const std::string& nome) {
        for (const auto& e : fs::directory_iterator(pasta)) {
            EXPECT_EQ(e.path().filename().string(), nome);
        }
    }

    fs::path pasta;
    PlataformaHeadless plataforma;
};

TEST_F(PlataformaArquivosTest, EscreveESubstituiMantendoAsPermissoes) {
    const std::string alvo = (pasta / "brelvio.ini").string();
    plataforma.escreverArquivo(alvo, "primeiro");
    EXPECT_EQ(ler(alvo), "primeiro");
    ::chmod(alvo.c_str(), 0640);
    plataforma.escreverArquivo(alvo, std::string("segundo\0bin\xE1rio", 14));
    EXPECT_EQ(ler(alvo), std::string("segundo\0bin\xE1rio", 14));
    struct stat st {};
    ASSERT_EQ(::stat(alvo.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    soOArquivo("brelvio.ini");
}

TEST_F(PlataformaArquivosTest, PastaInexistenteLevantaErro) {
    const std::string alvo = (pasta / "nao-existe" / "brelvio.ini").string();
    EXPECT_THROW(plataforma.escreverArquivo(alvo, "x"), DException);
    EXPECT_FALSE(fs::exists(pasta / "nao-existe"));
}

TEST_F(PlataformaArquivosTest, EscritaQueFalhaNoMeioMantemOConteudoAntigo) {
    const std::string alvo = (pasta / "instruments.xml").string();
    const std::string antigo = "<colecaoInstrumento>old</colecaoInstrumento>";
    plataforma.escreverArquivo(alvo, antigo);
    // A file size limit makes the write fail part-way, as a full disk would,
    // and works for root too.
    rlimit limite{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &limite), 0);
    const rlimit antes = limite;
    auto* const sinalAntes = std::signal(SIGXFSZ, SIG_IGN);
    limite.rlim_cur = 16;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limite), 0);
    bool levantou = false;
    try {
        plataforma.escreverArquivo(alvo, std::string(4096, 'n'));
    } catch (const DException& e) {
        levantou = true;
        EXPECT_NE(e.getMessage().find(alvo), std::string::npos) << e.getMessage();
    }
    ::setrlimit(RLIMIT_FSIZE, &antes);
    std::signal(SIGXFSZ, sinalAntes);
    EXPECT_TRUE(levantou);
    EXPECT_EQ(ler(alvo), antigo);
    soOArquivo("instruments.xml");
}

TEST_F(PlataformaArquivosTest, PastaSemPermissaoMantemOConteudoAntigo) {
    if (::geteuid() == 0) GTEST_SKIP() << "root writes into any directory";
    const std::string alvo = (pasta / "brelvio.ini").string();
    plataforma.escreverArquivo(alvo, "antigo");
    fs::permissions(pasta, fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_THROW(plataforma.escreverArquivo(alvo, "novo"), DException);
    fs::permissions(pasta, fs::perms::owner_all);
    EXPECT_EQ(ler(alvo), "antigo");
    soOArquivo("brelvio.ini");
}

TEST_F(PlataformaArquivosTest, LeituraDeTrechos) {
    const std::string alvo = (pasta / "pacote.dat").string();
    plataforma.escreverArquivo(alvo, "0123456789");
    struct Caso {
        uint64_t inicio, tamanho;
        const char* esperado;  // nullptr: nothing
    };
    const Caso casos[] = {
        {0, 10, "0123456789"}, {3, 4, "3456"}, {10, 0, ""}, {9, 2, nullptr},
        {11, 0, nullptr},      {0, UINT64_MAX, nullptr},    {UINT64_MAX, 1, nullptr},
    };
    for (const auto& c : casos) {
        const auto trecho = plataforma.lerTrecho(alvo, c.inicio, c.tamanho);
        if (c.esperado == nullptr) {
            EXPECT_FALSE(trecho.has_value()) << c.inicio << "+" << c.tamanho;
        } else {
            ASSERT_TRUE(trecho.has_value()) << c.inicio << "+" << c.tamanho;
            EXPECT_EQ(*trecho, c.esperado);
        }
    }
    EXPECT_FALSE(plataforma.lerTrecho((pasta / "nada.dat").string(), 0, 1).has_value());
    EXPECT_THROW(plataforma.lerArquivo((pasta / "nada.dat").string()), FileNotFoundException);
    EXPECT_THROW(plataforma.lerArquivo(pasta.string()), FileNotFoundException);
}

}  // namespace
