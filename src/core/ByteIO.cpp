#include "core/ByteIO.h"

#include <bit>

namespace vk {

bool ByteReader::Take(size_t n, const uint8_t*& at) {
  // Compare against what remains; never form a pointer past the end.
  if (n > static_cast<size_t>(end_ - p_)) return false;
  at = p_;
  p_ += n;
  return true;
}

void ByteReader::Rewind(size_t position) {
  if (position <= static_cast<size_t>(end_ - begin_)) p_ = begin_ + position;
}

bool ByteReader::ReadU8(uint8_t& v) {
  const uint8_t* at;
  if (!Take(1, at)) return false;
  v = at[0];
  return true;
}

bool ByteReader::ReadU16(uint16_t& v) {
  const uint8_t* at;
  if (!Take(2, at)) return false;
  v = static_cast<uint16_t>(static_cast<unsigned>(at[0]) | (static_cast<unsigned>(at[1]) << 8u));
  return true;
}

bool ByteReader::ReadI16(int16_t& v) {
  uint16_t u;
  if (!ReadU16(u)) return false;
  v = static_cast<int16_t>(u);
  return true;
}

bool ByteReader::ReadU32(uint32_t& v) {
  const uint8_t* at;
  if (!Take(4, at)) return false;
  v = static_cast<uint32_t>(at[0]) | (static_cast<uint32_t>(at[1]) << 8u) |
      (static_cast<uint32_t>(at[2]) << 16u) | (static_cast<uint32_t>(at[3]) << 24u);
  return true;
}

bool ByteReader::ReadI32(int32_t& v) {
  uint32_t u;
  if (!ReadU32(u)) return false;
  v = static_cast<int32_t>(u);
  return true;
}

bool ByteReader::ReadF32(float& v) {
  uint32_t u;
  if (!ReadU32(u)) return false;
  v = std::bit_cast<float>(u);
  return true;
}

bool ByteReader::ReadF64(double& v) {
  const uint8_t* at;
  if (!Take(8, at)) return false;
  uint64_t u = 0;
  for (unsigned i = 0; i < 8; ++i) u |= static_cast<uint64_t>(at[i]) << (8u * i);
  v = std::bit_cast<double>(u);
  return true;
}

bool ByteReader::ReadBytes(size_t n, std::string& out) {
  const uint8_t* at;
  if (!Take(n, at)) return false;
  out.assign(reinterpret_cast<const char*>(at), n);
  return true;
}

bool ByteReader::ReadBytes(size_t n, std::vector<uint8_t>& out) {
  const uint8_t* at;
  if (!Take(n, at)) return false;
  out.assign(at, at + n);
  return true;
}

bool ByteReader::Skip(size_t n) {
  const uint8_t* at;
  return Take(n, at);
}

void ByteWriter::WriteU16(uint16_t v) {
  buf_.push_back(static_cast<uint8_t>(v & 0xFFu));
  buf_.push_back(static_cast<uint8_t>((v >> 8u) & 0xFFu));
}

void ByteWriter::WriteU32(uint32_t v) {
  for (unsigned i = 0; i < 4; ++i) buf_.push_back(static_cast<uint8_t>((v >> (8u * i)) & 0xFFu));
}

void ByteWriter::WriteF32(float v) { WriteU32(std::bit_cast<uint32_t>(v)); }

void ByteWriter::WriteF64(double v) {
  const uint64_t u = std::bit_cast<uint64_t>(v);
  for (unsigned i = 0; i < 8; ++i) buf_.push_back(static_cast<uint8_t>((u >> (8u * i)) & 0xFFu));
}

void ByteWriter::WriteBytes(std::string_view bytes) {
  buf_.insert(buf_.end(), reinterpret_cast<const uint8_t*>(bytes.data()),
              reinterpret_cast<const uint8_t*>(bytes.data()) + bytes.size());
}

void ByteWriter::WriteBytes(std::span<const uint8_t> bytes) {
  buf_.insert(buf_.end(), bytes.begin(), bytes.end());
}

}  // namespace vk
