#pragma once

namespace orb {

// The viewer's document holds no data: there is nothing to load or save.
class COrbDoc {
  public:
    bool OnNewDocument() { return true; }
    void Serialize() {}
};

}  // namespace orb
