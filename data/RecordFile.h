// The study record file: what it holds, how it is read and written. A read
// fills a fresh RecordFile, so a failure part-way changes nothing in use.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "data/Bank.h"
#include "data/FileIdentity.h"
#include "data/Record.h"
#include "data/RecordValues.h"

namespace vcq {

// The file's lines: the RecordValues, and the bank's values as they were
// when the record was written.
// QuesFileName is the path as the file holds it (UTF-8).
struct RecordFile : RecordValues, BankHeader {
  // Line 1's own bytes (CP932), set by a read. When not empty, a write puts
  // them back as they are: a path from Windows, or one whose characters have
  // two Unicode forms, comes back unchanged.
  std::string QuesFileLine;

  bool operator==(const RecordFile&) const = default;
};

// Parses a record. IoError, ConvertError or RangeError name the file and line:
// a file that ends early, a field that is not a number, more than 600
// questions or 20 lessons or entries.
RecordFile ParseRecord(std::string_view bytes, const std::string& fileName);

// The bytes of a record file, CP932 with CR LF. Without QuesFileLine the path
// must have a CP932 form (ConvertError otherwise).
std::string FormatRecord(const RecordFile& r);

// The record in memory as a file: the bank's values are the ones in use, and
// the first line the record's BankLine when it keeps one.
RecordFile ToRecordFile(const Bank& bank, const Record& rec);

}  // namespace vcq
