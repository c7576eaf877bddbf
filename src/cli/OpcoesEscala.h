#pragma once
// The scale options shared by the subcommands that lay out or play a scale:
//   --name NAME | --offsets "0 2 4 ..."   the scale, by name in the language's
//                                         scale file or by its semitone offsets
//   --key K                               0 to 11, or a key name of the language
#include <cstddef>
#include <cstdint>
#include <string>

#include "cli/Cli.h"
#include "scales/Escala.h"

namespace cli {

// Enough for any real scale (three chromatic octaves are 37 degrees); the
// bound keeps a pasted wall of numbers from asking for gigabytes of positions.
constexpr size_t kMaximoOffsets = 128;

// The key as its index 0..11 or as one of the language's twelve key names.
int32_t lerTom(const std::string& texto);

// The scale of --name or --offsets; usage errors for a bad or unknown one.
Escala escalaPedida(Contexto& ctx, const Argumentos& args);

}  // namespace cli
