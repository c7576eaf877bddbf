#pragma once
// An ordered collection that owns polymorphic elements.
//
// Elements of the chord family copy themselves with clone() and compare with
// igual()/menorQue() (virtual, so a fingering compares as a fingering even when
// held as a chord). Other element types (displayed scales) are copied with their
// own copy constructor and compared with their own operators.
#include <algorithm>
#include <cstddef>
#include <memory>
#include <type_traits>
#include <vector>

#include "core/base/Excecoes.h"

namespace colecao_detalhe {

template <typename T>
concept Clonavel = requires(const T& t, const T* p) {
    { t.clone() };
    { t.igual(p) } -> std::convertible_to<bool>;
    { t.menorQue(p) } -> std::convertible_to<bool>;
};

template <typename T>
std::unique_ptr<T> copiar(const T& t) {
    if constexpr (Clonavel<T>) {
        auto* copia = t.clone();
        if constexpr (std::is_convertible_v<decltype(copia), T*>) {
            return std::unique_ptr<T>(copia);
        } else {
            // clone() declared by a base class without a covariant override:
            // the copy is still of the element's dynamic type.
            std::unique_ptr<std::remove_pointer_t<decltype(copia)>> base(copia);
            T* derivado = dynamic_cast<T*>(base.get());
            if (derivado == nullptr) {
                throw IllegalArgumentException("clone() devolveu outro tipo", "clone()", "ColecaoPtr<T>",
                                               "addElement(T*)");
            }
            base.release();
            return std::unique_ptr<T>(derivado);
        }
    } else {
        return std::make_unique<T>(t);
    }
}

template <typename T>
bool iguais(const T& a, const T& b) {
    if constexpr (Clonavel<T>) {
        return a.igual(&b);
    } else {
        return a == b;
    }
}

template <typename T>
bool menor(const T& a, const T& b) {
    if constexpr (Clonavel<T>) {
        return a.menorQue(&b);
    } else {
        return a < b;
    }
}

}  // namespace colecao_detalhe

template <typename T>
class ColecaoPtr {
public:
    ColecaoPtr() = default;
    ColecaoPtr(const ColecaoPtr& outra) { *this = outra; }
    ColecaoPtr(ColecaoPtr&&) noexcept = default;
    virtual ~ColecaoPtr() = default;

    virtual ColecaoPtr& operator=(const ColecaoPtr& outra) {
        if (this == &outra) return *this;
        std::vector<std::unique_ptr<T>> copia;
        copia.reserve(outra.elementos.size());
        for (const auto& e : outra.elementos) copia.push_back(colecao_detalhe::copiar(*e));
        elementos = std::move(copia);
        return *this;
    }
    ColecaoPtr& operator=(ColecaoPtr&&) noexcept = default;

    virtual bool operator==(const ColecaoPtr& outra) const {
        if (elementos.size() != outra.elementos.size()) return false;
        for (size_t i = 0; i < elementos.size(); ++i) {
            if (!colecao_detalhe::iguais(*elementos[i], *outra.elementos[i])) return false;
        }
        return true;
    }

    // Copying form: the caller keeps the given object.
    void addElement(const T* elemento) {
        if (elemento == nullptr) rejeitarNulo();
        elementos.push_back(colecao_detalhe::copiar(*elemento));
    }
    // Taking form: the collection takes the object over.
    void addElement(std::unique_ptr<T> elemento) {
        if (!elemento) rejeitarNulo();
        elementos.push_back(std::move(elemento));
    }
    // A bare nullptr would fit both forms.
    void addElement(std::nullptr_t) { rejeitarNulo(); }

    void removeElement(const T* elemento) {
        if (elemento != nullptr) {
            for (auto it = elementos.begin(); it != elementos.end(); ++it) {
                if (colecao_detalhe::iguais(**it, *elemento)) {
                    elementos.erase(it);
                    return;
                }
            }
        }
        throw NotFoundException();
    }

    void removeElement(int posicao) {
        if (posicao < 0 || posicao >= size()) throw NotFoundException();
        elementos.erase(elementos.begin() + posicao);
    }

    void clear() { elementos.clear(); }

    // Stable, so equal elements keep their order; and unlike std::sort a
    // less-than that is not a strict order cannot make it run off the ends.
    void sort() {
        std::stable_sort(elementos.begin(), elementos.end(),
                  [](const std::unique_ptr<T>& a, const std::unique_ptr<T>& b) {
                      if (!a || !b) return !a && b;
                      return colecao_detalhe::menor(*a, *b);
                  });
    }

    int size() const { return static_cast<int>(elementos.size()); }

    T* getElement(int posicao) const {
        if (posicao < 0 || posicao >= size()) {
            throw OutOfBoundsException("Indice inv\xE1lido", posicao, "ColecaoPtr<T>", "getElement(int)");
        }
        return elementos[posicao].get();
    }

    void setElement(int posicao, const T* elemento) {
        T* antigo = getElement(posicao);
        (void)antigo;
        if (elemento == nullptr) rejeitarNulo();
        elementos[posicao] = colecao_detalhe::copiar(*elemento);
    }

private:
    [[noreturn]] static void rejeitarNulo() {
        throw IllegalArgumentException("Elemento \xE9 NULL", "NULL", "ColecaoPtr<T>", "addElement(T*)");
    }

    std::vector<std::unique_ptr<T>> elementos;
};
