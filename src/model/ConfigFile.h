#pragma once
// The configuration file "Cfg.dat" in the data folder (its name is held at position 1 of the
// parameter string). Every call opens the file, acts and closes it; a missing file reads as
// defaults and the first write creates it.

#include <string>
#include <string_view>

namespace quillon {

class Session;

std::string ConfigPath(const Session& s);

std::string ReadConfigString(const Session& s, std::string_view section, std::string_view key,
                             std::string_view def);
// The stored number, or `def` when the key is missing or holds no decimal number.
int ReadConfigInteger(const Session& s, std::string_view section, std::string_view key, int def);
bool WriteConfigString(const Session& s, std::string_view section, std::string_view key, std::string_view value);
bool WriteConfigInteger(const Session& s, std::string_view section, std::string_view key, int value);

// Shows an advice message with a "don't show this message again" box, unless the player switched
// it off before (key `name` of section Show_Messages is "N"). Ticking the box writes that "N".
// Returns true when the message was shown.
bool ShowAdvice(const Session& s, const std::string& text, std::string_view name, int page);

} // namespace quillon
