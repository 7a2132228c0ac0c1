// Reads arbitrary bytes as a Motorola S-record file.

#include <cstddef>
#include <cstdint>

#include "ImageReaderProperties.h"
#include "buffer/SRecordReader.h"
#include "buffer/SRecordWriter.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzzing::checkImageReader(data, size, veldrix::ImageFormat::SRecord, veldrix::readSRecord,
                              veldrix::writeSRecord);
    return 0;
}
