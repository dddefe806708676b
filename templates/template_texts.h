// The texts of the template dialogs' controls (Choose Template, Save
// Template As, Organize Template and their small dialogs), from the string
// table.
#pragma once

#include <string>

namespace tl {

struct TemplateDialogTexts {
  std::string ChooseTitle, SaveAsTitle, OrganizeTitle;
  std::string Classification, View, Printer, PaperSize, PaperType;  // combo labels
  std::string Open, FileName, ModifiedDate, Preview, Info;
  std::string Name, Genre, Comment, SaveWithImages;  // Save Template As
  std::string AddType, DeleteType, DeleteTemplate;   // Organize Template's buttons
  std::string NewTypeTitle, NewTypeLabel;
  std::string DeleteTypeTitle, DeleteTypeText;
  std::string DeleteTemplateText;  // titled DeleteTemplate
};

TemplateDialogTexts LoadTemplateDialogTexts();

}  // namespace tl
