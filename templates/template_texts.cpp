// The template dialogs' control texts.
#include "templates/template_texts.h"

#include "resources/string_table.h"

namespace tl {

TemplateDialogTexts LoadTemplateDialogTexts() {
  TemplateDialogTexts t;
  t.ChooseTitle = StringCopy(40201);
  t.SaveAsTitle = StringCopy(40202);
  t.OrganizeTitle = StringCopy(40203);
  t.Classification = StringCopy(40217);
  t.View = StringCopy(40218);
  t.Printer = StringCopy(40219);
  t.PaperSize = StringCopy(40220);
  t.PaperType = StringCopy(40221);
  t.Open = StringCopy(40222);
  t.FileName = StringCopy(40213);
  t.ModifiedDate = StringCopy(40214);
  t.Preview = StringCopy(40215);
  t.Info = StringCopy(40216);
  t.Name = StringCopy(40223);
  t.Genre = StringCopy(40224);
  t.Comment = StringCopy(40225);
  t.SaveWithImages = StringCopy(40226);
  t.AddType = StringCopy(40227);
  t.DeleteType = StringCopy(40228);
  t.DeleteTemplate = StringCopy(40229);
  t.NewTypeTitle = StringCopy(40230);
  t.NewTypeLabel = StringCopy(40231);
  t.DeleteTypeTitle = StringCopy(40232);
  t.DeleteTypeText = StringCopy(40233);
  t.DeleteTemplateText = StringCopy(40234);
  return t;
}

}  // namespace tl
