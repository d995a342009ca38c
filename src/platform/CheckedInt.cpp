#include "CheckedInt.h"

#include <sstream>

namespace tv {

void ThrowOverflow(const char* operation) {
  throw EIntOverflow(std::string("Integer overflow in ") + operation);
}

void ThrowTruncRange(double value) {
  std::ostringstream text;
  text.precision(17);
  text << "Range check error: " << value << " does not fit a 32-bit integer";
  throw ERangeError(text.str());
}

}  // namespace tv
