// The stored side of the template library: the Templates folders (the
// installed templates and the user's own), template file names, saving a
// layout as a template, the standard genre and output-form names, and the
// user's template types kept in TemplatePrefIni.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "persistence/layout_preview.h"
#include "persistence/template_summary.h"

namespace tl {

struct LayoutDocument;

inline constexpr int kTemplateExtensionString = 10602;  // ".qlt"
inline constexpr int kTemplatePrefIniString = 10051;

// <data>/Templates, installed with the program.
std::string InstalledTemplateFolder();
// <user data>/Templates, where the user's templates are saved.
std::string UserTemplateFolder();

// The summaries of every template file of both folders (installed first).
TemplateArray ScanTemplateFolders();

// The file name for a template named `name`: ".qlt" appended unless it ends
// with it already (case ignored).
std::string TemplateFileName(std::string_view name);

// Save Template: writes `document` as a template to `path` (creating the
// folder), with SavingTemplate set for the write. Save Template As also
// stores the image folders relative to the template file. The document's
// own flags are as before afterwards.
bool SaveTemplateFile(const std::string& path, LayoutDocument& document, const LayoutPreviewRenderer& renderer = {});
bool SaveTemplateFileAs(const std::string& path, LayoutDocument& document,
                        const LayoutPreviewRenderer& renderer = {});

// The seven genres (strings 11055-11061) and the seven output image forms.
std::vector<std::string> TemplateGenres();
const std::vector<std::string>& OutputImageForms();

// TemplatePrefIni in the configuration folder.
std::string TemplatePrefIniPath();

// The user template types: read at start-up (a missing file is created
// with the single type "MyTemp"), written at exit so that the file holds
// exactly `types`. Writing loses the changes silently when the file cannot
// be written.
std::vector<std::string> ReadUserTemplateTypes(const std::string& path = TemplatePrefIniPath());
bool WriteUserTemplateTypes(const std::vector<std::string>& types, const std::string& path = TemplatePrefIniPath());

}  // namespace tl
