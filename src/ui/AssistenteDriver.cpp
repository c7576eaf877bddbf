#include "ui/AssistenteDriver.h"

int executarAssistenteDriver() {
    // The wizard window is not part of this build yet: no device is confirmed.
    return -1;
}
