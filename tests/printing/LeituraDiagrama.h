#pragma once
// Reads one chord diagram back from a recorded page: where its strings and
// frets lie, and the dot of each string with the label written inside it.
#include <algorithm>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "fakes/SuperficieGravada.h"

struct PontoLido {
    int esquerda = 0, topo = 0, diametro = 0;
    int caneta = 0;
    std::string rotulo;  // empty for none
    std::string fonteRotulo;
    int alturaRotulo = 0;
};

struct DiagramaLido {
    int xCorda0 = 0;
    double espacoCordas = 0;
    int topoGrade = 0;
    double espacoCasas = 0;
    std::vector<int> canetasCordas;  // left to right
    std::vector<int> canetasCasas;
    std::map<int, PontoLido> pontos;  // by string index

    // The fret space (1 = the first below the top line) a dot's centre lies in;
    // 0 above the grid.
    int espacoDe(const PontoLido& p) const {
        const double centro = p.topo + p.diametro / 2.0;
        if (centro < topoGrade) return 0;
        return static_cast<int>((centro - topoGrade) / espacoCasas) + 1;
    }
};

inline DiagramaLido lerDiagrama(const SuperficieGravada& pagina) {
    DiagramaLido d;
    std::vector<Desenho> verticais, horizontais;
    for (const auto& l : pagina.deTipo(TipoDesenho::Linha)) (l.x1 == l.x2 ? verticais : horizontais).push_back(l);
    std::sort(verticais.begin(), verticais.end(), [](const Desenho& a, const Desenho& b) { return a.x1 < b.x1; });
    std::sort(horizontais.begin(), horizontais.end(), [](const Desenho& a, const Desenho& b) { return a.y1 < b.y1; });
    if (verticais.size() < 2 || horizontais.size() < 2) return d;
    d.xCorda0 = verticais.front().x1;
    d.espacoCordas = static_cast<double>(verticais.back().x1 - verticais.front().x1) / (verticais.size() - 1);
    d.topoGrade = horizontais.front().y1;
    d.espacoCasas = static_cast<double>(horizontais.back().y1 - horizontais.front().y1) / (horizontais.size() - 1);
    for (const auto& v : verticais) d.canetasCordas.push_back(v.caneta);
    for (const auto& h : horizontais) d.canetasCasas.push_back(h.caneta);
    for (const auto& e : pagina.deTipo(TipoDesenho::Elipse)) {
        PontoLido p{e.x1, e.y1, e.x2 - e.x1, e.caneta, {}, {}, 0};
        const double cx = e.x1 + p.diametro / 2.0;
        const double cy = e.y1 + p.diametro / 2.0;
        for (const auto& t : pagina.deTipo(TipoDesenho::Texto)) {
            const double tx = (t.x1 + t.x2) / 2.0;
            const double ty = (t.y1 + t.y2) / 2.0;
            if (std::abs(tx - cx) <= 1 && std::abs(ty - cy) <= 1) {
                p.rotulo = t.texto;
                p.fonteRotulo = t.fonte;
                p.alturaRotulo = t.alturaFonte;
            }
        }
        const int corda = static_cast<int>((cx - d.xCorda0) / d.espacoCordas + 0.5);
        d.pontos[corda] = p;
    }
    return d;
}
