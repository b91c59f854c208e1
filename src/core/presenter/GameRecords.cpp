#include "core/presenter/GameRecords.h"

#include "core/errors/MessageBoxes.h"
#include "core/records/RecordsFile.h"

namespace vb {

void TGameRecords::Load() {
  if (loaded_) return;
  loaded_ = true;
  TRecordsReadResult read = ReadRecordsFile(path_);
  records_ = std::move(read.Records);
  switch (read.State) {
    case TRecordsFileState::Missing:
    case TRecordsFileState::Read:
      return;
    case TRecordsFileState::Damaged:
      if (KeepDamagedRecordsFile(path_)) {
        ShowWarningText("The statistics file \"" + path_ + "\" is damaged (" + read.Problem +
                        ").\nIt was kept as \"" + DamagedRecordsPath(path_) + "\" and new statistics are started.");
        return;
      }
      break;
    case TRecordsFileState::Unreadable:
      break;
  }
  // A file that can be neither read nor kept aside stays exactly as it is.
  saving_ = false;
  ShowWarningText("The statistics file \"" + path_ + "\" cannot be read (" + read.Problem +
                  ").\nIt is left as it is, and the statistics of this session are not saved.");
}

void TGameRecords::GameStarted(const std::string& dictionaryName, int columns, int rows,
                               std::optional<std::uint32_t> number) {
  const TRecordKey key{dictionaryName, columns, rows};
  const bool ended = records_.GameRunning();
  records_.GameStarted(key, number);
  lastKey_ = key;
  if (ended) Save();
}

void TGameRecords::WordPut(const std::string& word, std::int32_t points, std::optional<std::int32_t> best,
                           bool hintUsed) {
  if (!records_.GameRunning()) return;
  records_.WordPut(word, points, best, hintUsed);
  Save();
}

void TGameRecords::HintUsed() { records_.HintUsed(); }

void TGameRecords::GameEnded(bool finished) {
  if (!records_.GameRunning()) return;
  records_.GameEnded(finished);
  Save();
}

void TGameRecords::Save() {
  if (!loaded_ || !saving_) return;
  if (WriteRecordsFile(path_, records_) || saveFailureReported_) return;
  // Once per session: a full disk should not interrupt every put.
  saveFailureReported_ = true;
  ShowWarningText("The statistics could not be saved to \"" + path_ + "\". The game goes on; they are saved again "
                  "after the next word.");
}

}  // namespace vb
