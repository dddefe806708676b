// Organize Template without its widgets: which
// templates a tree item lists, adding and deleting user template types,
// deleting and renaming template files with their TemplateArray entries.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "persistence/template_summary.h"
#include "templates/template_classes.h"

namespace tl {

// Whether a template is listed under a tree selection of the three-root
// tree: under "Genre" (0x65) the templates of a standard genre, under one
// genre those of that genre; under "Output Image Form" (0x66) those of a
// standard output image form, under one form those of that form; under
// "MyTemplate" (0x67) the user templates (genre not a standard one), under
// one user type those whose genre is that type.
bool ListedUnder(const TemplateSummary& summary, const TypeSelection& selection);
// The listed templates' indexes, in array order.
std::vector<size_t> OrganizeListed(const TemplateArray& templates, const TypeSelection& selection);

// Add Type: appends `name` to `types`; false, adding nothing, for an empty
// name.
bool AddTemplateType(std::vector<std::string>& types, std::string_view name);
// Delete Type: removes every entry equal to `name`; the number removed.
size_t DeleteTemplateType(std::vector<std::string>& types, std::string_view name);

// Delete Template: deletes the file of entry `index` and removes the entry.
// The entry is removed even when the file cannot be deleted; the result
// says whether the file was deleted. False, changing nothing, for an index
// out of range.
bool DeleteTemplate(TemplateArray& templates, size_t index);

enum class RenameOutcome {
  Refused,    // the old label stays: another template has that file name, or the name is not one
  Renamed,    // the file was moved and the entry follows it
  EntryOnly,  // the system refused the move; the entry has the new name all the same
};

// Renaming a template's label to `fileName`, its full new file name (the
// extension is whatever was typed): refused when the name is empty, holds
// a "/", is the template's own name or is the file name of any template of
// the array; otherwise the file is moved to the same folder under that
// name (never over an existing file) and the entry's path is updated.
RenameOutcome RenameTemplate(TemplateArray& templates, size_t index, std::string_view fileName);

}  // namespace tl
