#pragma once

#include <QString>

namespace children {

// The envelopes printout: one envelope per active child, addressed to the guardian's name and
// address, in the order of the guardians' names.
QString envelopesStatement();
QString envelopesConnectionName();
QString envelopesReportFile();

}  // namespace children
