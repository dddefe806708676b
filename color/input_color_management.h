// The "Input Color Management" dialog without its widgets: the document's
// defaults for new images (capture-matching data, source profile and
// intent, embedded profile, print simulation) as the dialog shows and
// stores them, and what the colour dialogs share: intent list positions,
// the simulation groups and the texts of the output profiles in force.
#pragma once

#include <cstdint>
#include <string>

#include "color/profile_list.h"

namespace tl {

struct LayoutDocument;

// "Print Simulation :" choices, as the simulation method codes.
enum SimulationMethod : int16_t { kSimulationOff = 0, kSimulationCmyk = 1, kSimulationRgb = 2 };

// A profile list with its intent list: list positions.
struct ProfileIntentChoice {
  int Profile = 0;
  int Intent = 0;  // 0 "Perceptual" .. 4 "Endorsed by profile"
};

// The intent list position of an intent code, and back.
int IntentPosition(int16_t code);
int16_t IntentCode(int position);

// The simulation settings: the method and a choice in each group; only
// the chosen method's group is live.
struct SimulationChoice {
  int16_t Method = kSimulationOff;
  ProfileIntentChoice Rgb;
  ProfileIntentChoice Cmyk;
};
// The groups enabled for a method: {RGB group, CMYK group}.
struct SimulationGroups {
  bool Rgb = false;
  bool Cmyk = false;
};
SimulationGroups SimulationGroupsFor(int16_t method);

// The choice for stored simulation settings: the stored profile and
// intent in the method's group; the other group at its default.
SimulationChoice SimulationChoiceFor(const ProfileLists& lists, int16_t method, const std::string& profile,
                                     int16_t intent);
// The profile (list position + 1 as the state, and the file name) and the
// intent code of the chosen method's group.
struct StoredProfile {
  int16_t State = 0;
  std::string Name;
  int16_t Intent = 1;
};
StoredProfile StoredSimulation(const ProfileLists& lists, const SimulationChoice& choice);
StoredProfile StoredRgbProfile(const ProfileLists& lists, const ProfileIntentChoice& choice);

// The position of a stored RGB source profile: its file name, else the
// default RGB profile, else the first entry.
int RgbProfilePosition(const ProfileLists& lists, const std::string& name);

// The two read-only texts: the monitor profile's description, and the
// printer profile's when the application matches, "Printer color space"
// when the printer driver does.
struct OutputProfileTexts {
  std::string Monitor;
  std::string Printer;
};
OutputProfileTexts DescribeOutputProfiles(const LayoutDocument& document);

struct InputColorChoice {
  bool UseVdx = false;
  ProfileIntentChoice Source;
  bool UseEmbedded = false;
  SimulationChoice Simulation;
};

// The dialog's first state from the document's input blocks (`lists` from
// ListProfiles(ProfileListSet::Input)).
InputColorChoice InitialInputColorChoice(const LayoutDocument& document, const ProfileLists& lists);

// OK: the input blocks take the choice (a profile's state is its list
// position + 1); the document is marked changed. Images already placed
// keep their own settings.
void ConfirmInputColorChoice(LayoutDocument& document, const ProfileLists& lists, const InputColorChoice& choice);

}  // namespace tl
