// Undo slots: the saved editable values of one object, and the array of
// slots that one snapshot takes of a whole object list. A slot keeps the
// object's address as its identity, so restoring puts the values back into
// the very records they came from.
#pragma once

#include <cstddef>
#include <memory>
#include <unordered_set>
#include <utility>

#include "document/layout_object.h"

namespace tl {

struct UndoSlot {
  LayoutObject* Object = nullptr;  // null once the object was freed for good
  int16_t Kind = kKindCropMarkSet;
  int32_t Selected = 0;
  LPoint Origin;
  LSize Size;
  // The kind's own saved fields, held in a record of the same kind; none
  // for the crop mark set, whose contents are derived.
  std::unique_ptr<LayoutObject> Values;
};

class UndoSlotArray {
 public:
  UndoSlotArray() = default;
  UndoSlotArray(UndoSlotArray&& other) noexcept { *this = std::move(other); }
  UndoSlotArray& operator=(UndoSlotArray&& other) noexcept {
    slots_ = std::move(other.slots_);
    count_ = std::exchange(other.count_, 0);
    return *this;
  }

  // One slot per object of `list`, in list order. False (and the array
  // left empty) when memory cannot be had.
  bool Take(const ObjectList& list);
  void Clear();

  // Puts the slot's saved values back into its object.
  static void Restore(const UndoSlot& slot);

  // Clears the slots of objects that were freed for good.
  void Forget(const std::unordered_set<const LayoutObject*>& freed);

  size_t Count() const { return count_; }
  const UndoSlot* begin() const { return slots_.get(); }
  const UndoSlot* end() const { return slots_.get() + count_; }
  const UndoSlot& operator[](size_t i) const { return slots_[i]; }

 private:
  std::unique_ptr<UndoSlot[]> slots_;
  size_t count_ = 0;
};

}  // namespace tl
