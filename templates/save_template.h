// Save Template (command 32907) and Save Template As (command 32908)
// without their widgets: what the dialog shows for a
// document, what its OK checks and asks, what it writes into the document,
// and the template writes themselves.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "persistence/layout_preview.h"

namespace tl {

struct LayoutDocument;

// The controls of the Save Template As dialog.
struct SaveTemplateAsFields {
  std::string Name;                // name edit 1148
  std::vector<std::string> Types;  // "Genre :" combo 3884: the user template types
  int Type = -1;                   // its selected entry; -1 when it has none
  std::string Comment;             // comment edit 1033
  bool WithArrangedImages = false;  // check box 1081
};

// Step 1: the document's TemplateName, its Comment and its
// SaveWithArrangedImages; the types with the entry equal to the document's
// NameGenre selected, or the first one when none is equal.
SaveTemplateAsFields OpenSaveTemplateAs(const LayoutDocument& document, const std::vector<std::string>& userTypes);
// The combo's selection rule alone.
int TemplateTypeIndex(const std::vector<std::string>& types, std::string_view genre);

// The file a template named `fileName` is saved to: the user's Templates
// folder (UserTemplateFolder) and the name.
std::string UserTemplatePath(std::string_view fileName);

enum class SaveTemplateAsAnswer { Accept, KeepOpen };

// Where OK saves: the typed name with ".qlt" appended unless its extension
// is ".qlt" already (compared ignoring case), in the user's Templates
// folder.
struct SaveTemplateAsTarget {
  std::string FileName;
  std::string Path;
};

// Step 2, OK: makes the target (creating the Templates folder when it is
// missing). When a file of that path exists, asks string 32903 (Yes/No,
// exclamation): No keeps the dialog open. A name that is empty or holds a
// "/" keeps it open too, with the error beep. `fields` are not changed.
SaveTemplateAsAnswer ConfirmSaveTemplateAs(const SaveTemplateAsFields& fields, SaveTemplateAsTarget& target);

// Step 3, after OK: TemplateName := the file name, NameGenre := the selected
// type (empty without one), Comment, SaveWithArrangedImages.
void StoreSaveTemplateAs(const SaveTemplateAsFields& fields, const SaveTemplateAsTarget& target,
                         LayoutDocument& document);

// Step 3, the write: SavingTemplate and SaveRelativePath are 1 for the
// write and as before afterwards. True when the file was written. The new
// template is not added to the application's TemplateArray.
bool WriteTemplateAs(const SaveTemplateAsTarget& target, LayoutDocument& document,
                     const LayoutPreviewRenderer& renderer = {});

// Save Template: the path of the document's TemplateName in the user's
// Templates folder; empty when the document has no template name (Save
// Template As runs instead).
std::string SaveTemplatePath(const LayoutDocument& document);
// Save Template's write, without a question: SavingTemplate is 1 for the
// write, an existing file is replaced. False without a template name or
// when the file could not be written.
bool WriteTemplate(LayoutDocument& document, const LayoutPreviewRenderer& renderer = {});

}  // namespace tl
