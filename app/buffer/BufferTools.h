#pragma once
// The HEX-Editor menu's tools on the whole data buffer, without any window.
//
// The transforms return true when they ran: the caller then refocuses the
// frame (focus to the second editor, then the main editor), so that both
// editors repaint. They run only on an image of nonzero length; the caller
// shows the one-byte value dialog of Fill and Xor only when
// buffer.length() is nonzero.
//
// The digests return the text for a message box with one OK button, or
// nothing when there is no chip or no image (no message then).

#include <cstdint>
#include <optional>
#include <string>

#include "buffer/DataBuffer.h"

namespace veldrix {

// Sets every byte to the fill value and clears all marks.
[[nodiscard]] bool InitBuffer(DataBuffer& buffer);

// Sets every byte to `value`; the marks stay.
[[nodiscard]] bool FillBuffer(DataBuffer& buffer, std::uint8_t value);

// XORs every byte, second and third areas included, with `value`; no value
// means the user cancelled the value dialog. The marks are cleared either way.
[[nodiscard]] bool XorBuffer(DataBuffer& buffer, std::optional<std::uint8_t> value);

// Exchanges the bytes of each pair (0,1), (2,3), ...; with an odd length the
// last byte stays. Clears all marks.
[[nodiscard]] bool SwapBytes(DataBuffer& buffer);

// "CRC: %04X": the 16-bit sum of the main area's bytes.
[[nodiscard]] std::optional<std::string> BufferCheckSum(const DataBuffer& buffer);

// "CRC32: %08X": the reflected CRC-32 of the main area without its final
// inversion. Needs the image to hold size + eeplen bytes, else
// "OnBufferCrc32 GetPage error".
[[nodiscard]] std::optional<std::string> BufferCrc32(const DataBuffer& buffer);

// "MD5: " and 32 upper-case hex digits of the first size + eeplen bytes;
// "OnBufferMd5 GetPage error" when the image is shorter.
[[nodiscard]] std::optional<std::string> BufferMd5(const DataBuffer& buffer);

}  // namespace veldrix
