#include "qt/dash_runs.h"

namespace vek {

size_t DashRunEnd(const std::vector<QLine>& lines, size_t first) {
  const QLine& a = lines[first];
  const QPoint along = a.p2() - a.p1();
  if (first + 1 >= lines.size() || (along.x() != 0) == (along.y() != 0)) return first + 1;
  const QPoint step = lines[first + 1].p1() - a.p1();
  const bool onward = along.x() != 0 ? step.y() == 0 && (step.x() > 0) == (along.x() > 0)
                                     : step.x() == 0 && (step.y() > 0) == (along.y() > 0);
  if (!onward || step.manhattanLength() <= along.manhattanLength()) return first + 1;
  size_t end = first + 1;
  while (end < lines.size() && lines[end].p2() - lines[end].p1() == along &&
         lines[end].p1() - lines[end - 1].p1() == step)
    ++end;
  return end;
}

}  // namespace vek
