#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "core/base/ColecaoPtr.h"

namespace {

// An element with the chord family's protocol, and a descendant that must
// survive copying as itself.
class Peca {
public:
    explicit Peca(int valor) : valor(valor) { ++vivas; }
    Peca(const Peca& outra) : valor(outra.valor) { ++vivas; }
    virtual ~Peca() { --vivas; }
    virtual Peca* clone() const { return new Peca(*this); }
    virtual bool operator==(const Peca& outra) const { return valor == outra.valor; }
    virtual bool igual(const Peca* outra) const { return *this == *outra; }
    virtual bool diferente(const Peca* outra) const { return !igual(outra); }
    virtual bool menorQue(const Peca* outra) const { return valor < outra->valor; }
    virtual std::string tipo() const { return "Peca"; }

    int valor;
    static inline int vivas = 0;
};

class PecaMarcada : public Peca {
public:
    PecaMarcada(int valor, std::string marca) : Peca(valor), marca(std::move(marca)) {}
    PecaMarcada* clone() const override { return new PecaMarcada(*this); }
    std::string tipo() const override { return "PecaMarcada:" + marca; }
    std::string marca;
};

// An element without that protocol (like a displayed scale): copied by its
// copy constructor, compared and ordered by its own operators.
struct Simples {
    int valor;
    bool operator==(const Simples&) const = default;
    bool operator<(const Simples& o) const { return valor < o.valor; }
};

ColecaoPtr<Peca> colecao(const std::vector<int>& valores) {
    ColecaoPtr<Peca> c;
    for (int v : valores) c.addElement(std::make_unique<Peca>(v));
    return c;
}

std::vector<int> valores(const ColecaoPtr<Peca>& c) {
    std::vector<int> v;
    for (int i = 0; i < c.size(); ++i) v.push_back(c.getElement(i)->valor);
    return v;
}

TEST(ColecaoPtr, GetElementForaDosLimites) {
    const ColecaoPtr<Peca> c = colecao({1, 2, 3});
    for (int indice : {-1, 3, 1000}) {
        try {
            c.getElement(indice);
            ADD_FAILURE() << indice;
        } catch (const OutOfBoundsException& e) {
            EXPECT_EQ(e.index, indice);
            EXPECT_EQ(e.toString(), "Indice inv\xE1lido\n\rColecaoPtr<T>::getElement(int)");
        }
    }
}

TEST(ColecaoPtr, ElementoNuloRecusadoSemMudarNada) {
    ColecaoPtr<Peca> c = colecao({1, 2});
    const Peca* nulo = nullptr;
    try {
        c.addElement(nulo);
        ADD_FAILURE();
    } catch (const IllegalArgumentException& e) {
        EXPECT_EQ(e.argument, "NULL");
        EXPECT_EQ(e.toString(), "Elemento \xE9 NULL\n\rColecaoPtr<T>::addElement(T*)");
    }
    EXPECT_THROW(c.addElement(std::unique_ptr<Peca>()), IllegalArgumentException);
    EXPECT_THROW(c.addElement(nullptr), IllegalArgumentException);
    EXPECT_THROW(c.setElement(0, nulo), IllegalArgumentException);
    EXPECT_EQ(valores(c), (std::vector<int>{1, 2}));
}

TEST(ColecaoPtr, CopiaTemElementosIndependentes) {
    const int antes = Peca::vivas;
    {
        ColecaoPtr<Peca> original;
        original.addElement(std::make_unique<PecaMarcada>(7, "a"));
        PecaMarcada avulsa(9, "b");
        original.addElement(&avulsa);  // copying form: the caller keeps its object
        avulsa.valor = 100;
        EXPECT_EQ(original.getElement(1)->valor, 9);

        ColecaoPtr<Peca> copia(original);
        ASSERT_NE(copia.getElement(0), original.getElement(0));
        EXPECT_EQ(copia.getElement(0)->tipo(), "PecaMarcada:a");
        copia.getElement(0)->valor = 70;
        copia.removeElement(1);
        EXPECT_EQ(valores(original), (std::vector<int>{7, 9}));

        ColecaoPtr<Peca> atribuida = colecao({5, 5, 5});
        atribuida = original;
        EXPECT_EQ(valores(atribuida), (std::vector<int>{7, 9}));
        atribuida = atribuida;
        EXPECT_EQ(valores(atribuida), (std::vector<int>{7, 9}));
        original.clear();
        EXPECT_EQ(atribuida.getElement(1)->tipo(), "PecaMarcada:b");
    }
    EXPECT_EQ(Peca::vivas, antes) << "an element leaked or was destroyed twice";
}

TEST(ColecaoPtr, Igualdade) {
    struct Caso {
        std::vector<int> a, b;
        bool iguais;
    };
    const Caso casos[] = {
        {{}, {}, true},
        {{1, 2}, {1, 2}, true},
        {{1, 2}, {2, 1}, false},
        {{1, 2}, {1, 2, 3}, false},
        {{1}, {}, false},
    };
    for (const auto& c : casos) {
        EXPECT_EQ(colecao(c.a) == colecao(c.b), c.iguais) << c.a.size() << " vs " << c.b.size();
    }
}

TEST(ColecaoPtr, Ordena) {
    struct Caso {
        std::vector<int> antes, depois;
    };
    const Caso casos[] = {
        {{}, {}},
        {{4}, {4}},
        {{3, 1, 2}, {1, 2, 3}},
        {{5, 4, 3, 2, 1, 0, 9, 8, 7, 6, 5, 4}, {0, 1, 2, 3, 4, 4, 5, 5, 6, 7, 8, 9}},
    };
    for (const auto& c : casos) {
        ColecaoPtr<Peca> col = colecao(c.antes);
        col.sort();
        EXPECT_EQ(valores(col), c.depois);
    }
}

TEST(ColecaoPtr, RemoveElemento) {
    ColecaoPtr<Peca> c = colecao({1, 2, 3, 2});
    const Peca dois(2);
    c.removeElement(&dois);  // the first equal one goes
    EXPECT_EQ(valores(c), (std::vector<int>{1, 3, 2}));
    const Peca ausente(42);
    EXPECT_THROW(c.removeElement(&ausente), NotFoundException);
    EXPECT_THROW(c.removeElement(static_cast<const Peca*>(nullptr)), NotFoundException);
    EXPECT_THROW(c.removeElement(3), NotFoundException);
    EXPECT_THROW(c.removeElement(-1), NotFoundException);
    EXPECT_EQ(valores(c), (std::vector<int>{1, 3, 2}));
    try {
        c.removeElement(&ausente);
    } catch (const NotFoundException& e) {
        EXPECT_EQ(e.toString(), "");  // built with no arguments
    }
}

TEST(ColecaoPtr, SetElementCopiaEDestroiOAntigo) {
    const int antes = Peca::vivas;
    {
        ColecaoPtr<Peca> c = colecao({1, 2});
        PecaMarcada nova(8, "n");
        c.setElement(1, &nova);
        nova.valor = 0;
        EXPECT_EQ(valores(c), (std::vector<int>{1, 8}));
        EXPECT_EQ(c.getElement(1)->tipo(), "PecaMarcada:n");
        EXPECT_THROW(c.setElement(2, &nova), OutOfBoundsException);
    }
    EXPECT_EQ(Peca::vivas, antes);
}

TEST(ColecaoPtr, ElementoSemProtocoloUsaOsProprios) {
    ColecaoPtr<Simples> c;
    c.addElement(std::make_unique<Simples>(Simples{3}));
    const Simples um{1};
    c.addElement(&um);
    ColecaoPtr<Simples> copia = c;
    copia.getElement(0)->valor = 30;
    EXPECT_EQ(c.getElement(0)->valor, 3);
    EXPECT_FALSE(copia == c);
    c.sort();
    EXPECT_EQ(c.getElement(0)->valor, 1);
    c.removeElement(&um);
    EXPECT_EQ(c.size(), 1);
}

}  // namespace
