// devices, play and play-scale, always into WAV files or with the log: no
// test here opens a sound card or a MIDI port.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "sound/WavDeTeste.h"
#include "support/RodarCli.h"

namespace fs = std::filesystem;

namespace {

using nlohmann::json;

struct Linha {
    long long tempo;
    std::string texto;
};

// The --midi-log lines of stderr: "160 ms: 91 2F 7F".
std::vector<Linha> registro(const std::string& erros) {
    std::vector<Linha> linhas;
    std::istringstream entrada(erros);
    std::string linha;
    while (std::getline(entrada, linha)) {
        const size_t ms = linha.find(" ms: ");
        if (ms == std::string::npos) continue;
        linhas.push_back({std::stoll(linha.substr(0, ms)), linha.substr(ms + 5)});
    }
    return linhas;
}

// The lines after the last program change of channel 1.
std::vector<Linha> depoisDoPrograma(const std::vector<Linha>& linhas) {
    size_t inicio = 0;
    for (size_t i = 0; i < linhas.size(); ++i) {
        if (linhas[i].texto.compare(0, 2, "C1") == 0) inicio = i + 1;
    }
    return {linhas.begin() + static_cast<long>(inicio), linhas.end()};
}

class CmdSomTest : public ::testing::Test {
protected:
    CmdSomTest() : pasta(fs::path(::testing::TempDir()) / ("brelvio-cli-som-" + std::to_string(::getpid()))) {
        fs::create_directories(pasta);
    }
    ~CmdSomTest() override { fs::remove_all(pasta); }
    std::string arquivo(const char* nome) const { return (pasta / nome).string(); }

    fs::path pasta;
};

TEST_F(CmdSomTest, DispositivosComOSintetizadorPrimeiro) {
    const SaidaCli s = rodarCliJson({"devices"});
    ASSERT_EQ(s.status, 0) << s.erros;
    const json lista = s.json().at("devices");
    ASSERT_GE(lista.size(), 1u);
    EXPECT_EQ(lista[0], "Built-in synthesizer");
    for (const auto& nome : lista) EXPECT_TRUE(nome.is_string());

    const SaidaCli texto = rodarCli({"devices"});
    ASSERT_EQ(texto.status, 0);
    EXPECT_EQ(texto.saida.substr(0, 23), "0. Built-in synthesizer");
}

TEST_F(CmdSomTest, MiMaiorNoArquivoComORegistro) {
    const std::string wav = arquivo("e.wav");
    const SaidaCli s = rodarCliJson({"--midi-log", "play", "E", "--wav", wav});
    ASSERT_EQ(s.status, 0) << s.erros;
    const json j = s.json();
    EXPECT_EQ(j.at("chord"), "E");
    EXPECT_EQ(j.at("frets"), json({0, 2, 2, 1, 0, 0}));
    EXPECT_EQ(j.at("pitches"), json({40, 47, 52, 56, 59, 64}));
    EXPECT_EQ(j.at("opened"), true);

    const auto linhas = registro(s.erros);
    // Creation gives every channel its program and volume; then the guitar's
    // own sound on channel 1 (steel-string in English).
    ASSERT_GT(linhas.size(), 48u);
    EXPECT_EQ(linhas[0].texto, "open -1");
    EXPECT_EQ(linhas[1].texto, "B0 00 00");
    EXPECT_EQ(linhas[2].texto, "C0 00 00");
    EXPECT_EQ(linhas[3].texto, "B0 07 7F");
    const auto strum = depoisDoPrograma(linhas);
    const std::vector<std::string> notas = {"91 28 7F", "91 2F 7F", "91 34 7F", "91 38 7F", "91 3B 7F", "91 40 7F"};
    ASSERT_GE(strum.size(), notas.size() + 1);
    for (size_t i = 0; i < notas.size(); ++i) {
        EXPECT_EQ(strum[i].texto, notas[i]) << i;
        EXPECT_EQ(strum[i].tempo, 160 * static_cast<long long>(i)) << i;
    }
    EXPECT_EQ(strum[notas.size()].texto, "reset");
    EXPECT_EQ(strum[notas.size()].tempo, 960);
    EXPECT_NE(s.erros.find("C1 19 00"), std::string::npos);

    const auto som = wav_de_teste::lerWav(wav);
    ASSERT_GT(som.quadros(), 0u);
    EXPECT_GT(som.pico(0, 960), 1000);
}

TEST_F(CmdSomTest, SemRegistroNadaNoStderr) {
    const SaidaCli s = rodarCli({"play", "Am", "--wav", arquivo("am.wav")});
    ASSERT_EQ(s.status, 0) << s.erros;
    EXPECT_EQ(s.erros, "");
    EXPECT_EQ(s.saida, "Am on Guitar: pitches 45 52 57 60 64\n");
}

TEST_F(CmdSomTest, NoInstrumentoDadoPelaAfinacao) {
    // A four-string instrument tuned like a cavaquinho's D G B D.
    const SaidaCli s = rodarCliJson({"--midi-log", "play", "G", "--tuning", "62 67 71 74", "--wav", arquivo("g.wav")});
    ASSERT_EQ(s.status, 0) << s.erros;
    const json j = s.json();
    const auto strum = depoisDoPrograma(registro(s.erros));
    const auto pitches = j.at("pitches").get<std::vector<int>>();
    ASSERT_EQ(pitches.size(), 4u);
    for (size_t i = 0; i < pitches.size(); ++i) {
        char esperado[16];
        std::snprintf(esperado, sizeof esperado, "91 %02X 7F", pitches[i]);
        EXPECT_EQ(strum[i].texto, esperado);
    }
    EXPECT_EQ(strum[4].tempo, 640);
}

TEST_F(CmdSomTest, EscalaNotaANotaNaPrimeiraPosicao) {
    const SaidaCli posicoes = rodarCliJson({"scale", "--offsets", "0 4 7", "--key", "C"});
    ASSERT_EQ(posicoes.status, 0) << posicoes.erros;
    const json primeira = posicoes.json().at("positions").at(0);
    const std::vector<int> afinacao = {40, 45, 50, 55, 59, 64};
    std::vector<int> esperadas;
    for (size_t i = 0; i < primeira.at("frets").size(); ++i) {
        esperadas.push_back(afinacao[primeira.at("strings")[i].get<size_t>()] + primeira.at("frets")[i].get<int>());
    }

    const SaidaCli s = rodarCliJson(
        {"--midi-log", "play-scale", "--offsets", "0 4 7", "--key", "C", "--tempo", "100", "--wav", arquivo("c.wav")});
    ASSERT_EQ(s.status, 0) << s.erros;
    EXPECT_EQ(s.json().at("pitches").get<std::vector<int>>(), esperadas);
    EXPECT_EQ(s.json().at("position"), 0);
    const auto notas = depoisDoPrograma(registro(s.erros));
    for (size_t i = 0; i < esperadas.size(); ++i) {
        char liga[16], desliga[16];
        std::snprintf(liga, sizeof liga, "91 %02X 7F", esperadas[i]);
        std::snprintf(desliga, sizeof desliga, "91 %02X 00", esperadas[i]);
        EXPECT_EQ(notas[2 * i].texto, liga);
        EXPECT_EQ(notas[2 * i].tempo, 100 * static_cast<long long>(i));
        EXPECT_EQ(notas[2 * i + 1].texto, desliga);
        EXPECT_EQ(notas[2 * i + 1].tempo, 100 * static_cast<long long>(i + 1));
    }

    // Without --tempo each note lasts a second; --position picks another one.
    const SaidaCli lenta = rodarCliJson({"--midi-log", "play-scale", "--name", "Major", "--key", "G", "--position",
                                         "1", "--wav", arquivo("g.wav")});
    ASSERT_EQ(lenta.status, 0) << lenta.erros;
    const auto l = depoisDoPrograma(registro(lenta.erros));
    ASSERT_GE(l.size(), 2u);
    EXPECT_EQ(l[1].tempo - l[0].tempo, 1000);
    EXPECT_EQ(lenta.json().at("scale"), "Major");
    EXPECT_EQ(lenta.json().at("position"), 1);
}

TEST_F(CmdSomTest, ErrosDeUso) {
    const std::string wav = arquivo("x.wav");
    const std::vector<std::vector<std::string>> casos = {
        {"play"},
        {"play", "E", "--wav", wav, "--device", "1"},
        {"play", "E", "--device", "-2"},
        {"play", "E", "--bpm", "3"},
        {"play-scale", "--offsets", "0 2 4", "--wav", wav},
        {"play-scale", "--key", "0", "--wav", wav},
        {"play-scale", "--offsets", "0 2 4", "--key", "0", "--tempo", "0", "--wav", wav},
        {"play-scale", "--offsets", "0 2 4", "--key", "0", "--tempo", "1001", "--wav", wav},
        {"play-scale", "--offsets", "0 2 4", "--key", "0", "--position", "-1", "--wav", wav},
        {"play-scale", "--offsets", "0 2 4", "--key", "0", "--position", "9999", "--wav", wav},
        {"play-scale", "--name", "No such scale", "--key", "0", "--wav", wav},
        {"devices", "extra"},
    };
    for (const auto& c : casos) {
        const SaidaCli s = rodarCli(c);
        EXPECT_EQ(s.status, 2) << c[0] << ' ' << (c.size() > 1 ? c[1] : "") << ": " << s.erros;
        EXPECT_NE(s.erros.find("usage: brelvio-cli " + c[0]), std::string::npos) << s.erros;
    }
    EXPECT_FALSE(fs::exists(wav));
}

TEST_F(CmdSomTest, ErrosDoDicionario) {
    const SaidaCli cifra = rodarCliJson({"play", "H#", "--wav", arquivo("h.wav")});
    EXPECT_EQ(cifra.status, 1);
    EXPECT_EQ(cifra.json(), json({{"error", "msgErroSintaxe"}}));
    EXPECT_FALSE(fs::exists(arquivo("h.wav")));

    const SaidaCli pasta = rodarCliJson({"play", "E", "--wav", arquivo("missing/e.wav")});
    EXPECT_EQ(pasta.status, 1);
    EXPECT_EQ(pasta.json().at("error"), "DException");
}

}  // namespace
