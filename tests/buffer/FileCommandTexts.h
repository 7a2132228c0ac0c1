#pragma once
// The messages a file command gave on one channel, in order.

#include <string>
#include <vector>

#include "buffer/BufferFiles.h"

namespace veldrix::test {

inline std::vector<std::string> texts(const FileCommandResult& result, MessageChannel channel) {
    std::vector<std::string> found;
    for (const UserMessage& message : result.messages) {
        if (message.channel == channel) {
            found.push_back(message.text);
        }
    }
    return found;
}

}  // namespace veldrix::test
