// The built-in synthesizer rendering into a WAV file on the fake clock: real
// FluidSynth and a real SoundFont, no sound card.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <memory>
#include <string>

#include "sound/Reproducao.h"
#include "sound/SaidaMIDI.h"
#include "sound/SintetizadorEmbutido.h"
#include "sound/WavDeTeste.h"
#include "support/IdiomaDeTeste.h"

namespace fs = std::filesystem;

namespace {

using wav_de_teste::Wav;
using wav_de_teste::lerWav;

class SintetizadorEmbutidoTest : public ::testing::Test {
protected:
    SintetizadorEmbutidoTest()
        : pasta(fs::path(::testing::TempDir()) / ("brelvio-som-" + std::to_string(::getpid()))) {
        fs::create_directories(pasta);
    }
    ~SintetizadorEmbutidoTest() override { fs::remove_all(pasta); }

    IdiomaDeTeste idioma;
    fs::path pasta;
};

TEST_F(SintetizadorEmbutidoTest, HaUmaSoundFontGeneralMidi) {
    // The program's packages install one; without it the synthesizer is silent.
    ASSERT_TRUE(SintetizadorEmbutido::procurarSoundFont().has_value());
}

TEST_F(SintetizadorEmbutidoTest, MiMaiorRenderizadoNaoESilencio) {
    const fs::path arquivo = pasta / "e.wav";
    {
        SaidaMIDI saida(std::make_unique<SintetizadorEmbutido>(arquivo.string()));
        ASSERT_TRUE(saida.estaAberta());
        saida.setInstrumento(1, 24);
        reproducao::tocarAcorde(saida, {40, 47, 52, 56, 59, 64});
    }
    const Wav w = lerWav(arquivo);
    ASSERT_EQ(w.canais, 2);
    EXPECT_EQ(w.taxa, SintetizadorEmbutido::kTaxaWav);
    // 960 ms of strum (six strings, 160 ms each) and the tail, to a block of 64 frames.
    const double esperados = (960.0 + SintetizadorEmbutido::kCaudaWavMilissegundos) * w.taxa / 1000;
    EXPECT_NEAR(static_cast<double>(w.quadros()), esperados, 64);
    // Every string's 160 ms sounds, and it is a real level, not dither.
    for (int corda = 0; corda < 6; ++corda) EXPECT_GT(w.pico(corda * 160, corda * 160 + 160), 1000) << corda;
}

TEST_F(SintetizadorEmbutidoTest, OSomAconteceQuandoORelogioChega) {
    const fs::path arquivo = pasta / "tempo.wav";
    {
        SaidaMIDI saida(std::make_unique<SintetizadorEmbutido>(arquivo.string()));
        ASSERT_TRUE(saida.estaAberta());
        idioma.plataforma().esperar(500);
        saida.tocarNota(0, 127, 60);
        idioma.plataforma().esperar(500);
        saida.silenciar();
    }
    const Wav w = lerWav(arquivo);
    ASSERT_GT(w.quadros(), 0u);
    // Before the note only the dither of the 16-bit conversion.
    EXPECT_LT(w.pico(0, 495), 50);
    EXPECT_GT(w.pico(500, 1000), 1000);
    EXPECT_NEAR(static_cast<double>(w.quadros()), (1000.0 + SintetizadorEmbutido::kCaudaWavMilissegundos) * w.taxa / 1000, 64);
}

TEST_F(SintetizadorEmbutidoTest, NaoAbreSemSoundFontNemArquivoGravavel) {
    struct Caso {
        const char* nome;
        fs::path arquivo;
        std::string soundFont;
        int id;
    };
    const Caso casos[] = {
        {"no SoundFont", pasta / "a.wav", (pasta / "none.sf2").string(), -1},
        {"not a SoundFont", pasta / "b.wav", __FILE__, -1},
        {"folder missing", pasta / "missing" / "c.wav", "", -1},
        {"only one device", pasta / "d.wav", "", 1},
    };
    for (const auto& c : casos) {
        SintetizadorEmbutido s(c.arquivo.string(), c.soundFont);
        EXPECT_FALSE(s.abrir(c.id)) << c.nome;
        EXPECT_TRUE(s.getDriver().empty()) << c.nome;
        // Closing what did not open is harmless and leaves no file behind.
        s.fechar();
        EXPECT_FALSE(fs::exists(c.arquivo)) << c.nome;
    }
}

TEST_F(SintetizadorEmbutidoTest, UmDispositivoComNome) {
    SintetizadorEmbutido audio;
    EXPECT_EQ(audio.numeroDispositivos(), 1);
    EXPECT_EQ(audio.nomeDispositivo(0), "Built-in synthesizer");
    EXPECT_EQ(audio.nomeDispositivo(-1), "Built-in synthesizer");
    EXPECT_EQ(audio.nomeDispositivo(1), std::nullopt);
}

}  // namespace
