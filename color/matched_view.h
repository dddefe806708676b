// The colour-matched view command: the previews of the selected images
// rebuilt matched for the tuned screen, one image after another, with a
// progress count the user interface shows and a cancel it can ask for.
// Grayscale images are left out with message 10408, shown once.
#pragma once

#include "color/profile_chain.h"

namespace tl {

struct ImageObject;
struct LayoutDocument;

// What the user interface lends the command while it runs.
class MatchedViewProgress {
 public:
  virtual ~MatchedViewProgress() = default;
  // Before the first image: how many there are to do.
  virtual void Start(int total) = 0;
  // After each image (rebuilt, or kept after its failure message): how many
  // are done. Pending events are handled here.
  virtual void Advance(int done) = 0;
  // Asked between images; true ends the command, the rest keep their
  // previews.
  virtual bool CancelRequested() = 0;
};

// Runs the command over the document's selection; `progress` may be null.
// Each rebuilt image is marked for redrawing and its area invalidated in
// the document's view. Returns the number of previews rebuilt.
int RunColorMatchedView(LayoutDocument& document, MatchedViewProgress* progress,
                        const ColorMatchHooks& hooks = DefaultColorMatchHooks());

}  // namespace tl
