// Where the program finds its installed data and keeps the user's files.
//
//   data folder      TESSALINE_DATA_DIR, else <exe>/../share/tessaline when
//                    it exists (build tree and installs alike), else the
//                    install prefix's share/tessaline
//   config folder    $XDG_CONFIG_HOME/Tessaline (~/.config/Tessaline)
//   user data folder $XDG_DATA_HOME/tessaline (~/.local/share/tessaline)
//   cache folder     $XDG_CACHE_HOME/tessaline (~/.cache/tessaline)
//   colour folders   $XDG_DATA_HOME/icc, ~/.color/icc,
//                    /usr/local/share/color/icc, /usr/share/color/icc
#pragma once

#include <string>
#include <vector>

namespace tl {

std::string DataFolder();
std::string ConfigFolder();
std::string UserDataFolder();
std::string CacheFolder();

// Every colour folder in search order; the first existing one is the
// colour directory (empty when none exists).
std::vector<std::string> ColorFolders();
std::string ColorDirectory();

// The folder of the running program.
std::string ProgramFolder();

// Creates `folder` and its parents; true when it exists afterwards.
bool EnsureFolder(const std::string& folder);

}  // namespace tl
