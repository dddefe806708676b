// The help pages behind the dialogs' "?" buttons: HTML files in the data
// folder's "help" folder, opened in the desktop's browser.
#pragma once

namespace tl {

// Opens the page string `stringId` names ("/help/AppPref.htm" ...). A page
// that is not installed gets "Help file is not found.".
void OpenHelpPage(int stringId);

}  // namespace tl
