#pragma once
// The platform of tests and the command-line tool: real files, no desktop.
// Messages are recorded, chooser and message-box answers come from a script,
// waits advance a fake clock (and sleep too when asked to).
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "core/base/Plataforma.h"

class PlataformaHeadless : public PlataformaArquivos {
public:
    struct Mensagem {
        std::string texto;
        std::string titulo;
        BotoesMensagem botoes;
    };

    explicit PlataformaHeadless(std::string diretorioPrograma, std::string nomeArquivo = "brelvio");

    std::string diretorioPrograma() const override { return diretorio; }
    std::string nomeArquivoPrograma() const override { return nomeArquivo; }

    RespostaMensagem mostrarMensagem(const std::string& texto, const std::string& titulo,
                                     BotoesMensagem botoes) override;
    std::optional<int> escolherIdioma(const std::vector<std::string>& nomes) override;
    void pedirEncerramento() override { encerrar = true; }
    bool encerramentoPedido() const override { return encerrar; }
    bool abrirDocumento(const std::string& caminhoOuEndereco) override;
    void esperar(int milissegundos) override;
    int64_t agoraMilissegundos() const override { return relogio; }

    // Script: answers are taken in order; without one, a message box answers
    // its first button (Ok or Sim) and the chooser cancels.
    void responderMensagem(RespostaMensagem resposta) { respostas.push_back(resposta); }
    void responderEscolha(std::optional<int> escolha) { escolhas.push_back(escolha); }
    void falharAberturas(bool falhar) { aberturasFalham = falhar; }
    // Waits that also sleep, for a command-line run that plays to a sound
    // device; the clock still moves by exactly the time waited.
    void setEsperasReais(bool reais) { esperasReais = reais; }

    const std::vector<Mensagem>& mensagens() const { return mensagensMostradas; }
    const std::vector<std::vector<std::string>>& escolhasOferecidas() const { return listasOferecidas; }
    const std::vector<std::string>& documentosAbertos() const { return abertos; }
    const std::vector<int>& esperas() const { return esperasFeitas; }
    void limparRegistro();

private:
    std::string diretorio;
    std::string nomeArquivo;
    bool encerrar = false;
    bool aberturasFalham = false;
    bool esperasReais = false;
    int64_t relogio = 0;
    std::deque<RespostaMensagem> respostas;
    std::deque<std::optional<int>> escolhas;
    std::vector<Mensagem> mensagensMostradas;
    std::vector<std::vector<std::string>> listasOferecidas;
    std::vector<std::string> abertos;
    std::vector<int> esperasFeitas;
};
