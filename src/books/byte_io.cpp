#include "byte_io.h"

#include <cstring>

namespace tome {

bool ByteReader::ReadBytes(void* out, size_t n) {
    if (!Has(n)) return false;
    if (n != 0) std::memcpy(out, data_ + offset_, n);
    offset_ += n;
    return true;
}

bool ByteReader::ReadU8(uint8_t& v) { return ReadBytes(&v, 1); }

bool ByteReader::ReadU16(uint16_t& v) {
    uint8_t b[2];
    if (!ReadBytes(b, 2)) return false;
    v = static_cast<uint16_t>(b[0] | (b[1] << 8));
    return true;
}

bool ByteReader::ReadU32(uint32_t& v) {
    uint8_t b[4];
    if (!ReadBytes(b, 4)) return false;
    v = static_cast<uint32_t>(b[0]) | (static_cast<uint32_t>(b[1]) << 8) |
        (static_cast<uint32_t>(b[2]) << 16) | (static_cast<uint32_t>(b[3]) << 24);
    return true;
}

bool ByteReader::ReadI32(int32_t& v) {
    uint32_t u;
    if (!ReadU32(u)) return false;
    v = static_cast<int32_t>(u);
    return true;
}

bool ByteReader::ReadText(std::string& out, size_t n) {
    if (!Has(n)) return false;
    out.assign(reinterpret_cast<const char*>(data_ + offset_), n);
    offset_ += n;
    return true;
}

}  // namespace tome
