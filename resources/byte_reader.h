// Reading a whole file into memory, and a bounds-checked cursor over those bytes for the
// readers of our own binary formats: a read either fits in what is left or fails unmoved.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <vector>

// Reads from the current position to the end. False on a read error; `bytes` then holds
// what came before it. Throws std::bad_alloc when the file does not fit in memory.
inline bool ReadWholeFile(FILE* file, std::vector<uint8_t>& bytes) {
    bytes.clear();
    // Room for the whole file at once where its size is known: growing the buffer by doubling
    // would hold the file nearly twice over for a moment.
    const long start = std::ftell(file);
    if (start >= 0 && std::fseek(file, 0, SEEK_END) == 0) {
        const long end = std::ftell(file);
        std::fseek(file, start, SEEK_SET);
        if (end > start)
            bytes.reserve(static_cast<size_t>(end - start));
    }
    uint8_t chunk[65536];
    size_t got;
    while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0)
        bytes.insert(bytes.end(), chunk, chunk + got);
    return !std::ferror(file);
}

class ByteReader {
  public:
    ByteReader(const uint8_t* data, size_t size) : data(data), size(size) {}
    explicit ByteReader(const std::vector<uint8_t>& bytes)
        : data(bytes.data()), size(bytes.size()) {}

    // Bytes not yet read. Compare counts from a file with this, in 64 bits, before
    // allocating anything for them.
    uint64_t remaining() const { return size - pos; }
    size_t position() const { return pos; }
    const uint8_t* current() const { return data + pos; }

    bool skip(uint64_t count) {
        if (count > remaining())
            return false;
        pos += static_cast<size_t>(count);
        return true;
    }

    bool readBytes(void* dest, uint64_t count) {
        if (count > remaining())
            return false;
        if (count > 0)
            std::memcpy(dest, data + pos, static_cast<size_t>(count));
        pos += static_cast<size_t>(count);
        return true;
    }

    bool readUint16(uint16_t& value) {
        if (remaining() < 2)
            return false;
        value = static_cast<uint16_t>(data[pos] | data[pos + 1] << 8);
        pos += 2;
        return true;
    }

    bool readUint32(uint32_t& value) {
        if (remaining() < 4)
            return false;
        value = static_cast<uint32_t>(data[pos]) | static_cast<uint32_t>(data[pos + 1]) << 8 |
                static_cast<uint32_t>(data[pos + 2]) << 16 |
                static_cast<uint32_t>(data[pos + 3]) << 24;
        pos += 4;
        return true;
    }

    // Little-endian two's complement.
    bool readInt32(int32_t& value) {
        uint32_t bits;
        if (!readUint32(bits))
            return false;
        std::memcpy(&value, &bits, 4);
        return true;
    }

    // `count` little-endian 32-bit words (ints or IEEE floats) into `dest`, which must
    // hold them all.
    bool readWords32(void* dest, uint64_t count) {
        if (count > remaining() / 4)
            return false;
#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__
        return readBytes(dest, count * 4);
#else
        uint8_t* out = static_cast<uint8_t*>(dest);
        for (uint64_t i = 0; i < count; ++i, out += 4) {
            uint32_t word;
            readUint32(word);
            std::memcpy(out, &word, 4);
        }
        return true;
#endif
    }

  private:
    const uint8_t* data;
    size_t size;
    size_t pos = 0;
};
