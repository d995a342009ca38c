#include "Errors.h"

#include <cstring>

namespace tv {

namespace {
std::string InOutMessage(int errorCode, const std::string& fileName, const std::string& operation) {
  std::string text = "I/O error " + std::to_string(errorCode);
  if (!operation.empty()) text += " (" + operation + ")";
  text += ": ";
  text += std::strerror(errorCode);
  text += ": \"" + fileName + "\"";
  return text;
}
}  // namespace

EInOutError::EInOutError(int errorCode, const std::string& fileName, const std::string& operation)
    : EProgramError(InOutMessage(errorCode, fileName, operation)),
      ErrorCode_(errorCode),
      FileName_(fileName) {}

EListError::EListError(long long index)
    : ERangeError("List index out of bounds (" + std::to_string(index) + ")") {}

}  // namespace tv
