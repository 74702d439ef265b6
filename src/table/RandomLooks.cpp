#include "table/RandomLooks.h"

#include "model/Random.h"
#include "model/Session.h"
#include "platform/ResourceLibrary.h"
#include "table/ImageResources.h"

#include <algorithm>
#include <cctype>
#include <optional>

namespace quillon {

namespace {

// Positions of the parameter string.
constexpr int kBackNumber = 21, kCardSet = 24, kBackgroundDefault = 27, kBackgroundPicture = 43,
              kCardSize = 128, kRandomBackground = 152, kRandomCard = 187, kRandomDeck = 188,
              kCustomBackground = 246, kCustomDeck = 256, kCustomCardSet = 257, kAddOnCardSet = 258,
              kAddOnDeck = 259, kAddOnBackground = 260;

std::string Upper(std::string text) {
    for (char& c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

// The bare resource name of a stored name ("bitmap/DB001.png" gives "DB001").
std::string BareName(const std::string& stored) {
    std::string name = stored.substr(stored.find_last_of('/') + 1);
    return Upper(name.substr(0, name.find('.')));
}

std::optional<std::string> Draw(const std::vector<std::string>& choices, RandomGenerator& random) {
    if (choices.empty())
        return std::nullopt;
    return choices[static_cast<size_t>(random.RandomInt(static_cast<int>(choices.size())))];
}

} // namespace

std::vector<std::string> NumberedPictures(const std::vector<std::string>& names, const std::string& prefix,
                                          const std::string& suffix) {
    const std::string p = Upper(prefix), x = Upper(suffix);
    std::vector<std::string> numbers;
    for (const std::string& stored : names) {
        const std::string name = BareName(stored);
        if (name.size() != p.size() + 3 + x.size() || name.compare(0, p.size(), p) != 0 ||
            name.compare(p.size() + 3, x.size(), x) != 0)
            continue;
        const std::string digits = name.substr(p.size(), 3);
        if (std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
            numbers.push_back(digits);
    }
    std::sort(numbers.begin(), numbers.end());
    numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
    return numbers;
}

bool ApplyRandomLooks(ImageResources& images, RandomGenerator& random) {
    Session& s = images.s;
    const bool background = s.Params.Flag(kRandomBackground), cards = s.Params.Flag(kRandomCard),
               deck = s.Params.Flag(kRandomDeck);
    if (!background && !cards && !deck)
        return false;
    if (!s.MainLibrary)
        return true;
    const std::vector<std::string> names = s.MainLibrary->Names(ResourceKind::Bitmap);
    if (background) {
        if (auto n = Draw(NumberedPictures(names, "B", ""), random)) {
            s.Params.WriteParam(kBackgroundPicture, 4, std::to_string(std::stoi(*n)));
            for (int pos : {kBackgroundDefault, kCustomBackground, kAddOnBackground})
                s.Params.WriteParam(pos, 1, "N");
        }
    }
    if (cards) {
        // Sets of the card size in force; the extra-large faces live in their own library.
        const std::string letter = s.Params.ReadParam(kCardSize, 1);
        if (auto n = Draw(NumberedPictures(names, "C" + letter, "H"), random)) {
            s.Params.WriteParam(kCardSet, 3, *n);
            s.Params.WriteParam(kCustomCardSet, 1, "N");
            s.Params.WriteParam(kAddOnCardSet, 1, "N");
        }
    }
    if (deck) {
        // The backs of the big cards serve every size (they are stretched to it).
        if (auto n = Draw(NumberedPictures(names, "DB", ""), random)) {
            s.Params.WriteParam(kBackNumber, 3, *n);
            s.Params.WriteParam(kCustomDeck, 1, "N");
            s.Params.WriteParam(kAddOnDeck, 1, "N");
        }
    }
    if (cards || deck)
        images.LoadCardImages(false);
    return true;
}

} // namespace quillon
