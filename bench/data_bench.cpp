// Reading the bank and the record, saving the record, and picking a batch,
// each beside the least any implementation must spend on the same file.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "app/BankExport.h"
#include "app/BankImport.h"
#include "app/RecordSteps.h"
#include "bench/BenchFiles.h"
#include "data/Bank.h"
#include "data/BankCsv.h"
#include "data/LineReader.h"
#include "data/RecordFile.h"
#include "data/StudyRecord.h"
#include "drill/DrillSetup.h"
#include "tests/support/TestProgram.h"

namespace vcq::bench {
namespace {

double PeakRssMiB() {
  rusage u{};
  ::getrusage(RUSAGE_SELF, &u);
  return static_cast<double>(u.ru_maxrss) / 1024;
}

// A first load of the bank at `path`, into a bank of its own.
void LoadFreshBank(const std::string& path) {
  Bank bank;
  bank.QuesFileName = path;
  LessonFlags sel{};
  LoadBank(bank, sel);
  benchmark::DoNotOptimize(bank.QuesCount);
}

void BM_Baseline_ReadBank(benchmark::State& state) {
  const BenchFiles& f = Files();
  for (auto _ : state) benchmark::DoNotOptimize(ReadAndCountLines(f.bankPath));
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(f.bankBytes.size()));
}
BENCHMARK(BM_Baseline_ReadBank);

void BM_LoadBank(benchmark::State& state) {
  const BenchFiles& f = Files();
  for (auto _ : state) {
    LoadFreshBank(f.bankPath);
  }
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(f.bankBytes.size()));
}
BENCHMARK(BM_LoadBank);

void BM_ReadBatchTexts(benchmark::State& state) {
  const BenchFiles& f = Files();
  Bank bank;
  bank.QuesFileName = f.bankPath;
  LessonFlags sel{};
  LoadBank(bank, sel);
  BatchSlots batch{};
  for (int i = 0; i < kBatchSize; ++i) batch[i] = 5 + i * 59;  // spread over the whole file
  for (auto _ : state) {
    ReadBatchTexts(bank, batch, kBatchSize);
    benchmark::DoNotOptimize(bank.BatchSent[kBatchSize - 1].data());
  }
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(f.bankBytes.size()));
}
BENCHMARK(BM_ReadBatchTexts);

// The same bank saved as UTF-8: converted to CP932 by every read.
void BM_Baseline_ReadBankUtf8(benchmark::State& state) {
  const BenchFiles& f = Files();
  for (auto _ : state) benchmark::DoNotOptimize(ReadAndCountLines(f.bankUtf8Path));
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(f.bankUtf8Bytes.size()));
}
BENCHMARK(BM_Baseline_ReadBankUtf8);

void BM_LoadBankUtf8(benchmark::State& state) {
  const BenchFiles& f = Files();
  for (auto _ : state) {
    LoadFreshBank(f.bankUtf8Path);
  }
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(f.bankUtf8Bytes.size()));
}
BENCHMARK(BM_LoadBankUtf8);

// The load beside its baseline in turns, a pair at a time: on a shared
// machine whose speed comes and goes by the second, both halves of a pair
// run at the same speed. `per_read` is the median, over the pairs, of the
// load's time over the plain read's.
void BM_LoadBankUtf8_PerRead(benchmark::State& state) {
  const BenchFiles& f = Files();
  std::vector<double> ratios;
  for (auto _ : state) {
    const auto t0 = std::chrono::steady_clock::now();
    benchmark::DoNotOptimize(ReadAndCountLines(f.bankUtf8Path));
    const auto t1 = std::chrono::steady_clock::now();
    LoadFreshBank(f.bankUtf8Path);
    const auto t2 = std::chrono::steady_clock::now();
    ratios.push_back(std::chrono::duration<double>(t2 - t1).count() /
                     std::chrono::duration<double>(t1 - t0).count());
  }
  std::nth_element(ratios.begin(), ratios.begin() + ratios.size() / 2, ratios.end());
  state.counters["per_read"] = ratios.empty() ? 0 : ratios[ratios.size() / 2];
}
BENCHMARK(BM_LoadBankUtf8_PerRead);

// The record commands load the bank again before they draw its map: the
// same UTF-8 file, unchanged, is not scanned a second time.
void BM_ReloadBankUtf8(benchmark::State& state) {
  const BenchFiles& f = Files();
  Bank loaded;
  loaded.QuesFileName = f.bankUtf8Path;
  LessonFlags sel{};
  LoadBank(loaded, sel);
  for (auto _ : state) {
    Bank bank = loaded;
    LoadBank(bank, sel);
    benchmark::DoNotOptimize(bank.QuesCount);
  }
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(f.bankUtf8Bytes.size()));
}
BENCHMARK(BM_ReloadBankUtf8);

void BM_ReadBatchTextsUtf8(benchmark::State& state) {
  const BenchFiles& f = Files();
  Bank bank;
  bank.QuesFileName = f.bankUtf8Path;
  LessonFlags sel{};
  LoadBank(bank, sel);
  BatchSlots batch{};
  for (int i = 0; i < kBatchSize; ++i) batch[i] = 5 + i * 59;
  for (auto _ : state) {
    ReadBatchTexts(bank, batch, kBatchSize);
    benchmark::DoNotOptimize(bank.BatchSent[kBatchSize - 1].data());
  }
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(f.bankUtf8Bytes.size()));
}
BENCHMARK(BM_ReadBatchTextsUtf8);

// A bank to and from a spreadsheet: the conversions in memory, and the
// whole commands (read, convert, check, write with fsync and rename).
void BM_BankToCsv(benchmark::State& state) {
  const BenchFiles& f = Files();
  for (auto _ : state) benchmark::DoNotOptimize(BankToCsv(f.bankBytes, f.bankPath).size());
}
BENCHMARK(BM_BankToCsv);

void BM_ImportBank(benchmark::State& state) {
  const BenchFiles& f = Files();
  const std::string csv = BankToCsv(f.bankBytes, f.bankPath);
  for (auto _ : state) benchmark::DoNotOptimize(ImportBank(csv, "bench.csv").bytes.size());
}
BENCHMARK(BM_ImportBank);

void BM_ExportCommand(benchmark::State& state) {
  const BenchFiles& f = Files();
  const std::string out = (f.dir / "export.csv").string();
  std::string none, err;
  for (auto _ : state)
    if (RunBankExport(f.bankPath, out, none, err) != 0) state.SkipWithError(err.c_str());
}
BENCHMARK(BM_ExportCommand)->UseRealTime();

void BM_ImportCommand(benchmark::State& state) {
  const BenchFiles& f = Files();
  const std::string csv = (f.dir / "import.csv").string();
  const std::string out = (f.dir / "import.dat").string();
  std::string none, err;
  RunBankExport(f.bankPath, csv, none, err);
  for (auto _ : state)
    if (RunBankImport(csv, out, true, none, err) != 0) state.SkipWithError(err.c_str());
}
BENCHMARK(BM_ImportCommand)->UseRealTime();

// Sheets that are nearly all empty rows, under the 16 MiB limit: 16 MiB of
// bare line ends, and an Excel-shaped sheet of 1,048,576 rows of empty
// cells after the bank's own. Each costs what its questions cost, not what
// its rows do; `rss_MiB` is the process's peak so far (run one alone).
void ImportSheet(benchmark::State& state, const std::string& sheet) {
  for (auto _ : state) benchmark::DoNotOptimize(ImportBank(sheet, "sheet.csv").bytes.size());
  state.counters["MiB"] = static_cast<double>(sheet.size()) / (1 << 20);
  state.counters["rss_MiB"] = PeakRssMiB();
}
void BM_ImportEmptyLines16MiB(benchmark::State& state) {
  const BenchFiles& f = Files();
  std::string sheet = BankToCsv(f.bankBytes, f.bankPath);
  sheet.resize((16u << 20) - 1, '\n');
  ImportSheet(state, sheet);
}
BENCHMARK(BM_ImportEmptyLines16MiB)->Unit(benchmark::kMillisecond);
void BM_ImportExcelRows(benchmark::State& state) {
  const BenchFiles& f = Files();
  std::string sheet = BankToCsv(f.bankBytes, f.bankPath);
  for (int r = 0; r < (1 << 20); ++r) sheet += ",,,,,\r\n";
  ImportSheet(state, sheet);
}
BENCHMARK(BM_ImportExcelRows)->Unit(benchmark::kMillisecond);

void BM_Baseline_ReadRecord(benchmark::State& state) {
  const BenchFiles& f = Files();
  for (auto _ : state) benchmark::DoNotOptimize(ReadAndCountLines(f.recordPath));
}
BENCHMARK(BM_Baseline_ReadRecord);

// The record file alone: read and parse.
void BM_ParseRecordFile(benchmark::State& state) {
  const BenchFiles& f = Files();
  for (auto _ : state) {
    RecordFile r = ParseRecord(ReadWholeFile(f.recordPath), f.recordPath);
    benchmark::DoNotOptimize(r.OkLevel.data());
  }
}
BENCHMARK(BM_ParseRecordFile);

// ReadRecord reads the record and then loads its bank: its plain-read
// baseline is both files.
void BM_Baseline_ReadRecordAndBank(benchmark::State& state) {
  const BenchFiles& f = Files();
  for (auto _ : state) {
    benchmark::DoNotOptimize(ReadAndCountLines(f.recordPath));
    benchmark::DoNotOptimize(ReadAndCountLines(f.bankPath));
  }
}
BENCHMARK(BM_Baseline_ReadRecordAndBank);

void BM_ReadRecord(benchmark::State& state) {
  const BenchFiles& f = Files();
  for (auto _ : state) {
    LoadedRecord r = ReadRecord(f.recordPath);
    benchmark::DoNotOptimize(r.bank.QuesCount);
  }
}
BENCHMARK(BM_ReadRecord);

// The save's system calls with nothing around them: one write, then
// optionally fsync, then the rename over the record.
void WriteBaseline(benchmark::State& state, bool sync) {
  const BenchFiles& f = Files();
  const std::string target = (f.dir / "baseline.ret").string();
  const std::string temp = target + ".tmp";
  for (auto _ : state) {
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0 || ::write(fd, f.recordBytes.data(), f.recordBytes.size()) !=
                      static_cast<ssize_t>(f.recordBytes.size())) {
      state.SkipWithError("write failed");
      break;
    }
    if (sync) ::fsync(fd);
    ::close(fd);
    std::rename(temp.c_str(), target.c_str());
  }
}
void BM_Baseline_WriteRename(benchmark::State& state) {
  WriteBaseline(state, false);
}
BENCHMARK(BM_Baseline_WriteRename)->UseRealTime();
void BM_Baseline_WriteFsyncRename(benchmark::State& state) {
  WriteBaseline(state, true);
}
BENCHMARK(BM_Baseline_WriteFsyncRename)->UseRealTime();

// The whole save of a 600-question record: format, write, fsync, rename.
void BM_WriteRecord(benchmark::State& state) {
  const BenchFiles& f = Files();
  test::TestProgram t(f.dir.string());
  CommitRecord(t.app, ReadRecord(f.recordPath));
  t.app.rec.RecFileName = (f.dir / "written.ret").string();
  for (auto _ : state) WriteRecord(t.app);
}
BENCHMARK(BM_WriteRecord)->UseRealTime();

// The same save without its fsync (the formatting and the file's creation
// and rename), to set beside the write-and-rename baseline.
void BM_WriteRecordNoFsync(benchmark::State& state) {
  const BenchFiles& f = Files();
  test::TestProgram t(f.dir.string());
  CommitRecord(t.app, ReadRecord(f.recordPath));
  t.app.rec.RecFileName = (f.dir / "written.ret").string();
  t.app.fileOps.fsync = [](int) { return 0; };
  for (auto _ : state) WriteRecord(t.app);
}
BENCHMARK(BM_WriteRecordNoFsync)->UseRealTime();

// Formatting alone: the part of a save that is the program's own.
void BM_FormatRecord(benchmark::State& state) {
  const BenchFiles& f = Files();
  LoadedRecord loaded = ReadRecord(f.recordPath);
  for (auto _ : state) benchmark::DoNotOptimize(FormatRecord(loaded.file).size());
}
BENCHMARK(BM_FormatRecord);

struct ScanSetup {
  Bank bank;
  Record rec;
  DrillState drill;
  ScanSetup() {
    const BenchFiles& f = Files();
    LoadBankText(bank, rec.LesSel, f.bankBytes, f.bankPath);
    rec.LesSel.fill(1);
    rec.LesSel2.fill(1);
    for (int q = 0; q < bank.QuesCount; ++q) drill.QuesOrder[q] = (q * 7) % bank.QuesCount;
  }
};

// Almost everything mastered: the scan goes twice round all 600 questions
// and finds three.
void BM_ScanBatch_Worst(benchmark::State& state) {
  ScanSetup s;
  s.rec.OkLevel.fill(2);
  for (int q : {17, 300, 555}) s.rec.OkLevel[q] = 1;
  for (auto _ : state) {
    s.drill.OrderPos = 0;
    s.drill.PassStart = 0;
    benchmark::DoNotOptimize(ScanBatch(s.drill, s.bank, s.rec, 100));
  }
  if (ScanBatch(s.drill, s.bank, s.rec, 100) != 3) state.SkipWithError("expected 3 questions");
}
BENCHMARK(BM_ScanBatch_Worst);

// A drill part-way: half the lessons chosen, a mix of levels; batch after
// batch along the order.
void BM_ScanBatch_Typical(benchmark::State& state) {
  ScanSetup s;
  for (int i = 0; i < kMaxLessons; i += 2) s.rec.LesSel[i] = 0;
  std::mt19937 rng(42);
  for (int q = 0; q < s.bank.QuesCount; ++q)
    s.rec.OkLevel[q] = static_cast<std::int32_t>(rng() % 4) - 1;
  for (auto _ : state) benchmark::DoNotOptimize(ScanBatch(s.drill, s.bank, s.rec, 100));
}
BENCHMARK(BM_ScanBatch_Typical);

}  // namespace
}  // namespace vcq::bench
