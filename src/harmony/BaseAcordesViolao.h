#pragma once
// The chord database of the standard guitar, read from its binary file.
//
// The file is a sequence of records and nothing else; a record is 10 + n bytes:
//   0      2  record number (not read)
//   2      1  n, the length of the name, 1..30
//   3      n  the chord name, Windows-1252
//   3+n    1  mask of the strings that sound (not read)
//   4+n    3  frets, 4 bits per string, string 0 (lowest) in the low nibble of the first byte
//   7+n    3  fingers, 3 bits per string: bits 0..2 the even string, 3..5 the odd one
// Records with the same name add fingerings to one chord, in file order.
#include <string>

#include "core/base/Plataforma.h"
#include "harmony/BaseAcordes.h"

class BaseAcordesViolao : public BaseAcordes {
public:
    static constexpr int kCordas = 6;
    static constexpr int kTamanhoMaximoNome = 30;
    // A fingering's key holds fret + 1 in four bits: frets above 14 cannot be told apart.
    static constexpr int kMaiorCasa = 14;

    // Files are reached through the current platform at loading time.
    BaseAcordesViolao();
    explicit BaseAcordesViolao(Plataforma& plataforma);

    // A missing file raises FileNotFoundException. A file that exists but
    // cannot be read is reported in a message box and the application is asked
    // to end, leaving the list empty. A record that is cut short, has an empty
    // or overlong name, or frets and fingers that cannot be a fingering raises
    // DataFormatException naming the record, and the list is left empty.
    void carregarBase(const std::string& caminho) override;

private:
    Plataforma& plataforma() const;
    void lerRegistros(const std::string& conteudo, const std::string& caminho);

    Plataforma* plataformaDada = nullptr;
};
