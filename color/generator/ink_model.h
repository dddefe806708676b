// A printing model for the program's default CMYK profile: four process
// inks on coated paper, predicted with the Yule-Nielsen modified Neugebauer
// equations from sixteen solid overprints, with dot gain; and its inverse,
// the separation of a colour into inks with grey component replacement and
// a total ink limit.
#pragma once

#include <lcms2.h>

#include <array>

namespace tl {

struct Inks {
  double c = 0, m = 0, y = 0, k = 0;  // 0..1 each
  double Total() const { return c + m + y + k; }
};

class InkModel {
 public:
  // Largest sum of the four inks the separation lays down (300 %).
  static constexpr double kTotalInkLimit = 3.0;

  InkModel();

  // The paper: absolute XYZ under D50, the media white point.
  const cmsCIEXYZ& PaperWhite() const { return paper_; }
  // Colour of an ink combination relative to the paper (media-relative
  // colorimetry: bare paper is L* 100).
  cmsCIELab RelativeLab(const Inks& inks) const;

 private:
  std::array<cmsCIEXYZ, 16> primaries_;  // index bits: 1 cyan, 2 magenta, 4 yellow, 8 black
  double roots_[16][3];                   // their Yule-Nielsen roots, per component
  cmsCIEXYZ paper_;
};

// Separation: the inks that print a (media-relative) colour, or the nearest
// colour the inks can print.
class Separator {
 public:
  explicit Separator(const InkModel& model);

  // `start` seeds the search (a neighbour's answer keeps tables smooth);
  // `distance` receives the colour difference (delta E 1976) that remains.
  Inks Separate(const cmsCIELab& target, const Inks& start, double* distance) const;

  // The black ink the separation aims at for a colour: none in light
  // colours, growing in dark ones to full black at the inks' darkest, less
  // in saturated ones.
  double BlackTarget(const cmsCIELab& target) const;

  // Lightness of the darkest colour the inks print.
  double DarkestLightness() const { return darkestL_; }

 private:
  const InkModel& model_;
  double darkestL_;
};

}  // namespace tl
