#pragma once
// A search of the editor's Find as the user typed it, and which way it goes.

#include <QString>
#include <cstdint>
#include <vector>

#include "buffer/ByteSearch.h"
#include "buffer/SearchPattern.h"

namespace veldrix {

struct FindQuery {
    QString text;  // as typed, to show again
    PatternKind kind = PatternKind::HexBytes;
    std::vector<std::uint8_t> bytes;  // what the text stands for
};

struct FindRequest {
    FindQuery query;
    SearchDirection direction = SearchDirection::Forward;
};

}  // namespace veldrix
