#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace sim {

// The last `limit` bytes of a stream of any length. The bytes are trimmed only now and then
// (when twice the limit has piled up), so that keeping the tail stays cheap however small the
// pieces are.
class ByteTail {
public:
    explicit ByteTail(std::size_t limit) : limit_(limit) {}

    void Append(std::string_view bytes) {
        bytes_.append(bytes);
        if (bytes_.size() > 2 * limit_) {
            bytes_.erase(0, bytes_.size() - limit_);
        }
    }
    std::string Last() const {
        return bytes_.size() > limit_ ? bytes_.substr(bytes_.size() - limit_) : bytes_;
    }
    void Clear() {
        bytes_.clear();
        bytes_.shrink_to_fit();
    }

private:
    std::size_t limit_;
    std::string bytes_;  // the last limit_ bytes, and up to as many before them
};

}  // namespace sim
