// Reads arbitrary bytes as an Intel HEX file.

#include <cstddef>
#include <cstdint>

#include "ImageReaderProperties.h"
#include "buffer/IntelHexReader.h"
#include "buffer/IntelHexWriter.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzzing::checkImageReader(data, size, veldrix::ImageFormat::IntelHex, veldrix::readIntelHex,
                              veldrix::writeIntelHex);
    return 0;
}
