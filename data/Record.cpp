#include "data/Record.h"

namespace vcq {

RecordPlace RecordPlace::Take(const std::string& path, const RecordHold& open) {
  RecordPlace place;
  place.RecFileName = path;
  place.hold = open.Covers(path) ? open : RecordHold::Take(path);
  place.onDisk = StampOf(path);
  return place;
}

}  // namespace vcq
