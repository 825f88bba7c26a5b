#pragma once
// Bounds-checked little-endian reading and writing of stored records.
//
// Every read says whether it succeeded; a failed read consumes nothing and leaves its
// output untouched, so a caller can stop at the first failure without cleaning up.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vk {

class ByteReader {
 public:
  ByteReader(const uint8_t* data, size_t size) : p_(data), begin_(data), end_(data + size) {}
  explicit ByteReader(std::span<const uint8_t> bytes) : ByteReader(bytes.data(), bytes.size()) {}

  bool ReadU8(uint8_t& v);
  bool ReadU16(uint16_t& v);
  bool ReadI16(int16_t& v);
  bool ReadU32(uint32_t& v);
  bool ReadI32(int32_t& v);
  bool ReadF32(float& v);   // IEEE single, little-endian bits
  bool ReadF64(double& v);  // IEEE double, little-endian bits
  // Exactly n bytes, or nothing when fewer remain.
  bool ReadBytes(size_t n, std::string& out);
  bool ReadBytes(size_t n, std::vector<uint8_t>& out);
  bool Skip(size_t n);

  size_t Position() const { return static_cast<size_t>(p_ - begin_); }
  size_t Remaining() const { return static_cast<size_t>(end_ - p_); }
  bool AtEnd() const { return p_ == end_; }
  // Moves back to an earlier position (used to make a multi-field read all-or-nothing).
  void Rewind(size_t position);

 private:
  bool Take(size_t n, const uint8_t*& at);

  const uint8_t* p_;
  const uint8_t* begin_;
  const uint8_t* end_;
};

class ByteWriter {
 public:
  // Room for a whole figure record from the start: growing a byte at a time from nothing
  // cost eight allocations per record when a page of 100,000 objects is written.
  ByteWriter() { buf_.reserve(64); }
  void WriteU8(uint8_t v) { buf_.push_back(v); }
  void WriteU16(uint16_t v);
  void WriteI16(int16_t v) { WriteU16(static_cast<uint16_t>(v)); }
  void WriteU32(uint32_t v);
  void WriteI32(int32_t v) { WriteU32(static_cast<uint32_t>(v)); }
  void WriteF32(float v);
  void WriteF64(double v);
  void WriteBytes(std::string_view bytes);
  void WriteBytes(std::span<const uint8_t> bytes);

  size_t Size() const { return buf_.size(); }
  const std::vector<uint8_t>& Bytes() const { return buf_; }
  std::vector<uint8_t> Take() { return std::move(buf_); }
  void Clear() { buf_.clear(); }

 private:
  std::vector<uint8_t> buf_;
};

}  // namespace vk
