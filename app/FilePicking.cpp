#include "app/FilePicking.h"

#include <algorithm>
#include <filesystem>

#include "app/Program.h"
#include "data/Utf8Renames.h"
#include "data/WindowsNames.h"
#include "platform/Error.h"

namespace vcq {

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kListed = 15;

fs::path Canonical(const std::string& p) {
  std::error_code ec;
  fs::path c = fs::weakly_canonical(p, ec);
  return ec ? fs::path(p).lexically_normal() : c;
}

// The entry is a file in use, or a folder that holds one.
bool InUse(const Cp932Named& e, const std::vector<std::string>& inUse) {
  const fs::path entry = Canonical(e.from);
  for (const std::string& u : inUse) {
    if (u.empty()) continue;
    const fs::path used = Canonical(u);
    if (used == entry) return true;
    if (e.folder &&
        std::mismatch(entry.begin(), entry.end(), used.begin(), used.end()).first == entry.end())
      return true;
  }
  return false;
}

}  // namespace

void OfferUtf8Names(Program& app, const std::string& folder,
                    const std::vector<std::string>& inUse) {
  try {
    const std::string key = Canonical(folder).string();
    if (app.namesOffered.contains(key)) return;
    UnpackedEntries found = Cp932NamedEntries(folder);
    std::vector<Cp932Named>& entries = found.renamable;
    std::erase_if(entries, [&](const Cp932Named& e) { return InUse(e, inUse); });
    if (entries.empty() && found.unsure.empty() && found.colliding.empty()) return;
    app.namesOffered.insert(key);
    std::string untouched;
    if (!found.unsure.empty()) {
      untouched += "\n\n次のファイルは元の名前が決められないため、そのままにします:";
      for (const std::string& u : found.unsure) untouched += "\n　" + u;
    }
    if (!found.colliding.empty()) {
      untouched += "\n\n次の名前はほかのファイルと重なるため、そのままにします:";
      for (const std::string& c : found.colliding) untouched += "\n　" + c;
    }
    const std::string head = "フォルダ「" + DisplayPath(folder) +
                             "」には、Windows で付けた名前が正しく読めない"
                             "ファイルがあり、ファイルを選ぶ画面に出ないか、違う名前で出ます。";
    if (entries.empty()) {
      app.ports.dialogs.ShowInfo(head + untouched);
      return;
    }
    std::string list;
    for (std::size_t i = 0; i < entries.size() && i < kListed; ++i)
      list += "　" + fs::path(entries[i].to).filename().string() + (entries[i].folder ? "/" : "") +
              "\n";
    if (entries.size() > kListed)
      list += "　ほか " + std::to_string(entries.size() - kListed) + " 件\n";
    if (!app.ports.dialogs.AskYesNo(head + "\n\n" + list +
                                    "\nこれらを Windows での名前 (UTF-8) に変えますか" + untouched))
      return;
    const std::vector<std::string> failed = RenameToUtf8(entries);
    if (!failed.empty()) {
      std::string m = "次のファイルは名前を変えられませんでした。";
      for (const std::string& f : failed) m += "\n" + f;
      app.ports.dialogs.ShowError(m);
    }
  } catch (const std::exception& e) {
    app.ports.dialogs.ShowError(e.what());
  }
}

std::optional<std::string> PickFile(Program& app, FileDialogRequest request,
                                    std::vector<std::string> inUse) {
  if (app.rec.RecOpen == 1) inUse.push_back(app.rec.RecFileName);
  inUse.push_back(app.bank.QuesFileName);
  request.showing = [&app, &inUse](const std::string& folder) {
    OfferUtf8Names(app, folder, inUse);
  };
  return app.ports.dialogs.OpenFile(request);
}

}  // namespace vcq
