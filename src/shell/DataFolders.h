#pragma once
// Where the program keeps what it writes: the per-user data folder, chosen through the pointer file
// "sol_fold.dat" in the program folder.

#include <string>

namespace quillon {

class Desktop;

// The user's application-data folder + "Quillon/"; the program folder + "Data/" when the system
// gives no application-data folder.
std::string DefaultDataFolder(const std::string& programFolder);

// Reads (creating it when missing) the pointer file in the program folder and returns the data
// folder with a final "/". A pointer file that cannot be saved is reported and the default folder
// is used.
std::string ResolveDataFolder(const std::string& programFolder, Desktop& desktop);

// Creates the data folder with all its parents when it does not exist yet, ignoring failure.
void EnsureDataFolder(const std::string& dataFolder);

} // namespace quillon
