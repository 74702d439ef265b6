#include "shell/DataFolders.h"

#include "platform/Desktop.h"
#include "platform/Files.h"

#include <fstream>

namespace quillon {

static const char kDefaultMarker[] = "[Default Data Folder]";

std::string DefaultDataFolder(const std::string& programFolder) {
    std::string appData = ApplicationDataFolder();
    if (appData.empty())
        return WithSlash(programFolder) + "Data/";
    return appData + "Quillon/";
}

// The first line of a file, without its line end; nothing when the file cannot be read.
static bool ReadFirstLine(const std::string& path, std::string& line) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    std::getline(in, line);
    // Accept any line end: CR LF, LF or CR alone.
    auto cr = line.find('\r');
    if (cr != std::string::npos)
        line.erase(cr);
    return true;
}

std::string ResolveDataFolder(const std::string& programFolder, Desktop& desktop) {
    const std::string folder = WithSlash(programFolder);
    std::string pointer = FindNoCase(folder, "sol_fold.dat");
    if (!FileExists(pointer)) {
        // A copy that kept its data beside the program goes on using it.
        std::string content =
            FileExists(FindNoCase(folder, "data/cfg.dat")) ? folder + "data/" : std::string(kDefaultMarker);
        if (!WriteFileAtomic(pointer, content + "\r\n")) {
            desktop.MessageBox(BoxKind::Information, "Information",
                               "Error saving the file: " + pointer + "\n" +
                                   "Note: In Windows XP, only the User designated as \"Administrator\" has "
                                   "the right to save this file.");
        }
    }
    std::string result;
    if (FileExists(pointer) && ReadFirstLine(pointer, result)) {
        auto last = result.find_last_not_of(' ');
        result.erase(last == std::string::npos ? 0 : last + 1);
        result = WithSlash(result);
    }
    if (result.empty() || result.compare(0, 21, kDefaultMarker) == 0)
        return DefaultDataFolder(folder);
    return result;
}

void EnsureDataFolder(const std::string& dataFolder) {
    if (!FolderExists(dataFolder))
        CreateFolders(dataFolder);
}

} // namespace quillon
