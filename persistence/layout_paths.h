// The names layout files go by: the ".qlf" and ".qlt" extensions, the
// layout a template starts (its own name with ".qlf", so that Save never
// overwrites the template), the name of an untitled layout, and whether a
// layout's image folders can be written relative to its file.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tl {

struct LayoutDocument;

// Whether `path` ends with `extension` (".qlf"), case ignored.
bool HasExtension(std::string_view path, std::string_view extension);
bool IsLayoutFileName(std::string_view path);
bool IsTemplateFileName(std::string_view path);

// The template's path with the last letter of its extension made "f".
std::string LayoutPathForTemplate(std::string_view templatePath);

// `path` with ".qlf" appended unless it already ends with it.
std::string WithLayoutExtension(std::string_view path);

// "Untitled-N.qlf".
std::string UntitledLayoutName(int32_t number);

// Whether every image folder of the document can be stored relative to
// a layout file at `layoutPath`.
bool RelativePathsPossible(const LayoutDocument& document, std::string_view layoutPath);

// Whether two paths name the same file: the same absolute, normalised
// path, with links followed where the file exists.
bool SameFilePath(const std::string& a, const std::string& b);

}  // namespace tl
