#include "color/input_color_management.h"

#include <algorithm>

#include "color/color_dialog_texts.h"
#include "color/intents.h"
#include "color/output_color_settings.h"
#include "color/profile_roles.h"
#include "document/layout_document.h"
#include "resources/string_table.h"

namespace tl {
namespace {

constexpr int kPrinterColorSpaceText = 10045;  // "Printer color space"

const ProfileListEntry* EntryAt(const ProfileList& list, int position) {
  return position >= 0 && size_t(position) < list.size() ? &list[size_t(position)] : nullptr;
}

StoredProfile Stored(const ProfileList& list, const ProfileIntentChoice& choice) {
  StoredProfile stored;
  stored.Intent = IntentCode(choice.Intent);
  if (const ProfileListEntry* entry = EntryAt(list, choice.Profile)) {
    stored.State = int16_t(choice.Profile + 1);
    stored.Name = entry->FileName;
  }
  return stored;
}

}  // namespace

int IntentPosition(int16_t code) { return std::clamp(code - 1, 0, kIntentCount - 1); }

int16_t IntentCode(int position) { return int16_t(std::clamp(position, 0, kIntentCount - 1) + 1); }

SimulationGroups SimulationGroupsFor(int16_t method) {
  return {method == kSimulationRgb, method == kSimulationCmyk};
}

int RgbProfilePosition(const ProfileLists& lists, const std::string& name) {
  return ProfileListPosition(lists.Rgb, name, DefaultProfileName(kRoleRgb));
}

SimulationChoice SimulationChoiceFor(const ProfileLists& lists, int16_t method, const std::string& profile,
                                     int16_t intent) {
  SimulationChoice choice;
  choice.Method = method == kSimulationRgb || method == kSimulationCmyk ? method : int16_t(kSimulationOff);
  choice.Rgb.Profile = RgbProfilePosition(lists, {});
  choice.Cmyk.Profile = ProfileListPosition(lists.Cmyk, {}, DefaultProfileName(kRoleCmyk));
  if (choice.Method == kSimulationRgb) choice.Rgb = {RgbProfilePosition(lists, profile), IntentPosition(intent)};
  if (choice.Method == kSimulationCmyk)
    choice.Cmyk = {ProfileListPosition(lists.Cmyk, profile, DefaultProfileName(kRoleCmyk)), IntentPosition(intent)};
  return choice;
}

StoredProfile StoredSimulation(const ProfileLists& lists, const SimulationChoice& choice) {
  if (choice.Method == kSimulationRgb) return Stored(lists.Rgb, choice.Rgb);
  if (choice.Method == kSimulationCmyk) return Stored(lists.Cmyk, choice.Cmyk);
  return {};
}

StoredProfile StoredRgbProfile(const ProfileLists& lists, const ProfileIntentChoice& choice) {
  return Stored(lists.Rgb, choice);
}

OutputProfileTexts DescribeOutputProfiles(const LayoutDocument& d) {
  OutputProfileTexts texts;
  texts.Monitor = DescribeRoleProfile(kRoleMonitor, d.OutputMonitorProfileState, d.OutputMonitorProfile);
  switch (d.OutputPrinterControls) {
    case kByApplication:
      texts.Printer = DescribeRoleProfile(kRolePrinter, d.OutputPrinterProfileState, d.OutputPrinterProfile);
      break;
    case kByMonitorSimulation: texts.Printer = texts.Monitor; break;
    default: texts.Printer = StringCopy(kPrinterColorSpaceText); break;
  }
  return texts;
}

InputColorChoice InitialInputColorChoice(const LayoutDocument& d, const ProfileLists& lists) {
  InputColorChoice choice;
  choice.UseVdx = d.InputSrcUseVdx != 0;
  choice.Source = {RgbProfilePosition(lists, d.InputSrcProfile), IntentPosition(d.InputSrcIntent)};
  choice.UseEmbedded = d.InputSrcUseEmbedProfile != 0;
  choice.Simulation = SimulationChoiceFor(lists, d.InputSimMethod, d.InputSimProfile, d.InputSimIntent);
  return choice;
}

void ConfirmInputColorChoice(LayoutDocument& d, const ProfileLists& lists, const InputColorChoice& choice) {
  d.InputSrcUseVdx = choice.UseVdx ? 1 : 0;
  const StoredProfile source = StoredRgbProfile(lists, choice.Source);
  if (source.State > 0) {
    d.InputSrcProfileState = source.State;
    d.InputSrcProfile = source.Name;
  }
  d.InputSrcIntent = source.Intent;
  d.InputSrcUseEmbedProfile = choice.UseEmbedded ? 1 : 0;
  d.InputSimMethod = choice.Simulation.Method;
  if (choice.Simulation.Method != kSimulationOff) {
    const StoredProfile simulation = StoredSimulation(lists, choice.Simulation);
    d.InputSimProfileState = simulation.State;
    d.InputSimProfile = simulation.Name;
    d.InputSimIntent = simulation.Intent;
  }
  d.Modified = 1;
}

}  // namespace tl
