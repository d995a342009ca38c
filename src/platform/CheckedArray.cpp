#include "CheckedArray.h"

namespace tv {

void ThrowIndexError(long long index, long long lo, long long hi) {
  throw ERangeError("Range check error: index " + std::to_string(index) + " outside [" +
                    std::to_string(lo) + ".." + std::to_string(hi) + "]");
}

}  // namespace tv
