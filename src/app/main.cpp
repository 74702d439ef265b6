// quillon: the program. Until the main window exists it prepares its session, reports what it
// found and ends.

#include "model/Session.h"
#include "platform/Files.h"

#include <iostream>

int main() {
    quillon::Session session;
    session.ProgramFolder = quillon::ProgramFolder();
    std::cout << "Quillon 2003\n"
              << "program folder: " << session.ProgramFolder << "\n"
              << "card table: " << session.Cards.size() << " cards\n"
              << "configuration file: " << session.Params.ReadParam(1, 20) << "\n";
    return 0;
}
