// Hand-over lists: the image files another program gives the running
// program to add, as an INI list ("WP2=") or a text list ("FM="). A list is
// a one-time message, so taking it deletes its file.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "persistence/ini_file.h"

namespace tl {

// The two forms; the values are those of the command line's hand-over mode.
enum class HandOverListForm { Ini = 0, Text = 1 };

// Reads the image paths of the list file at `path` in list order into
// `paths` and then deletes the file, also when it could not be read. False
// (and no paths) when the file is missing or unreadable.
bool TakeHandOverList(const std::string& path, HandOverListForm form, std::vector<std::string>* paths);

// Section "ENTRY" key "EntryNum" counts the images; image n is key "PATH"
// of section "IMAGE%02d". Images without a PATH are skipped.
std::vector<std::string> IniHandOverPaths(const IniFile& list);

// One path per line; blank lines are skipped, "\r\n" ends a line as "\n" does.
std::vector<std::string> TextHandOverPaths(std::string_view text);

}  // namespace tl
