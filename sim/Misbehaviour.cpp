#include "sim/Misbehaviour.h"

namespace sim {

std::string Garble(const std::string& reply) {
    std::string garbage(reply.size(), '\0');
    unsigned value = 0x5A;
    for (char& byte : garbage) {
        value = (value * 73 + 41) & 0x7F;
        byte = static_cast<char>(0x80 | value);
    }
    return garbage;
}

}  // namespace sim
