#include "app/shell/instance_start.h"

#include <QDir>

#include "app/shell/hand_over_text.h"

namespace tl {

InstanceStart StartInstance(CSingleInstance& instance, const AppCommandLineInfo& info) {
  // One deadline for finding the first instance and for its answer.
  const QDeadlineTimer deadline(CSingleInstance::kAnswerTimeoutMs);
  switch (instance.Start(deadline)) {
    case CSingleInstance::Role::First: return InstanceStart::First;
    case CSingleInstance::Role::Alone: return InstanceStart::Alone;
    case CSingleInstance::Role::Second: break;
  }
  const std::vector<std::string> texts = SecondInstanceTexts(info, QDir::currentPath().toStdString());
  return instance.SendTexts(texts, deadline) ? InstanceStart::HandedOver : InstanceStart::Alone;
}

}  // namespace tl
