// The template library's entry points for the main frame: New's
// Choose Template, Save Template (32907), Save Template As (32908) and
// Organize Template (32909). They work on ApplicationTemplateArray() and
// UserTemplateTypes().
#pragma once

#include <string>

class QWidget;

namespace tl {
struct LayoutDocument;
// Choose Template for New: true with the chosen template's path; false on Cancel.
bool ChooseTemplate(QWidget* parent, std::string& path);
// Save Template (the document's TemplateName; runs Save Template As when it is empty) and Save Template As; true when a file was written.
bool SaveTemplate(QWidget* parent, LayoutDocument& document);
bool SaveTemplateAs(QWidget* parent, LayoutDocument& document);
// Organize Template.
void OrganizeTemplates(QWidget* parent);
}  // namespace tl
