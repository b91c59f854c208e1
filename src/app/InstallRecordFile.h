#pragma once
// The install record and the distribution list on disk: read strictly, with
// every ignored line reported in the installation's Errors.log.
#include <string>
#include <vector>

#include "core/store/DistributionList.h"
#include "core/store/InstallRecord.h"

namespace vb {

enum class RecordFile { Missing, Invalid, Read };

// Reads `folder` + "Uninstall.lst". Problems are added to `problems`, each
// already saying which file it is about.
RecordFile ReadInstallRecordFile(const std::string& folder, InstallRecord& record, std::vector<std::string>& problems);
// Writes the record atomically; a failure is left in GlobalFunStat.
bool WriteInstallRecordFile(const std::string& folder, const InstallRecord& record);

// Reads `folder` + "Install.lst"; false when there is no usable list.
bool ReadDistributionListFile(const std::string& folder, ParsedDistributionList& list,
                              std::vector<std::string>& problems);

// Appends the problems, as one report, to `folder` + "Errors.log". False when
// there was nothing to report or the log could not be written.
bool ReportToErrorLog(const std::string& folder, const std::string& what, const std::vector<std::string>& problems);

}  // namespace vb
