#include "setup/install/TransferBuffer.h"

#include <array>

#include "platform/File.h"
#include "platform/FileException.h"
#include "setup/install/InstalledFiles.h"

namespace orbsetup {

namespace {

constexpr unsigned kReadFlags = platform::File::modeRead | platform::File::shareDenyWrite;

std::array<std::uint8_t, kTransferBufferSize> g_transfer;

}  // namespace

std::uint8_t* TransferBuffer() {
    return g_transfer.data();
}

void Refuse(const std::string& path, const std::string& why) {
    throw platform::FileException(path, why);
}

std::size_t ReadWhole(const std::string& path) {
    platform::File file;
    file.Open(path, kReadFlags);
    const std::uint64_t length = file.GetLength();
    if (length > g_transfer.size()) {
        Refuse(path, "it is " + std::to_string(length) + " bytes long; at most " +
                         std::to_string(g_transfer.size()) + " can be installed");
    }
    const auto count = static_cast<std::size_t>(length);
    if (file.Read(g_transfer.data(), count) != count) {
        Refuse(path, "it became shorter while it was read");
    }
    return count;
}

void ReadFirst(const std::string& path, std::size_t count) {
    platform::File file;
    file.Open(path, kReadFlags);
    const std::size_t got = file.Read(g_transfer.data(), count);
    if (got < count) {
        Refuse(path, "it holds " + std::to_string(got) + " bytes; this release's file has " +
                         std::to_string(count));
    }
}

void WriteBytes(const std::string& path, const void* bytes, std::size_t count,
                platform::FileKind kind, platform::Spelling spelling) {
    platform::ReplacingFile file;
    file.Create(path, kind, spelling);
    file.Write(bytes, count);
    file.Commit();
}

void WriteFromBuffer(const std::string& path, std::size_t count, platform::FileKind kind,
                     platform::Spelling spelling) {
    WriteBytes(path, g_transfer.data(), count, kind, spelling);
}

}  // namespace orbsetup
