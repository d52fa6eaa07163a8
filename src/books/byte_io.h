// Little-endian fields in byte buffers, and checked reading of them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace tome {

// Little-endian fields at a place already known to hold them.
inline uint16_t LoadU16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }
inline uint32_t LoadU32(const uint8_t* p) {
    return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
           (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
}
inline void StoreU16(uint8_t* p, uint16_t v) {
    p[0] = static_cast<uint8_t>(v);
    p[1] = static_cast<uint8_t>(v >> 8);
}
inline void StoreU32(uint8_t* p, uint32_t v) {
    for (int i = 0; i < 4; ++i) p[i] = static_cast<uint8_t>(v >> (8 * i));
}

// Every read returns false, and leaves the position alone, when fewer bytes
// remain than it needs; nothing is ever read past the end.
class ByteReader {
public:
    ByteReader(const uint8_t* data, size_t size) : data_(data), size_(size) {}

    size_t remaining() const { return size_ - offset_; }
    size_t offset() const { return offset_; }

    bool ReadBytes(void* out, size_t n);
    bool ReadU8(uint8_t& v);
    bool ReadU16(uint16_t& v);
    bool ReadU32(uint32_t& v);
    bool ReadI32(int32_t& v);
    bool ReadText(std::string& out, size_t n);

    // Points at the next n bytes, in place, and moves past them: one check
    // for a whole block, which is then decoded with LoadU16 and the like.
    bool Take(size_t n, const uint8_t*& at) {
        if (!Has(n)) return false;
        at = data_ + offset_;
        offset_ += n;
        return true;
    }

private:
    bool Has(size_t n) const { return !(size_ < n || offset_ > size_ - n); }

    const uint8_t* data_;
    size_t size_;
    size_t offset_ = 0;
};

}  // namespace tome
