#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "SpinLog.h"

// Spins as comma-separated values for spreadsheets: UTF-8, a header row with the column names (docs/spin-log.md
// describes each), CRLF line ends, and fields holding a comma, a quote or a line break quoted with quotes
// doubled. Beside each amount in cents its value in dollars with two decimals, beside each number its name.
void writeSpinCsvHeader(std::ostream& out);
void writeSpinCsvRow(std::ostream& out, const LoggedSpin& spin);
void writeSpinCsv(std::ostream& out, const std::vector<LoggedSpin>& spins);

// A text cell: quoted when needed, and one a spreadsheet would take for a formula (starting with =, +, -, @, a tab
// or a carriage return) led by an apostrophe so that it shows as the text it is.
std::string csvField(const std::string& text);
