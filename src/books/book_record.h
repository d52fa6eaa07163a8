// The packed part of a book, stored byte for byte in the book file.
#pragma once

#include <cstdint>

namespace tome {

enum BookFlag : uint8_t {
    WantToRead = 1u << 1,
    HaveRead = 1u << 2,
    InCustomList = 1u << 3,
    Deleted = 1u << 4,
    Shown = 1u << 5,
};

#pragma pack(push, 1)
struct BookRecord {
    uint8_t flags = 0;
    uint16_t author = 0;      // list number in authors; 0 only in foreign files
    uint8_t callNumber = 0;   // list numbers below: 0 = none
    uint16_t orderDate = 0;   // packed: day bits 0-4, month bits 5-8, year-1980 bits 9-15
    uint16_t pubYear = 0;
    uint8_t publisher = 0;
    uint8_t library = 0;
    uint8_t reserved = 0;     // never set here; carried through load and save
    uint8_t category = 0;

    bool has(BookFlag f) const { return (flags & f) != 0; }
    void set(BookFlag f) { flags = static_cast<uint8_t>(flags | f); }
    void clear(BookFlag f) { flags = static_cast<uint8_t>(flags & ~f); }

    bool operator==(const BookRecord& o) const {
        return flags == o.flags && author == o.author && callNumber == o.callNumber &&
               orderDate == o.orderDate && pubYear == o.pubYear && publisher == o.publisher &&
               library == o.library && reserved == o.reserved && category == o.category;
    }
};
#pragma pack(pop)

static_assert(sizeof(BookRecord) == 12, "BookRecord is the 12-byte record of the book file");

// Highest list number a record field can hold.
constexpr int32_t MaxAuthorNumber = 65535;
constexpr int32_t MaxSmallListNumber = 255;

}  // namespace tome
