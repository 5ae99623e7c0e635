#include "app/file_naming_sink.h"

#include <cstring>

namespace vek {

std::string WriteFailureText(int error) {
  std::string text = NumberedMessage(msg::CannotSave);
  if (error != 0) text += " (" + std::string(std::strerror(error)) + ")";
  return text;
}

}  // namespace vek
