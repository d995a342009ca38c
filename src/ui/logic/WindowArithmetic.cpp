#include "ui/logic/WindowArithmetic.h"

#include "platform/CheckedInt.h"

std::int32_t LeftPanelWidth(std::int32_t Width, std::int32_t Height, std::int32_t Divisor) {
  return tv::CheckedDiv(tv::CheckedSub(Width, Height), Divisor);
}

std::int32_t AboutPanelOffset(std::int32_t Outer, std::int32_t Origin, std::int32_t Size) {
  return tv::CheckedDiv(tv::CheckedSub(tv::CheckedSub(Outer, Origin), Size), 2);
}
