#pragma once
// Explicit little-endian reading and writing of the game's 32-bit integers and fixed-width byte fields.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace busho {

template <std::size_t N>
using ByteField = std::array<std::uint8_t, N>;

// Reads from a byte span; every read checks that the bytes are there.
class ByteReader {
public:
    explicit ByteReader(std::span<const std::uint8_t> bytes, std::size_t offset = 0)
        : bytes_(bytes), offset_(offset) {}

    std::size_t Offset() const { return offset_; }
    std::size_t Remaining() const { return offset_ < bytes_.size() ? bytes_.size() - offset_ : 0; }
    bool AtEnd() const { return Remaining() == 0; }

    bool Read(std::int32_t& value) {
        if (Remaining() < 4) return false;
        const std::uint8_t* p = bytes_.data() + offset_;
        value = static_cast<std::int32_t>(static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
                                          (static_cast<std::uint32_t>(p[2]) << 16) |
                                          (static_cast<std::uint32_t>(p[3]) << 24));
        offset_ += 4;
        return true;
    }

    template <std::size_t N>
    bool Read(ByteField<N>& field) {
        if (Remaining() < N) return false;
        for (std::size_t i = 0; i < N; ++i) field[i] = bytes_[offset_ + i];
        offset_ += N;
        return true;
    }

    template <std::size_t N>
    bool Read(std::array<std::int32_t, N>& values) {
        if (Remaining() < 4 * N) return false;
        for (auto& v : values) Read(v);
        return true;
    }

    // Copies what is left, up to dst.size() bytes, and fills the rest of dst with zeros.
    std::size_t ReadZeroFilled(std::span<std::uint8_t> dst) {
        const std::size_t n = Remaining() < dst.size() ? Remaining() : dst.size();
        for (std::size_t i = 0; i < dst.size(); ++i) dst[i] = i < n ? bytes_[offset_ + i] : 0;
        offset_ += n;
        return n;
    }

private:
    std::span<const std::uint8_t> bytes_;
    std::size_t offset_;
};

// Appends to a byte vector.
class ByteWriter {
public:
    explicit ByteWriter(std::vector<std::uint8_t>& out) : out_(out) {}

    void Write(std::int32_t value) {
        const auto u = static_cast<std::uint32_t>(value);
        out_.push_back(static_cast<std::uint8_t>(u));
        out_.push_back(static_cast<std::uint8_t>(u >> 8));
        out_.push_back(static_cast<std::uint8_t>(u >> 16));
        out_.push_back(static_cast<std::uint8_t>(u >> 24));
    }

    template <std::size_t N>
    void Write(const ByteField<N>& field) {
        out_.insert(out_.end(), field.begin(), field.end());
    }

    template <std::size_t N>
    void Write(const std::array<std::int32_t, N>& values) {
        for (auto v : values) Write(v);
    }

    void WriteBytes(std::span<const std::uint8_t> bytes) { out_.insert(out_.end(), bytes.begin(), bytes.end()); }

private:
    std::vector<std::uint8_t>& out_;
};

// Size on file of one field.
constexpr std::size_t FieldSize(const std::int32_t&) { return 4; }
template <std::size_t N>
constexpr std::size_t FieldSize(const ByteField<N>&) { return N; }
template <std::size_t N>
constexpr std::size_t FieldSize(const std::array<std::int32_t, N>&) { return 4 * N; }

// Text bytes of a fixed-width field as a string (all bytes, NULs included).
template <std::size_t N>
std::string FieldBytes(const ByteField<N>& field) {
    return std::string(field.begin(), field.end());
}

}  // namespace busho
