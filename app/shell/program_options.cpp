#include "app/shell/program_options.h"

namespace tl {

InfoOption FindInfoOption(const std::vector<std::string>& arguments) {
  for (const std::string& argument : arguments) {
    if (argument == "--version") return InfoOption::Version;
    if (argument == "--help" || argument == "-h") return InfoOption::Help;
  }
  return InfoOption::None;
}

std::string ProgramHelpText() {
  return "usage: tessaline [LAYOUT.qlf]\n"
         "       tessaline /WP2=LIST.ini | /FM=LIST.txt\n"
         "       tessaline --version | --help\n"
         "\n"
         "Tessaline lays photographs out on printed pages and prints them: proofs,\n"
         "contact sheets, cards and banners.\n"
         "\n"
         "Only one Tessaline runs per user: starting it again hands the layout or the\n"
         "image list on its command line to the running one, and ends. Without a\n"
         "layout it starts as the \"Application Starts With\" preference says.\n"
         "\n"
         "  LAYOUT.qlf      open this layout file\n"
         "  /WP2=LIST.ini   add the images of another program's INI list (section ENTRY,\n"
         "                  EntryNum; IMAGE01, IMAGE02 ... with PATH) to the open layout,\n"
         "                  after asking, or to a new one; the list file is deleted\n"
         "  /FM=LIST.txt    the same with a text file of one image path per line\n"
         "                  (both flags may also start with \"-\")\n"
         "  --version       show the version, the libraries in use and the data folder\n"
         "  --help, -h      show this text\n"
         "\n"
         "Files:\n"
         "  $XDG_CONFIG_HOME/Tessaline/           preferences, window settings, template\n"
         "                                        types, printer presets (~/.config)\n"
         "  $XDG_DATA_HOME/tessaline/Templates/   your own templates (~/.local/share)\n"
         "  $XDG_CACHE_HOME/tessaline/            temporary previews (~/.cache)\n"
         "  PREFIX/share/tessaline/               stock templates, profiles, help pages\n"
         "\n"
         "Environment:\n"
         "  TESSALINE_DATA_DIR   read the program's data from this folder instead\n"
         "  TESSALINE_PRINTERS   printer URIs offered besides the CUPS destinations,\n"
         "                       separated by spaces\n"
         "\n"
         "See also: tessaline-cli(1), the manual page tessaline(1).\n";
}

}  // namespace tl
