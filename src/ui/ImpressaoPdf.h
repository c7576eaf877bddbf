#pragma once
// The window program's command-line mode that prints chord diagrams (and a
// chord sheet) to a PDF file without opening a window:
//   brelvio --pdf FILE [--labels fingers|notes|intervals]
//           [--content both|diagrams|text] [--sheet FILE] [--language NAME]
//           [--instrument INDEX] [--data DIR] SYMBOL...
// The pages are laid out exactly as the print dialog lays them out.
#include <string>

// Whether the arguments ask for this mode (a --pdf among them).
bool pedeImpressaoPdf(int argc, char** argv);
// Runs it: 0 when the file was written, 1 for an error of the dictionary or
// the printer, 2 for a usage error; messages go to the standard error.
int executarImpressaoPdf(int argc, char** argv);
// The lines the program's --help gives this mode.
std::string ajudaImpressaoPdf();
