// The program's first step, before any window: become the first instance,
// or hand the command line over to the running one and end, or, when that
// one does not answer in time, run on its own.
#pragma once

#include "app/shell/command_line.h"
#include "app/shell/single_instance.h"

namespace tl {

enum class InstanceStart {
  First,       // `instance` listens; its TextReceived brings the later hand-overs
  HandedOver,  // the running instance took the command line: end now
  Alone,       // the running instance did not answer within 2 s: start anyway
};

InstanceStart StartInstance(CSingleInstance& instance, const AppCommandLineInfo& info);

}  // namespace tl
