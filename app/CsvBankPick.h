// F3's bank dialog also offers spreadsheets: a CSV, or a `.txt` or `.tsv`
// whose rows are a bank's sheet, picked there is imported into a bank of
// the same name beside it, which the new record then names.
#pragma once

#include <optional>
#include <string>

namespace vcq {

class Program;

// The bank file to use for the file picked in the bank dialog: the file
// itself, or for a sheet the `.dat` made from it (in the learner's folder
// when the CSV's folder is not the learner's to write, said so in a
// message). Nothing when the learner declines to replace a `.dat` that
// exists. IoError with the problems, one a line, when the CSV is no bank.
std::optional<std::string> BankFileForPick(Program& app, const std::string& picked);

}  // namespace vcq
