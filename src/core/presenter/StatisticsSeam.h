#pragma once
// The Statistics window as the presenter sees it: it shows the records of
// every dictionary and board size (the current one first chosen) and this
// game's points per turn against the best possible points.
#include <vector>

#include "core/records/Records.h"
#include "core/records/TurnPoints.h"

namespace vb {

class TStatisticsViewer {
 public:
  virtual ~TStatisticsViewer() = default;
  virtual void ShowStatistics(const TRecords& records, const TRecordKey& current,
                              const std::vector<TTurnPoints>& thisGame) = 0;
};

}  // namespace vb
