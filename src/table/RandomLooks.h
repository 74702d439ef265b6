#pragma once
// The random looks of a new game: with Random_Background, Random_Card or Random_Deck switched on,
// each deal draws a background picture, a card-face set or a card back from the pictures of the
// image and sound library. The choice changes the live settings (the parameter string) only; the
// preferences saved by the customize dialog stay as they are.

#include <string>
#include <vector>

namespace quillon {

class ImageResources;
class RandomGenerator;

// The numbers of the library's pictures named `prefix` + three digits + `suffix` (case ignored),
// sorted, each once. `names` are the stored names of the library's bitmaps.
std::vector<std::string> NumberedPictures(const std::vector<std::string>& names, const std::string& prefix,
                                          const std::string& suffix);

// Applies the random choices switched on; true when any was switched on (the table background
// and cards must then be painted again).
bool ApplyRandomLooks(ImageResources& images, RandomGenerator& random);

} // namespace quillon
