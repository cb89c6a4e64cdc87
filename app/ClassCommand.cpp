#include "app/ClassCommand.h"

#include <filesystem>

#include "data/AtomicSave.h"
#include "data/PlainFile.h"
#include "data/WindowsNames.h"
#include "platform/Error.h"
#include "screens/ClassCsv.h"

namespace vcq {

void WriteClassCsv(const ClassTable& t, const std::string& outPath, bool cp932) {
  std::error_code ec;
  for (const ClassSection& s : t.sections)
    for (const ClassRow& r : s.rows)
      if (std::filesystem::equivalent(r.path, outPath, ec))
        throw IoError("「" + DisplayPath(outPath) + "」は読んだ成績ファイルそのものです");
  RequirePlainOrAbsent(outPath);
  WriteFileAtomically(outPath, ClassCsv(t, cp932));
}

int RunClassCsv(const std::vector<std::string>& places, const std::string& outPath, bool cp932,
                std::string& err) {
  const ClassTable t = ReadClass(places);
  if (const std::string none = NoRecordMessage(t); !none.empty()) {
    err += none + "\n";
    return 1;
  }
  try {
    WriteClassCsv(t, outPath, cp932);
    return 0;
  } catch (const Error& e) {
    err += std::string(e.what()) + "\n";
    return 1;
  }
}

}  // namespace vcq
