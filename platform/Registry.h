#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>

// A store of typed values in a tree of keys below a few root keys, read by
// opening a key, querying its values and closing it again. Every call returns
// a status code; nothing is thrown. Key paths use backslashes between their
// parts and are compared without regard to case.
class Registry {
public:
    using Key = std::uintptr_t;

    // Root keys, always open.
    static constexpr Key ClassesRoot = 0x80000000;
    static constexpr Key CurrentUser = 0x80000001;
    static constexpr Key LocalMachine = 0x80000002;
    static constexpr Key Users = 0x80000003;

    // Status codes.
    static constexpr long Success = 0;
    static constexpr long NotFound = 2;
    static constexpr long InvalidHandle = 6;
    static constexpr long MoreData = 234;

    // Value types.
    static constexpr uint32_t StringType = 1; // text ending in a NUL byte
    static constexpr uint32_t DwordType = 4; // 32 bits, least significant byte first

    virtual ~Registry() = default;

    // Opens `subKey` below `parent` (a root or an open key) into `opened`.
    virtual long openKey(Key parent, const QString& subKey, uint32_t access, Key& opened) = 0;
    // Reads a value of an open key: its type, and its bytes copied to the start
    // of `buffer`, whose room is `size` on entry and the count of bytes on
    // return. With too little room: MoreData, and `size` is the room needed.
    virtual long queryValue(
        Key key, const QString& valueName, uint32_t& type, QByteArray& buffer, uint32_t& size)
        = 0;
    virtual long closeKey(Key key) = 0;
};
