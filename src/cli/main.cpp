#include <iostream>
#include <string>
#include <vector>

#include "cli/Cli.h"

int main(int argc, char** argv) {
    return cli::executar(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}
