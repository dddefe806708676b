#include "print/printer_capabilities.h"

#include <algorithm>

namespace tl {

const CapabilityPaper* FindPaper(const PrinterCapabilities& caps, int32_t id) {
  for (const CapabilityPaper& paper : caps.Papers)
    if (paper.Id == id) return &paper;
  return nullptr;
}

const CapabilityChoice* FindChoice(const std::vector<CapabilityChoice>& choices, int32_t id) {
  for (const CapabilityChoice& choice : choices)
    if (choice.Id == id) return &choice;
  return nullptr;
}

bool HasRollSource(const PrinterCapabilities& caps) { return FindChoice(caps.Sources, kSourceRoll) != nullptr; }

bool OffersColorMode(const PrinterCapabilities& caps, const std::string& mode) {
  return std::find(caps.ColorModes.begin(), caps.ColorModes.end(), mode) != caps.ColorModes.end();
}

}  // namespace tl
