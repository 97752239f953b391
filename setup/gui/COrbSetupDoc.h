#pragma once

#include <string>

namespace orbsetup {

// The installer's document holds no data: a new one is empty, and opening one
// reads nothing.
class COrbSetupDoc {
  public:
    bool OnNewDocument() { return true; }
    bool OnOpenDocument(const std::string& /*path*/) { return true; }
};

}  // namespace orbsetup
