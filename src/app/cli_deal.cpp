// quillon-cli deal GAME CODE: deals game GAME from the 13-digit deal code CODE and prints the piles.

#include "app/CliCommand.h"

#include "model/Deal.h"
#include "model/Session.h"
#include "platform/Files.h"

#include <cstdlib>
#include <iostream>

namespace {

std::string ProgramFolderForCli() {
    if (const char* dir = std::getenv("QUILLON_PROGRAM_DIR"); dir && *dir)
        return quillon::WithSlash(dir);
    return quillon::ProgramFolder();
}

int Deal(const std::vector<std::string>& args) {
    if (args.size() != 2) {
        std::cerr << "quillon-cli deal: usage: deal GAME CODE\n";
        return 2;
    }
    long long number = 0;
    if (!quillon::ParseDecimal(args[0], number) || number < 0 || number > 9999) {
        std::cerr << "quillon-cli deal: '" << args[0] << "' is not a game number\n";
        return 2;
    }
    if (args[1].size() != quillon::kDealCodeDigits || !quillon::IsDealCode(args[1])) {
        std::cerr << "quillon-cli deal: malformed deal code '" << args[1] << "' (want 13 digits)\n";
        return 2;
    }
    quillon::Session s;
    s.ProgramFolder = ProgramFolderForCli();
    std::string error;
    if (!quillon::LoadAndDeal(s, static_cast<int>(number), args[1], error)) {
        std::cerr << "quillon-cli deal: " << error << "\n";
        return 2;
    }
    for (const auto& line : quillon::DescribePiles(s))
        std::cout << line << "\n";
    return 0;
}

quillon::cli::Register reg("deal", "GAME CODE", Deal);

} // namespace
