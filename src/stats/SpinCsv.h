#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "SpinLog.h"

// Spins as comma-separated values for spreadsheets: UTF-8, a header row with the log's column names,
// CRLF line ends, and fields holding a comma, a quote or a line break quoted with quotes doubled.
void writeSpinCsv(std::ostream& out, const std::vector<LoggedSpin>& spins);
std::string csvField(const std::string& text);
