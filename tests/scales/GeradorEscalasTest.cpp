#include "scales/GeradorEscalas.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "core/base/Excecoes.h"
#include "support/IdiomaDeTeste.h"

namespace {

const std::vector<int32_t> kViolao = {40, 45, 50, 55, 59, 64};
const Escala kMaior("Maior", {0, 2, 4, 5, 7, 9, 11});

class GeradorEscalasTest : public ::testing::Test {
protected:
    IdiomaDeTeste idioma;
    GeradorEscalas gerador;
};

TEST_F(GeradorEscalasTest, MaiorEmDoNoViolao) {
    const auto r = gerador.obterPosicoesEscala(kMaior, 0, kViolao, 12);
    ASSERT_EQ(r.size(), 195);
    EXPECT_EQ(r.getElement(0)->getDificuldade(), 305);
    EXPECT_EQ(r.getElement(1)->getDificuldade(), 305);
    EXPECT_GT(r.getElement(2)->getDificuldade(), 305);
    const EscalaExibicao citada({3, 0, 2, 3, 0, 2, 0}, {1, 2, 2, 2, 3, 3, 4}, {1, 0, 1, 2, 0, 1, 0},
                                {1, 2, 1, 2, 1, 2, 1});
    EXPECT_TRUE(r.getElement(0)->igual(&citada) || r.getElement(1)->igual(&citada));
    for (int i = 1; i < r.size(); ++i) {
        EXPECT_LE(r.getElement(i - 1)->getDificuldade(), r.getElement(i)->getDificuldade());
    }
}

TEST_F(GeradorEscalasTest, PentatonicaMenorEmLa) {
    const auto r = gerador.obterPosicoesEscala(Escala("p", {0, 3, 5, 7, 10}), 9, kViolao, 12);
    EXPECT_EQ(r.size(), 95);
}

}  // namespace
