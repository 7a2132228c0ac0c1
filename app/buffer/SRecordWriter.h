#pragma once
// Writes an image as Motorola S-records: an S0 header without text, 16 data
// bytes a record with the smallest address size that reaches the image's last
// byte (S1, S2 or S3), an S5 or S6 count of the data records when it fits, and
// the end record that matches the data records (S9, S8 or S7). Every byte is
// written, erased ones too. The format addresses at most 4 GiB.

#include <cstdint>
#include <span>
#include <string>

namespace veldrix {

[[nodiscard]] std::string writeSRecord(std::span<const std::uint8_t> image);

}  // namespace veldrix
