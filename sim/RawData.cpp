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
    kept_.append(bytes);
    if (kept_.size() > 2 * kKept) {
        // Trimmed only now and then, so that keeping the tail stays cheap.
        kept_.erase(0, kept_.size() - kKept);
    }
}

void RawData::SetKeep(bool keep) {
    keep_ = keep;
    if (!keep) {
        kept_.clear();
        kept_.shrink_to_fit();
    }
}

void RawData::Clear() {
    count_ = 0;
    hash_ = kHashStart;
    kept_.clear();
}

std::string RawData::Kept() const {
    return kept_.size() > kKept ? kept_.substr(kept_.size() - kKept) : kept_;
}

}  // namespace sim
