#include "color/generator/ink_model.h"

#include <algorithm>
#include <cmath>

namespace tl {
namespace {

// Solid colours of process inks on coated paper (CIELAB, D50, absolute),
// in the primaries' index order: paper, C, M, CM, Y, CY, MY, CMY.
constexpr double kSolidLab[8][3] = {
    {95, 0, -2},   // paper
    {55, -37, -50},  // cyan
    {48, 74, -3},    // magenta
    {24, 22, -46},   // cyan + magenta (blue)
    {89, -5, 93},    // yellow
    {50, -65, 27},   // cyan + yellow (green)
    {47, 68, 48},    // magenta + yellow (red)
    {23, 0, 0},      // three-colour black
};
constexpr double kBlackSolidLab[3] = {16, 0, 0};

// Light that the surface reflects before it reaches the ink layer: no ink
// combination is darker than this (about L* 10).
constexpr double kSurfaceReflection = 0.011;

// Dot gain at 50 % coverage, per ink.
constexpr double kDotGain[4] = {0.10, 0.10, 0.10, 0.12};
// Yule-Nielsen factor for light scattered in the paper.
constexpr double kYuleNielsen = 2.0;

// Weight of the black-generation aim against colour accuracy: one unit of
// black ink away from the aim costs as much as this many delta E.
constexpr double kBlackAimWeight = 8.0;

cmsCIEXYZ LabToXyz(const double lab[3]) {
  const cmsCIELab in = {lab[0], lab[1], lab[2]};
  cmsCIEXYZ xyz;
  cmsLab2XYZ(cmsD50_XYZ(), &xyz, &in);
  return xyz;
}

double Component(const cmsCIEXYZ& xyz, int i) { return i == 0 ? xyz.X : i == 1 ? xyz.Y : xyz.Z; }
double& Component(cmsCIEXYZ& xyz, int i) { return i == 0 ? xyz.X : i == 1 ? xyz.Y : xyz.Z; }

double EffectiveCoverage(double amount, double gain) {
  const double a = std::clamp(amount, 0.0, 1.0);
  return a + 4.0 * gain * a * (1.0 - a);
}

// Euclidean projection onto 0 <= x <= 1 with a sum of at most `limit`.
void ProjectOntoInkLimits(double x[4], double limit) {
  double sum = 0;
  for (int i = 0; i < 4; ++i) sum += (x[i] = std::clamp(x[i], 0.0, 1.0));
  if (sum <= limit) return;
  double lo = 0, hi = 1;
  for (int step = 0; step < 60; ++step) {
    const double mid = 0.5 * (lo + hi);
    double s = 0;
    for (int i = 0; i < 4; ++i) s += std::clamp(x[i] - mid, 0.0, 1.0);
    (s > limit ? lo : hi) = mid;
  }
  for (int i = 0; i < 4; ++i) x[i] = std::clamp(x[i] - hi, 0.0, 1.0);
}

// Solves the 4 x 4 system a x = b in place (Gaussian elimination with
// partial pivoting); false when it is singular.
bool Solve4(double a[4][4], double b[4]) {
  for (int col = 0; col < 4; ++col) {
    int pivot = col;
    for (int row = col + 1; row < 4; ++row)
      if (std::fabs(a[row][col]) > std::fabs(a[pivot][col])) pivot = row;
    if (std::fabs(a[pivot][col]) < 1e-14) return false;
    std::swap(a[col], a[pivot]);
    std::swap(b[col], b[pivot]);
    for (int row = col + 1; row < 4; ++row) {
      const double f = a[row][col] / a[col][col];
      for (int k = col; k < 4; ++k) a[row][k] -= f * a[col][k];
      b[row] -= f * b[col];
    }
  }
  for (int row = 3; row >= 0; --row) {
    for (int k = row + 1; k < 4; ++k) b[row] -= a[row][k] * b[k];
    b[row] /= a[row][row];
  }
  return true;
}

Inks ToInks(const double x[4]) { return {x[0], x[1], x[2], x[3]}; }

}  // namespace

InkModel::InkModel() {
  paper_ = LabToXyz(kSolidLab[0]);
  const cmsCIEXYZ black = LabToXyz(kBlackSolidLab);
  for (int i = 0; i < 8; ++i) {
    primaries_[i] = LabToXyz(kSolidLab[i]);
    // Black over another combination darkens what lies below it by the
    // same ratio as it darkens bare paper, above the surface reflection.
    cmsCIEXYZ withBlack;
    for (int c = 0; c < 3; ++c) {
      const double floor = kSurfaceReflection * Component(*cmsD50_XYZ(), c);
      const double ratio = (Component(black, c) - floor) / (Component(paper_, c) - floor);
      Component(withBlack, c) = floor + (Component(primaries_[i], c) - floor) * ratio;
    }
    primaries_[i + 8] = withBlack;
  }
  for (int p = 0; p < 16; ++p)
    for (int c = 0; c < 3; ++c) roots_[p][c] = std::pow(Component(primaries_[p], c), 1.0 / kYuleNielsen);
}

cmsCIELab InkModel::RelativeLab(const Inks& inks) const {
  const double amounts[4] = {inks.c, inks.m, inks.y, inks.k};
  double a[4];
  for (int i = 0; i < 4; ++i) a[i] = EffectiveCoverage(amounts[i], kDotGain[i]);
  double sum[3] = {0, 0, 0};
  for (int p = 0; p < 16; ++p) {
    double w = 1;
    for (int i = 0; i < 4; ++i) w *= (p & (1 << i)) ? a[i] : 1 - a[i];
    if (w == 0) continue;
    for (int c = 0; c < 3; ++c) sum[c] += w * roots_[p][c];
  }
  cmsCIEXYZ relative;
  for (int c = 0; c < 3; ++c)
    Component(relative, c) =
        std::pow(sum[c], kYuleNielsen) * Component(*cmsD50_XYZ(), c) / Component(paper_, c);
  cmsCIELab lab;
  cmsXYZ2Lab(cmsD50_XYZ(), &lab, &relative);
  return lab;
}

Separator::Separator(const InkModel& model) : model_(model) {
  // The darkest neutral: full black with the most colour the ink limit
  // allows, balanced so that it stays grey.
  constexpr double kStep = 0.01;
  const double colourInk = InkModel::kTotalInkLimit - 1.0;
  double bestCast = 1e9;
  darkestL_ = 100;
  for (double c = 0; c <= 1.0 + 1e-9; c += kStep) {
    for (double m = 0; m <= 1.0 + 1e-9 && c + m <= colourInk + 1e-9; m += kStep) {
      const double y = colourInk - c - m;
      if (y > 1.0 + 1e-9) continue;
      const cmsCIELab lab = model_.RelativeLab({c, m, y, 1.0});
      const double cast = lab.a * lab.a + lab.b * lab.b + 0.1 * lab.L;
      if (cast < bestCast) bestCast = cast, darkestL_ = lab.L;
    }
  }
}

double Separator::BlackTarget(const cmsCIELab& target) const {
  constexpr double kBlackStart = 0.3;  // darkness where black begins
  // Darkness across what the inks print: 0 at the paper, 1 at their black.
  const double darkness = std::clamp((100.0 - target.L) / (100.0 - darkestL_), 0.0, 1.0);
  if (darkness <= kBlackStart) return 0;
  const double neutral = std::pow((darkness - kBlackStart) / (1.0 - kBlackStart), 1.4);
  const double chroma = std::hypot(target.a, target.b);
  return neutral * std::clamp(1.0 - chroma / 90.0, 0.2, 1.0);
}

Inks Separator::Separate(const cmsCIELab& target, const Inks& start, double* distance) const {
  const double blackAim = BlackTarget(target);
  auto residual = [&](const double x[4], double r[4]) {
    const cmsCIELab lab = model_.RelativeLab(ToInks(x));
    r[0] = lab.L - target.L;
    r[1] = lab.a - target.a;
    r[2] = lab.b - target.b;
    r[3] = kBlackAimWeight * (x[3] - blackAim);
    return r[0] * r[0] + r[1] * r[1] + r[2] * r[2] + r[3] * r[3];
  };

  // Levenberg-Marquardt, each step projected back onto the ink limits.
  double x[4] = {start.c, start.m, start.y, start.k};
  ProjectOntoInkLimits(x, InkModel::kTotalInkLimit);
  double r[4];
  double cost = residual(x, r);
  double damping = 1e-3;
  for (int iteration = 0; iteration < 60; ++iteration) {
    double jacobian[4][4];
    for (int j = 0; j < 4; ++j) {
      double xh[4] = {x[0], x[1], x[2], x[3]};
      const double h = x[j] + 1e-4 <= 1.0 ? 1e-4 : -1e-4;
      xh[j] += h;
      double rh[4];
      residual(xh, rh);
      for (int i = 0; i < 4; ++i) jacobian[i][j] = (rh[i] - r[i]) / h;
    }
    double normal[4][4], gradient[4];
    for (int p = 0; p < 4; ++p) {
      gradient[p] = 0;
      for (int i = 0; i < 4; ++i) gradient[p] += jacobian[i][p] * r[i];
      for (int q = 0; q < 4; ++q) {
        normal[p][q] = 0;
        for (int i = 0; i < 4; ++i) normal[p][q] += jacobian[i][p] * jacobian[i][q];
      }
    }
    bool improved = false;
    double next[4], rNext[4], costNext = cost;
    for (int attempt = 0; attempt < 10 && !improved; ++attempt) {
      double a[4][4], step[4];
      for (int p = 0; p < 4; ++p) {
        for (int q = 0; q < 4; ++q) a[p][q] = normal[p][q];
        a[p][p] += damping * (normal[p][p] + 1e-9);
        step[p] = -gradient[p];
      }
      if (Solve4(a, step)) {
        for (int i = 0; i < 4; ++i) next[i] = x[i] + step[i];
        ProjectOntoInkLimits(next, InkModel::kTotalInkLimit);
        costNext = residual(next, rNext);
        improved = costNext < cost;
      }
      damping = improved ? std::max(damping / 3, 1e-9) : damping * 4;
    }
    if (!improved) break;
    const double gain = cost - costNext;
    std::copy(next, next + 4, x);
    std::copy(rNext, rNext + 4, r);
    cost = costNext;
    if (gain < 1e-10) break;
  }
  if (distance) *distance = std::sqrt(r[0] * r[0] + r[1] * r[1] + r[2] * r[2]);
  return ToInks(x);
}

}  // namespace tl
