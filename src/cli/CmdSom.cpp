// Subcommands that sound: devices (the MIDI output devices), play (a chord
// strummed as the fretboard view strums it) and play-scale (a scale position
// note by note). With --wav the built-in synthesizer renders into a file
// instead of playing, at once: the run's clock only counts the waits.
#include <cstdint>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "cli/Cli.h"
#include "cli/GerenciadorAcordesCli.h"
#include "cli/OpcoesEscala.h"
#include "cli/OpcoesInstrumento.h"
#include "core/base/Excecoes.h"
#include "core/base/GerenciadorIdiomas.h"
#include "core/base/PlataformaHeadless.h"
#include "harmony/GerenciadorAcordes.h"
#include "harmony/Rotulos.h"
#include "instruments/PosicaoHarmonicaInstrumentoCordas.h"
#include "scales/BaseEscalas.h"
#include "scales/GeradorEscalas.h"
#include "sound/RegistroMIDI.h"
#include "sound/Reproducao.h"
#include "sound/SaidaMIDI.h"
#include "sound/SintetizadorEmbutido.h"

namespace cli {

namespace {

std::set<std::string> opcoesSaida(std::set<std::string> proprias) {
    proprias.insert({"device", "wav"});
    return comOpcoesInstrumento(std::move(proprias));
}

// The run's MIDI output: the built-in synthesizer writing the WAV file, or
// the system's devices moved to the one asked for, as the program does at
// start-up. With --midi-log every message is written on stderr.
std::unique_ptr<SaidaMIDI> abrirSaida(Contexto& ctx, const Argumentos& args) {
    const auto wav = args.opcao("wav");
    const auto dispositivo = args.opcaoInteira("device");
    if (wav && dispositivo) throw ErroUso("--wav and --device exclude each other");
    if (wav && wav->empty()) throw ErroUso("--wav needs a file name");
    if (dispositivo && (*dispositivo < -1 || *dispositivo > INT32_MAX)) {
        throw ErroUso("--device must be -1 or a device index (see the devices subcommand)");
    }

    if (wav && !SintetizadorEmbutido::procurarSoundFont()) {
        throw NotFoundException("no General MIDI SoundFont is installed (fluid-soundfont-gm)", "SoundFont",
                                "SintetizadorEmbutido", "abrir(int)");
    }
    std::unique_ptr<DispositivoMIDI> dispositivos;
    if (wav) {
        dispositivos = std::make_unique<SintetizadorEmbutido>(*wav);
    } else {
        dispositivos = criarDispositivosSistema();
    }
    if (ctx.midiLog) dispositivos = std::make_unique<RegistroMIDI>(std::move(dispositivos), ctx.erros);
    auto saida = std::make_unique<SaidaMIDI>(std::move(dispositivos));
    if (dispositivo) saida->setDispositivo(static_cast<int>(*dispositivo));
    if (!saida->estaAberta()) {
        if (wav) throw DException("the WAV file " + *wav + " could not be written");
        ctx.erros << "brelvio-cli: MIDI device " << saida->getDispositivo() << " did not open: nothing is heard\n";
        return saida;
    }
    // Playing to a device takes as long as the music; a file is rendered
    // by the clock alone.
    if (!wav) {
        if (auto* headless = dynamic_cast<PlataformaHeadless*>(&ctx.plataforma)) headless->setEsperasReais(true);
    }
    return saida;
}

void escreverResultado(Contexto& ctx, nlohmann::ordered_json resultado, const std::string& titulo,
                       const std::vector<int32_t>& notas, int dispositivo, bool aberta) {
    std::vector<int32_t> tocadas;
    for (const int32_t n : notas) {
        if (n >= 0) tocadas.push_back(n);
    }
    if (ctx.json) {
        resultado["pitches"] = tocadas;
        resultado["device"] = dispositivo;
        resultado["opened"] = aberta;
        escreverJson(ctx, resultado);
        return;
    }
    ctx.saida << titulo << ": pitches";
    for (const int32_t n : tocadas) ctx.saida << ' ' << n;
    ctx.saida << (aberta ? "" : " (not heard)") << '\n';
}


}  // namespace

int cmdDevices(Contexto& ctx, const std::vector<std::string>& palavras) {
    const Argumentos args(palavras, {});
    args.exigir(0);
    // Only the names: nothing is opened to list them.
    const auto dispositivos = criarDispositivosSistema();
    const std::vector<std::string> nomes = nomesDispositivos(*dispositivos);
    if (ctx.json) {
        nlohmann::ordered_json lista = nlohmann::ordered_json::array();
        for (const auto& n : nomes) lista.push_back(utf8(n));
        escreverJson(ctx, {{"devices", lista}});
        return 0;
    }
    for (size_t i = 0; i < nomes.size(); ++i) {
        ctx.saida << i << ". " << utf8(nomes[i]) << (i == 0 ? "  (default, also -1)" : "") << '\n';
    }
    return 0;
}

int cmdPlay(Contexto& ctx, const std::vector<std::string>& palavras) {
    const Argumentos args(palavras, opcoesSaida({}));
    args.exigir(1);
    const std::string cifra = args.texto(0, "SYMBOL");
    return comErrosRelatados(ctx, [&] {
        const InstrumentoEscolhido escolhido = escolherInstrumento(ctx, args);
        const InstrumentoCordas& instrumento = *escolhido.instrumento;
        const auto gerenciador = abrirGerenciadorAcordes(ctx);
        gerenciador->usarInstrumento(instrumento);
        const auto* posicao = gerenciador->setAcorde(cifra.c_str())
                                  ? dynamic_cast<const PosicaoHarmonicaInstrumentoCordas*>(
                                        gerenciador->getPosicaoAcordeAtual())
                                  : nullptr;
        if (posicao == nullptr) {
            if (ctx.json) {
                escreverJson(ctx, {{"error", "msgErroSintaxe"}});
            } else {
                ctx.saida << utf8(ctx.idiomas.getTexto("fmPrincipal", "msgErroSintaxe")) << '\n';
            }
            return 1;
        }
        const PosicaoHarmonicaInstrumentoCordas primeira = *posicao;
        const std::vector<int32_t> notas = primeira.getNotas(instrumento.getAfinacao(), instrumento.getNumeroCasas());
        const std::string nome = gerenciador->getNomeAcordeAtual();

        int dispositivo = -1;
        bool aberta = false;
        {
            const auto saida = abrirSaida(ctx, args);
            // The instrument's own sound on the playing channel, as the kept
            // settings set it at start-up.
            saida->setInstrumento(reproducao::kCanal, instrumento.getSom());
            reproducao::tocarAcorde(*saida, notas);
            dispositivo = saida->getDispositivo();
            aberta = saida->estaAberta();
        }  // a WAV file is complete once its output is gone
        escreverResultado(ctx, {{"chord", utf8(nome)}, {"frets", primeira.getCasas()}},
                          utf8(nome) + " on " + utf8(instrumento.getName()), notas, dispositivo, aberta);
        return 0;
    });
}

int cmdPlayScale(Contexto& ctx, const std::vector<std::string>& palavras) {
    const Argumentos args(palavras, opcoesSaida({"name", "offsets", "key", "position", "tempo"}));
    args.exigir(0);
    if (args.tem("name") == args.tem("offsets")) throw ErroUso("give either --name or --offsets");
    if (!args.tem("key")) throw ErroUso("missing --key");
    const int32_t tom = lerTom(*args.opcao("key"));
    const long long tempo = args.opcaoInteira("tempo").value_or(reproducao::kEsperaNotaEscala);
    if (tempo < 1 || tempo > reproducao::kEsperaNotaEscala) throw ErroUso("--tempo must be 1 to 1000 milliseconds");
    const long long indice = args.opcaoInteira("position").value_or(0);
    if (indice < 0) throw ErroUso("--position must be a position index from 0");
    return comErrosRelatados(ctx, [&] {
        const Escala escala = escalaPedida(ctx, args);
        const InstrumentoEscolhido escolhido = escolherInstrumento(ctx, args);
        const InstrumentoCordas& instrumento = *escolhido.instrumento;
        const ColecaoPtr<EscalaExibicao> posicoes = GeradorEscalas().obterPosicoesEscala(escala, tom, instrumento);
        if (indice >= posicoes.size()) {
            if (posicoes.size() == 0) {
                throw NotFoundException("the scale has no position on this instrument", "position", "GeradorEscalas",
                                        "obterPosicoesEscala");
            }
            throw ErroUso("--position must be 0 to " + std::to_string(posicoes.size() - 1));
        }
        const EscalaExibicao& posicao = *posicoes.getElement(static_cast<int>(indice));
        const std::vector<int32_t> notas = reproducao::notasEscala(posicao, instrumento);

        int dispositivo = -1;
        bool aberta = false;
        {
            const auto saida = abrirSaida(ctx, args);
            saida->setInstrumento(reproducao::kCanal, instrumento.getSom());
            reproducao::tocarEscala(*saida, notas, static_cast<int>(tempo));
            dispositivo = saida->getDispositivo();
            aberta = saida->estaAberta();
        }
        const std::string nome = escala.getNome().empty() ? std::string("Scale") : utf8(escala.getNome());
        escreverResultado(ctx, {{"scale", nome}, {"key", utf8(nomeTonalidade(tom))}, {"position", indice}},
                          nome + " in " + utf8(nomeTonalidade(tom)) + ", position " + std::to_string(indice), notas,
                          dispositivo, aberta);
        return 0;
    });
}

}  // namespace cli
