// The XML scanner on any bytes: every part is scanned to the end, and every
// scan moves forward (a scanner that stops moving would hang its callers).
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "instruments/TXMLParser.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, size_t tamanho) {
    TXMLParser scanner;
    scanner.setNormalizeWhitespace(tamanho > 0 && (dados[0] & 1));
    scanner.LoadFromBuffer(std::string_view(reinterpret_cast<const char*>(dados), tamanho));
    scanner.StartScan();
    size_t partes = 0;
    while (scanner.Scan()) {
        (void)scanner.PartName();
        (void)scanner.PartContent();
        (void)scanner.PartAttributes();
        if (++partes > tamanho + 16) std::abort();  // more parts than bytes: not moving
    }
    return 0;
}
