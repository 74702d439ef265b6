#include "select/Players.h"

#include "model/ConfigFile.h"
#include "model/Deal.h"
#include "model/ParamString.h"
#include "model/Session.h"
#include "platform/Desktop.h"

#include <algorithm>
#include <cctype>

namespace quillon {

namespace {

std::string Lowered(std::string text) {
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// The list box order: letters compared without regard to case, then the exact text for names that
// differ only in case, so the order never depends on the order of the keys.
bool ListOrder(const std::string& a, const std::string& b) {
    std::string la = Lowered(a), lb = Lowered(b);
    return la != lb ? la < lb : a < b;
}

} // namespace

std::string ForbiddenNameMessage() {
    std::string text = "A Player name cannot contain any of the following characters: ";
    for (size_t i = 0; i < kForbiddenNameCharacters.size(); ++i) {
        if (i > 0)
            text += ' ';
        text += kForbiddenNameCharacters[i];
    }
    return text;
}

std::vector<std::string> PlayerNames(const Session& s) {
    std::vector<std::string> names;
    for (int n = 1; n <= kMaxPlayers; ++n) {
        std::string name = ReadConfigString(s, "Users", "User" + FormatFixed(n, 3), "");
        if (!name.empty())
            names.push_back(std::move(name));
    }
    SortPlayerNames(names);
    return names;
}

void SortPlayerNames(std::vector<std::string>& names) {
    std::sort(names.begin(), names.end(), ListOrder);
}

void SavePlayerNames(Session& s, const std::vector<std::string>& names) {
    for (int n = 1; n <= kMaxPlayers; ++n)
        WriteConfigString(s, "Users", "User" + FormatFixed(n, 3),
                          n <= static_cast<int>(names.size()) ? names[n - 1] : "");
}

bool PlayerNameValid(std::string_view name) {
    for (char c : name) {
        if (kForbiddenNameCharacters.find(c) != std::string_view::npos)
            return false;
        if (static_cast<unsigned char>(c) < 32)
            return false;
    }
    return true;
}

std::string PlayerNameProblem(std::string_view name) {
    if (name.empty())
        return "Please enter at least 1 character.";
    if (!PlayerNameValid(name))
        return ForbiddenNameMessage();
    return "";
}

void StorePlayerChange(Session& s) {
    std::string player = s.Params.ReadParam(kParamPlayer, kParamPlayerWidth);
    player.erase(player.find_last_not_of(' ') + 1);
    WriteConfigString(s, "Preference", "UserDefault", player);
    if (s.Play.RefreshOpenGameStatistics)
        s.Play.RefreshOpenGameStatistics(s);
}

bool CheckPlayerNames(Session& s, std::string* offending) {
    for (const std::string& name : PlayerNames(s)) {
        if (PlayerNameValid(name))
            continue;
        s.desktop->MessageBox(BoxKind::Information, "Information",
                              ForbiddenNameMessage() + "\n" + "Please rename the Player name:  " + name);
        if (offending)
            *offending = name;
        return false;
    }
    return true;
}

} // namespace quillon
