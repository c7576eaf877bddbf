#pragma once
// The instrument options shared by every subcommand that works on an
// instrument:
//   --instrument INDEX   an entry of the instrument list (built-ins first; default 0)
//   --tuning "P P ..."   an instrument given on the spot by its open-string
//                        MIDI pitches, lowest string first, with
//   --frets N            its fret count (default 12) and
//   --span N             the largest fret span of a fingering (default 3).
// Bad values are usage errors.
#include <memory>
#include <set>
#include <string>

#include "cli/Cli.h"
#include "instruments/GerenciadorInstrumentos.h"
#include "instruments/InstrumentoCordas.h"

namespace cli {

// The option names above, to be accepted next to a subcommand's own.
std::set<std::string> comOpcoesInstrumento(std::set<std::string> proprias = {});

struct InstrumentoEscolhido {
    // This run's instrument manager; with --instrument its current instrument
    // is the chosen one (instrumento is a copy of it).
    std::unique_ptr<GerenciadorInstrumentos> gerenciador;
    std::shared_ptr<InstrumentoCordas> instrumento;
    // The list index, or -1 for an instrument given by its tuning.
    int indice = -1;
};

// Errors of the instrument file (a missing or broken file behind an index
// past the built-ins) pass through as DException.
InstrumentoEscolhido escolherInstrumento(Contexto& ctx, const Argumentos& args);

}  // namespace cli
