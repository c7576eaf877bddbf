#pragma once
// Whole-file reads for tests that check what the program wrote.
#include <fstream>
#include <sstream>
#include <string>

inline std::string lerArquivo(const std::string& caminho) {
    std::ifstream f(caminho, std::ios::binary);
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
}
