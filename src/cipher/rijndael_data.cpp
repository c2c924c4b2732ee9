// CRijndael's framing of byte arrays: a 32-bit length, the message, zero padding to 32-byte blocks; each
// block enciphered on its own under the same key (no chaining), as stored data already depends on it.
#include <algorithm>
#include <cstring>
#include <limits>

#include "cipher/rijndael.h"
#include "text/runtime_error.h"

namespace wardo::cipher {

namespace {

constexpr std::size_t kBlockBytes = 32;
constexpr std::size_t kLengthBytes = 4;

}  // namespace

void CRijndael::PrepareKey(const Bytes& password) {
    Block key{};
    std::copy_n(password.begin(), std::min(password.size(), key.size()), key.begin());
    BuildCipherTables();
    ExpandCipherKey(8, 8, key);
}

Bytes CRijndael::EncryptData(const ByteArray& message, const ByteArray& password) {
    if (!HasElements(message) || !HasElements(password)) return {};
    if (message->empty()) text::fail(text::ErrorCode::OutOfRange, "EncryptData: empty message");
    if (message->size() > std::numeric_limits<std::int32_t>::max() - kBlockBytes - kLengthBytes)
        text::fail(text::ErrorCode::Overflow, "EncryptData: message too long");
    PrepareKey(*password);

    const std::size_t length = message->size();
    std::size_t total = length + kLengthBytes;
    if (total % kBlockBytes != 0) total += kBlockBytes - total % kBlockBytes;

    Bytes buffer(total, 0);
    WordToBytesAt(static_cast<std::uint32_t>(length), buffer, 0);
    std::copy(message->begin(), message->end(), buffer.begin() + kLengthBytes);

    Bytes out(total);
    for (std::size_t offset = 0; offset < total; offset += kBlockBytes) {
        Block block;
        std::memcpy(block.data(), buffer.data() + offset, kBlockBytes);
        EncryptBlock(block);
        std::memcpy(out.data() + offset, block.data(), kBlockBytes);
    }
    return out;
}

Bytes CRijndael::DecryptData(const ByteArray& data, const ByteArray& password) {
    if (!HasElements(data) || !HasElements(password)) return {};
    const std::size_t total = data->size();
    if (total % kBlockBytes != 0) return {};
    if (total == 0) text::fail(text::ErrorCode::OutOfRange, "DecryptData: no data");
    PrepareKey(*password);

    Bytes out(total);
    for (std::size_t offset = 0; offset < total; offset += kBlockBytes) {
        Block block;
        std::memcpy(block.data(), data->data() + offset, kBlockBytes);
        DecryptBlock(block);
        std::memcpy(out.data() + offset, block.data(), kBlockBytes);
    }

    // Signed, as stored: a wrong password gives any value, negative ones included.
    const auto length = static_cast<std::int64_t>(static_cast<std::int32_t>(WordFromBytesAt(out, 0)));
    if (length > static_cast<std::int64_t>(total - kLengthBytes)) return {};
    if (length <= 0) text::fail(text::ErrorCode::OutOfRange, "DecryptData: length word of 0 or below");
    return Bytes(out.begin() + kLengthBytes, out.begin() + kLengthBytes + length);
}

}  // namespace wardo::cipher
