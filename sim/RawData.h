#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "sim/ByteTail.h"

namespace sim {

// The bytes that arrived outside any command the printer knows (a file sent as it is, junk, the
// line ends between commands), in order of arrival: counted, hashed (64-bit FNV-1a) and, unless
// only counting, the last kKept of them kept, so that a test can compare a transferred file
// with what came.
class RawData {
public:
    static constexpr std::size_t kKept = 1024 * 1024;
    static constexpr std::uint64_t kHashStart = 14695981039346656037ULL;

    // The 64-bit FNV-1a hash of `bytes`, going on from `hash`.
    static std::uint64_t Hash(std::string_view bytes, std::uint64_t hash = kHashStart);

    void Add(std::string_view bytes);
    // Counting and hashing only: a transfer of any size costs no memory.
    void SetKeep(bool keep);
    void Clear();

    std::uint64_t Count() const { return count_; }
    std::uint64_t HashValue() const { return hash_; }
    // The last kKept bytes (nothing when only counting).
    std::string Kept() const;

private:
    std::uint64_t count_ = 0;
    std::uint64_t hash_ = kHashStart;
    bool keep_ = true;
    ByteTail kept_{kKept};
};

}  // namespace sim
