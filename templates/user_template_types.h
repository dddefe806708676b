// The user's template types for the whole run: read from
// TemplatePrefIni when the application starts, changed by Organize
// Template, written back when the application ends. Also the start-up
// load of the whole template library.
#pragma once

#include <string>
#include <vector>

#include "persistence/template_library.h"

namespace tl {

// The application-wide list, in the order the user made it.
std::vector<std::string>& UserTemplateTypes();

// Start-up: the list becomes the types stored in `path`. A missing file is
// created with the single type "MyTemp"; a file that does not read as INI
// text gives what it can (both as ReadUserTemplateTypes does).
void LoadUserTemplateTypes(const std::string& path = TemplatePrefIniPath());

// Exit: writes the list so that the file holds exactly it. False when the
// file cannot be written; the changes of this run are then lost silently.
bool StoreUserTemplateTypes(const std::string& path = TemplatePrefIniPath());

// Start-up of the library as a whole: ApplicationTemplateArray() becomes
// the summaries of both Templates folders (installed first), and the user
// types are loaded from TemplatePrefIni.
void LoadTemplateLibrary();

}  // namespace tl
