// quillon: the program. Apart from --help and --version it reads no arguments and no environment
// variables of its own.
#include "shell/Startup.h"

#include <cstdio>
#include <cstring>

#ifndef QUILLON_VERSION
#define QUILLON_VERSION "3.2"
#endif

int main(int argc, char** argv) {
    if (argc > 1) {
        if (std::strcmp(argv[1], "--version") == 0) {
            std::printf("quillon " QUILLON_VERSION "\n");
            return 0;
        }
        const bool help = std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0;
        std::fprintf(help ? stdout : stderr,
                     "usage: quillon [--help | --version]\n"
                     "Quillon 2003, a collection of patience card games. Started without arguments it\n"
                     "opens its window; the games, the players and their statistics are chosen there.\n");
        return help ? 0 : 2;
    }
    return quillon::RunProgram();
}
