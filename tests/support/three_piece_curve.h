#pragma once
// Synthetic pressure-radius curves made of three straight pieces, as a pressuremeter test draws
// them: the probe first takes up the borehole slack (r grows fast with Pe), then the ground reacts
// elastically (r grows slowly), then it yields (r grows fast again). Used by the tests and the
// benchmark of the step suggestion. Header-only so benchmarks can use it too.
#include <random>
#include <vector>

namespace vek::testing {

struct ThreePieceCurve {
  int steps = 12;              // N
  int firstBreak = 4;          // the step where piece 1 ends and piece 2 starts (Po)
  int secondBreak = 9;         // the step where piece 2 ends and piece 3 starts (Py')
  double peStep = 50;          // kN/m2 between steps
  double slopes[3] = {0.004, 0.0006, 0.005};  // cm per kN/m2 of each piece
  double noise = 0;            // standard deviation of the radius noise, cm
  unsigned seed = 1;
};

struct CurvePoints {
  std::vector<double> pe, r;
};

inline CurvePoints MakeCurve(const ThreePieceCurve& c) {
  std::mt19937 random(c.seed);
  std::normal_distribution<double> noise(0.0, c.noise > 0 ? c.noise : 1.0);
  CurvePoints p;
  double r = 4.3;
  for (int step = 1; step <= c.steps; ++step) {
    const double pe = (step - 1) * c.peStep;
    if (step > 1) {
      const int piece = step <= c.firstBreak ? 0 : step <= c.secondBreak ? 1 : 2;
      r += c.slopes[piece] * c.peStep;
    }
    p.pe.push_back(pe);
    p.r.push_back(r + (c.noise > 0 ? noise(random) : 0.0));
  }
  return p;
}

}  // namespace vek::testing
