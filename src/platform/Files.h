#pragma once
// File-system services: folders, case-insensitive lookup of names in the program and data folders,
// the per-user application-data folder, temporary files and the final swap of a rewritten file.
// Paths use "/" and folders handed around end in "/".

#include <optional>
#include <stdexcept>
#include <string>

namespace quillon {

// Thrown for failures the program reports by message ("Cannot open file %s", ...).
struct FileError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

bool FileExists(const std::string& path);
// True when `path` names a folder that can be entered.
bool FolderExists(const std::string& path);
// Creates the folder with all its parents; false when it could not be made.
bool CreateFolders(const std::string& path);
// Deletes a file, ignoring any failure.
void DeleteFileIfAny(const std::string& path);

// Appends "/" unless `folder` is empty or already ends with one.
std::string WithSlash(std::string folder);
// The folder part of `path` including its final "/", or "" for a bare name.
std::string FolderOf(const std::string& path);

// Finds `name` (which may contain "/"-separated parts) below `folder` without regard to case, as the
// program's files were named on a case-insensitive system. Returns the existing path, or
// folder + name unchanged when nothing matches (so writes create it under the given spelling).
std::string FindNoCase(const std::string& folder, const std::string& name);

// The program folder, with a final "/": the folder of the running executable when it holds
// GAMES.DAT (the build tree), else the installed data folder ("../share/quillon" from the
// executable, then the data folder the build was configured to install into); the executable's
// folder when none holds it.
std::string ProgramFolder();
// The per-user application-data folder ($XDG_DATA_HOME, else $HOME/.local/share) with a final
// "/", or "" when neither is known.
std::string ApplicationDataFolder();

// Creates a new, empty, uniquely named file beginning with `prefix` in `folder` (the system
// temporary folder when `folder` is empty). Returns its path, or nothing when none can be made.
std::optional<std::string> MakeTempFile(const std::string& folder, const std::string& prefix);

// Reads a whole file as bytes; nothing when it cannot be opened.
std::optional<std::string> ReadWholeFile(const std::string& path);
// Writes `bytes` to a temporary file beside `path`, then renames it over `path`, so a reader sees
// either the old or the new content. False (and `path` untouched) on any failure.
bool WriteFileAtomic(const std::string& path, const std::string& bytes);

} // namespace quillon
