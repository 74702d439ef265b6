// quillon: the program. It reads no arguments and no environment variables of its own.
#include "shell/Startup.h"

int main() {
    return quillon::RunProgram();
}
