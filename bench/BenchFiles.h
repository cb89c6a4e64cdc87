// A bank and a record at the program's limits, written once per run to a
// fresh folder: 600 questions in 20 lessons (and 20 second classes), layout
// 2, sentences, prompts and explanations close to the 180 bytes a line may
// hold, and its twin in UTF-8. The drill benchmarks run on the same bank.
#pragma once

#include <filesystem>
#include <string>

namespace vcq::bench {

struct BenchFiles {
  std::filesystem::path dir;
  std::string bankPath;      // layout 2, 600 questions
  std::string recordPath;    // a record of that bank, part-way through
  std::string bankUtf8Path;  // the same bank saved as UTF-8
  std::string bankBytes;
  std::string bankUtf8Bytes;
  std::string recordBytes;
};

// Created on first use; VCQ_BENCH_DIR chooses where (default: the system's
// temporary folder). Removed at exit.
const BenchFiles& Files();

// The whole file read into a fresh buffer by one read(2), and the number of
// its lines found with memchr: what any reader of the file must do at least.
std::size_t ReadAndCountLines(const std::string& path);

}  // namespace vcq::bench
