// An off-screen context that holds one selected bitmap at a time, the source
// of every image copy.
#pragma once

namespace platform {

class Bitmap;

class MemoryDc {
  public:
    // Makes the context usable, as creating a compatible DC does.
    void CreateCompatible() { m_created = true; }
    bool IsCreated() const { return m_created; }

    // Returns the bitmap selected before; null deselects.
    const Bitmap* SelectBitmap(const Bitmap* bitmap);
    const Bitmap* Selected() const { return m_created ? m_selected : nullptr; }

  private:
    bool m_created = false;
    const Bitmap* m_selected = nullptr;
};

}  // namespace platform
