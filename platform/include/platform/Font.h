// A font chosen by face name and a negative height: the em height in pixels,
// without internal leading.
#pragma once

#include <memory>
#include <string>

namespace platform {

class Font {
  public:
    Font();
    ~Font();
    Font(Font&&) noexcept;
    Font& operator=(Font&&) noexcept;
    Font(const Font&) = delete;
    Font& operator=(const Font&) = delete;

    // `height` follows the Windows convention: negative means character height.
    bool Create(const std::string& face, int height);
    void Reset();
    bool IsNull() const { return m_impl == nullptr; }
    const std::string& Face() const { return m_face; }
    int Height() const { return m_height; }

    struct Impl;
    const Impl* GetImpl() const { return m_impl.get(); }

  private:
    std::unique_ptr<Impl> m_impl;
    std::string m_face;
    int m_height = 0;
};

}  // namespace platform
