// The controls the label and caption dialogs share: alignment buttons,
// the side box and the sample of the text in its font and colour.
#pragma once

#include <QButtonGroup>
#include <QComboBox>
#include <QLabel>
#include <string>

#include "document/geometry.h"

class QHBoxLayout;

namespace tl {

// "Left", "Center", "Right" as exclusive buttons with ids 0, 1, 2, in `row`.
QButtonGroup* NewAlignButtons(QWidget* owner, QHBoxLayout* row);

// "Top", "Bottom", "Left", "Right" (data: the location code).
QComboBox* NewLocationCombo();

// Takes `location` out of the choices (the other text's side); nothing for -1.
void DisableLocation(QComboBox* combo, int location);

// Shows `text` as it will print: in the font, colour and alignment given.
void ShowTextSample(QLabel* label, const std::string& text, const std::string& fontName, ColorRef color,
                    int16_t align);

}  // namespace tl
