#include "app/CliSession.h"

#include "engine/Engine.h"
#include "model/Deal.h"
#include "model/Session.h"
#include "platform/Files.h"

#include <cstdlib>
#include <iostream>

namespace quillon::cli {

std::string CliProgramFolder() {
    if (const char* dir = std::getenv("QUILLON_PROGRAM_DIR"); dir && *dir)
        return WithSlash(dir);
    return ProgramFolder();
}

void PrepareSession(Session& s) {
    s.ProgramFolder = CliProgramFolder();
    InstallEngine(s);
}

bool ParseNumberArg(const std::string& command, const std::string& what, const std::string& text,
                    long long max, long long& out) {
    if (!ParseDecimal(text, out) || out < 0 || out > max) {
        std::cerr << "quillon-cli " << command << ": '" << text << "' is not " << what << "\n";
        return false;
    }
    return true;
}

bool DealFromArgs(Session& s, const std::string& command, const std::string& game, const std::string& code) {
    long long number = 0;
    if (!ParseNumberArg(command, "a game number", game, 9999, number))
        return false;
    if (code.size() != kDealCodeDigits || !IsDealCode(code)) {
        std::cerr << "quillon-cli " << command << ": malformed deal code '" << code << "' (want 13 digits)\n";
        return false;
    }
    PrepareSession(s);
    std::string error;
    if (!LoadAndDeal(s, static_cast<int>(number), code, error)) {
        std::cerr << "quillon-cli " << command << ": " << error << "\n";
        return false;
    }
    return true;
}

} // namespace quillon::cli
