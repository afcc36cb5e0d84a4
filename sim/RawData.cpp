#include "sim/RawData.h"

namespace sim {

std::uint64_t RawData::Hash(std::string_view bytes, std::uint64_t hash) {
    constexpr std::uint64_t kPrime = 1099511628211ULL;
    for (const char byte : bytes) {
        hash ^= static_cast<unsigned char>(byte);
        hash *= kPrime;
    }
    return hash;
}

void RawData::Add(std::string_view bytes) {
    count_ += bytes.size();
    hash_ = Hash(bytes, hash_);
    if (!keep_) {
        return;
    }
    kept_.Append(bytes);
}

void RawData::SetKeep(bool keep) {
    keep_ = keep;
    if (!keep) {
        kept_.Clear();
    }
}

void RawData::Clear() {
    count_ = 0;
    hash_ = kHashStart;
    kept_.Clear();
}

std::string RawData::Kept() const {
    return kept_.Last();
}

}  // namespace sim
