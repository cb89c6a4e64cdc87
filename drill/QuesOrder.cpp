#include "drill/QuesOrder.h"

#include "data/TextUtil.h"

namespace vcq {

void BuildQuesOrder(DrillState& drill, std::int32_t QuesCount, std::int32_t OrderMode,
                    const TimeOfDay& now) {
  const RandPerm perm = MakePerm(QuesCount, now);
  for (std::int32_t i = 0; i < QuesCount; ++i) drill.QuesOrder[i] = OrderMode == 1 ? perm[i] : i;
}

}  // namespace vcq
