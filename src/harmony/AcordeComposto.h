#pragma once
// A chord together with the fingerings that play it. The chord owns its
// fingerings; equality and order are those of the chord itself.
#include <string>

#include "core/base/ColecaoPtr.h"
#include "harmony/Acorde.h"
#include "instruments/PosicaoHarmonica.h"

class AcordeComposto : public Acorde {
public:
    // An empty chord without fingerings.
    AcordeComposto();
    // Named as given (code 0), with a copy of every fingering of the list.
    AcordeComposto(const std::string& nome, const ColecaoPtr<PosicaoHarmonica>& posicoes);
    AcordeComposto(const AcordeComposto& outro);
    ~AcordeComposto() override;

    AcordeComposto* clone() const override;
    // The chord part, then the fingerings: the old ones go, copies of the
    // other's come in (none when the other is a plain chord).
    AcordeComposto& operator=(const Acorde& outro) override;
    AcordeComposto& operator=(const AcordeComposto& outro);

    // The owned list itself: callers append to it and read from it.
    ColecaoPtr<PosicaoHarmonica>& getPosicoes() { return posicoes; }
    const ColecaoPtr<PosicaoHarmonica>& getPosicoes() const { return posicoes; }

private:
    ColecaoPtr<PosicaoHarmonica> posicoes;
};
