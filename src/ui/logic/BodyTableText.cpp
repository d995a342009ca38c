#include "ui/logic/BodyTableText.h"

#include "astro/DivProcs.h"
#include "data/DataTypes.h"
#include "platform/Errors.h"
#include "ui/logic/FixedText.h"

namespace {

// Fixed-point with N decimals, at most 16 significant digits.
std::string Fixed(double Value, std::int32_t Decimals, std::string_view Mark) {
  return FormatFixed(Value, Decimals, 16, Mark);
}

}  // namespace

std::int32_t BodyFirstRow(std::int32_t Body) {
  if (Body < 0 || Body >= BodyCount) throw tv::ERangeError();
  return Body <= 1 ? 2 * Body : 2 * Body + 1;
}

std::array<TBodyCell, 7> BodyCells(std::int32_t Body, const std::string& Name,
                                   const std::array<double, 7>& Values, std::string_view DecimalMark) {
  const std::int32_t f = BodyFirstRow(Body);
  const bool sun = Body == 0, moon = Body == 1;
  std::string distance;
  if (sun)
    distance = Fixed(Values[btDist], 4, DecimalMark);
  else if (moon)
    distance = Fixed(Values[btDist], 0, DecimalMark) + " km";
  else
    distance = Fixed(Values[btDist], 3, DecimalMark);
  const double diameter = 2.0 * Values[btSemiDiam];
  const std::string brightness =
      sun || moon ? Fixed(Values[btMvis], 1, DecimalMark) + " / " + Fixed(diameter, 0, DecimalMark)
                  : Fixed(Values[btMvis], 1, DecimalMark) + "  /  " + Fixed(diameter, 1, DecimalMark);
  return {{{0, f, Name},
           {1, f, FormatSexagesimal(Values[btRA], 1)},
           {2, f, FormatSexagesimal(Values[btDE], 0)},
           {3, f, distance},
           {1, f + 1, Fixed(Values[btAzi], 2, DecimalMark)},
           {2, f + 1, Fixed(Values[btAlt], 2, DecimalMark)},
           {3, f + 1, brightness}}};
}
