// PrinterCapabilities: what one printer offers, in the driver's terms —
// papers with their printable margins, paper sources, media types with
// their recommended profiles, inks and print qualities. Read from a CUPS
// destination, or built in for the PDF file destination.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tl {

// Margins of a paper, 0.1 mm.
struct PaperMargins {
  int32_t Left = 0;
  int32_t Top = 0;
  int32_t Right = 0;
  int32_t Bottom = 0;
};

struct CapabilityPaper {
  int16_t Id = 0;        // stable for the printer: the paper table's id where the size matches
  std::string Keyword;   // the media name sent with a job (PWG self-describing name)
  std::string Name;
  int32_t Width = 0;     // short side, 0.1 mm
  int32_t Length = 0;    // long side, 0.1 mm
  PaperMargins Standard;
  PaperMargins Maximum;  // the smallest margins the printer takes (borderless: 0)
};

struct CapabilityChoice {
  int32_t Id = 0;
  std::string Keyword;
  std::string Name;
};

struct MediaProfile {
  int32_t MediaTypeId = 0;
  std::string ProfileFile;  // the bare file name
};

struct PrinterCapabilities {
  std::string Model;
  std::vector<CapabilityPaper> Papers;
  std::vector<CapabilityChoice> Sources;
  std::vector<CapabilityChoice> MediaTypes;
  std::vector<MediaProfile> MediaProfiles;
  std::vector<std::string> ColorModes;  // print-color-mode keywords
  std::vector<int32_t> Qualities;       // print-quality values (3 draft, 4 normal, 5 high)
  // The widest and longest custom size (what a roll takes), 0.1 mm; 0 without.
  int32_t RollWidth = 0;
  int32_t RollLength = 0;
  bool AcceptsPdf = true;  // false: the document goes as octet-stream for the printer to detect
};

// Paper source ids: the Windows bin numbers for the usual trays, 256 for
// the first roll, stable hashed ids from 257 for the rest.
constexpr int32_t kSourceMain = 1;
constexpr int32_t kSourceAlternate = 2;
constexpr int32_t kSourceManual = 4;
constexpr int32_t kSourceEnvelope = 5;
constexpr int32_t kSourceAuto = 7;
constexpr int32_t kSourceRoll = 256;

// Media type ids: the usual three, stable hashed ids from 257 for the rest.
constexpr int32_t kMediaPlain = 1;
constexpr int32_t kMediaTransparency = 2;
constexpr int32_t kMediaGlossy = 3;

const CapabilityPaper* FindPaper(const PrinterCapabilities& caps, int32_t id);
const CapabilityChoice* FindChoice(const std::vector<CapabilityChoice>& choices, int32_t id);
bool HasRollSource(const PrinterCapabilities& caps);
bool OffersColorMode(const PrinterCapabilities& caps, const std::string& mode);

}  // namespace tl
