// The GUI tests share one application object on the offscreen platform, so
// they need no display; it is the program's own, which keeps errors that
// escape an event handler inside that event.
#include <gtest/gtest.h>

#include "ui/AplicacaoBrelvio.h"

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    AplicacaoBrelvio aplicacao(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
