// The one buffer every file of a pass moves through, read whole and written
// whole, and the reads and writes over it. It is static, so that no file's
// bytes ever need memory of their own; passes in one process run one at a
// time. Failures throw platform::FileException, naming the file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/ReplacingFile.h"

namespace orbsetup {

// The buffer itself, kTransferBufferSize bytes.
std::uint8_t* TransferBuffer();

// Reads the file whole into the buffer; one larger than the buffer is refused.
std::size_t ReadWhole(const std::string& path);

// Reads the first `count` bytes: a longer file is cut, a shorter one refused,
// so that no bytes of an earlier file are ever written in its place.
void ReadFirst(const std::string& path, std::size_t count);

// Puts `count` bytes in the target's place, all or nothing.
void WriteBytes(const std::string& path, const void* bytes, std::size_t count,
                platform::FileKind kind,
                platform::Spelling spelling = platform::Spelling::kAnyCase);

// Puts the buffer's first `count` bytes in the target's place.
void WriteFromBuffer(const std::string& path, std::size_t count, platform::FileKind kind,
                     platform::Spelling spelling = platform::Spelling::kAnyCase);

// Ends the pass at `path`, for `why`.
[[noreturn]] void Refuse(const std::string& path, const std::string& why);

}  // namespace orbsetup
