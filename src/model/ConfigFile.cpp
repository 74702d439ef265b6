#include "model/ConfigFile.h"

#include "model/Session.h"
#include "platform/Desktop.h"
#include "platform/Files.h"
#include "platform/IniFile.h"

namespace quillon {

std::string ConfigPath(const Session& s) { return FindNoCase(s.DataFolder, s.Params.ReadParam(1, 20)); }

std::string ReadConfigString(const Session& s, std::string_view section, std::string_view key,
                             std::string_view def) {
    return IniFile::ReadString(ConfigPath(s), section, key, def);
}

int ReadConfigInteger(const Session& s, std::string_view section, std::string_view key, int def) {
    return IniFile::ReadInteger(ConfigPath(s), section, key, def);
}

bool WriteConfigString(const Session& s, std::string_view section, std::string_view key, std::string_view value) {
    return IniFile::WriteString(ConfigPath(s), section, key, value);
}

bool WriteConfigInteger(const Session& s, std::string_view section, std::string_view key, int value) {
    return IniFile::WriteInteger(ConfigPath(s), section, key, value);
}

bool ShowAdvice(const Session& s, const std::string& text, std::string_view name, int page) {
    if (ReadConfigString(s, "Show_Messages", name, "Y") == "N")
        return false;
    if (s.desktop->AdviceBox(text, page))
        WriteConfigString(s, "Show_Messages", name, "N");
    return true;
}

} // namespace quillon
