// CRijndael's framing: length prefix, zero padding to 32-byte blocks, blocks enciphered on their own, the
// 32-byte key from the password, and what deciphering makes of data that is not its own.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "cipher/rijndael.h"
#include "cipher_test_support.h"

namespace wardo::cipher {
namespace {

using testing::counting;

const Bytes kPassword = {'s', 'e', 'c', 'r', 'e', 't'};

// The block functions set up as EncryptData sets them up for `password`.
CRijndael blockCipherFor(const Bytes& password) {
    CRijndael cipher;
    Block key{};
    std::copy_n(password.begin(), std::min<std::size_t>(password.size(), 32), key.begin());
    cipher.BuildCipherTables();
    cipher.ExpandCipherKey(8, 8, key);
    return cipher;
}

// Each 32-byte block of `bytes` through one direction of the block cipher, on its own.
Bytes eachBlock(const Bytes& bytes, const Bytes& password, void (CRijndael::*step)(Block&)) {
    CRijndael cipher = blockCipherFor(password);
    Bytes out(bytes.size());
    for (std::size_t at = 0; at < bytes.size(); at += 32) {
        Block block;
        std::copy_n(bytes.begin() + static_cast<long>(at), 32, block.begin());
        (cipher.*step)(block);
        std::copy(block.begin(), block.end(), out.begin() + static_cast<long>(at));
    }
    return out;
}

Bytes encipherBlocks(const Bytes& plain, const Bytes& password) {
    return eachBlock(plain, password, &CRijndael::EncryptBlock);
}

Bytes decipherBlocks(const Bytes& data, const Bytes& password) {
    return eachBlock(data, password, &CRijndael::DecryptBlock);
}

// One 32-byte block whose length word says `length`, enciphered under kPassword.
Bytes blockWithLengthWord(std::int32_t length, std::size_t blocks = 1) {
    Bytes plain(32 * blocks, 0x41);
    const auto word = static_cast<std::uint32_t>(length);
    for (int i = 0; i < 4; ++i)
        plain[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(word >> (8 * i));
    return encipherBlocks(plain, kPassword);
}

TEST(RijndaelFraming, PadsTheLengthAndMessageToWholeBlocks) {
    CRijndael cipher;
    for (std::size_t n = 1; n <= 28; ++n)
        EXPECT_EQ(cipher.EncryptData(counting(n), kPassword).size(), 32u) << n;
    EXPECT_EQ(cipher.EncryptData(counting(29), kPassword).size(), 64u);
    EXPECT_EQ(cipher.EncryptData(counting(60), kPassword).size(), 64u);
    EXPECT_EQ(cipher.EncryptData(counting(61), kPassword).size(), 96u);
}

TEST(RijndaelFraming, BlocksHoldTheLittleEndianLengthTheMessageAndZeros) {
    CRijndael cipher;
    const Bytes message = counting(300, 7);
    const Bytes plain = decipherBlocks(cipher.EncryptData(message, kPassword), kPassword);
    ASSERT_EQ(plain.size(), 320u);
    EXPECT_EQ(Bytes(plain.begin(), plain.begin() + 4), (Bytes{0x2C, 0x01, 0, 0}));
    EXPECT_EQ(Bytes(plain.begin() + 4, plain.begin() + 304), message);
    EXPECT_TRUE(std::all_of(plain.begin() + 304, plain.end(), [](std::uint8_t b) { return b == 0; }));
}

TEST(RijndaelFraming, EqualPlainBlocksGiveEqualCipherBlocks) {
    // Length 60: the second block repeats the first one, length word included.
    Bytes message = counting(60, 100);
    const Bytes lengthWord = {60, 0, 0, 0};
    std::copy(lengthWord.begin(), lengthWord.end(), message.begin() + 28);
    std::copy_n(message.begin(), 28, message.begin() + 32);

    CRijndael cipher;
    const Bytes out = cipher.EncryptData(message, kPassword);
    ASSERT_EQ(out.size(), 64u);
    EXPECT_TRUE(std::equal(out.begin(), out.begin() + 32, out.begin() + 32));
}

TEST(RijndaelFraming, TheKeyIsThePasswordsFirst32BytesPaddedWithZeros) {
    const Bytes message = counting(40);
    const Bytes longPassword = counting(45, 1);
    const Bytes first32(longPassword.begin(), longPassword.begin() + 32);
    Bytes otherTail = longPassword;
    otherTail.back() ^= 0xFF;
    Bytes withZeros = kPassword;
    withZeros.resize(32, 0);

    CRijndael cipher;
    const Bytes reference = cipher.EncryptData(message, longPassword);
    EXPECT_EQ(cipher.EncryptData(message, first32), reference);
    EXPECT_EQ(cipher.EncryptData(message, otherTail), reference);
    EXPECT_EQ(cipher.EncryptData(message, kPassword), cipher.EncryptData(message, withZeros));
    EXPECT_NE(cipher.EncryptData(message, kPassword), reference);

    // An empty password is the all-zero key.
    Bytes framed(64, 0);
    framed[0] = 40;
    std::copy(message.begin(), message.end(), framed.begin() + 4);
    EXPECT_EQ(cipher.EncryptData(message, Bytes{}), encipherBlocks(framed, Bytes{}));
}

TEST(RijndaelFraming, RoundTripsAnyBytesAndNoCallDependsOnAnEarlierOne) {
    std::mt19937 random(1234);
    std::uniform_int_distribution<int> byte(0, 255);
    CRijndael shared;
    for (std::size_t n = 1; n <= 100; ++n) {
        Bytes message(n), password(n % 40);
        for (auto& b : message) b = static_cast<std::uint8_t>(byte(random));
        for (auto& b : password) b = static_cast<std::uint8_t>(byte(random));
        const Bytes out = shared.EncryptData(message, password);
        EXPECT_EQ(out, CRijndael().EncryptData(message, password)) << n;
        EXPECT_EQ(shared.DecryptData(out, password), message) << n;
    }
}

TEST(RijndaelFraming, ArraysWithoutBoundsGiveEmptyResults) {
    CRijndael cipher;
    EXPECT_TRUE(cipher.EncryptData(std::nullopt, kPassword).empty());
    EXPECT_TRUE(cipher.EncryptData(counting(5), std::nullopt).empty());
    EXPECT_TRUE(cipher.DecryptData(std::nullopt, kPassword).empty());
    EXPECT_TRUE(cipher.DecryptData(Bytes(32), std::nullopt).empty());
    EXPECT_FALSE(CRijndael::HasElements(std::nullopt));
    EXPECT_TRUE(CRijndael::HasElements(Bytes{}));
}

TEST(RijndaelFraming, RefusesAnEmptyMessageAndEmptyData) {
    CRijndael cipher;
    try {
        cipher.EncryptData(Bytes{}, kPassword);
        ADD_FAILURE() << "an empty message was enciphered";
    } catch (const text::RuntimeError& e) {
        EXPECT_EQ(e.code(), text::ErrorCode::OutOfRange);
    }
    EXPECT_THROW(cipher.DecryptData(Bytes{}, kPassword), text::RuntimeError);
}

TEST(RijndaelFraming, DataOfPartialBlocksDeciphersToNothing) {
    CRijndael cipher;
    Bytes data = cipher.EncryptData(counting(10), kPassword);
    for (std::size_t n : {1u, 31u, 33u, 63u}) {
        data.resize(n, 0);
        EXPECT_TRUE(cipher.DecryptData(data, kPassword).empty()) << n;
    }
}

TEST(RijndaelFraming, TheLengthWordIsCheckedAgainstTheData) {
    CRijndael cipher;
    EXPECT_EQ(cipher.DecryptData(blockWithLengthWord(28), kPassword), Bytes(28, 0x41));
    EXPECT_EQ(cipher.DecryptData(blockWithLengthWord(1), kPassword), Bytes(1, 0x41));
    EXPECT_EQ(cipher.DecryptData(blockWithLengthWord(60, 2), kPassword).size(), 60u);
    EXPECT_TRUE(cipher.DecryptData(blockWithLengthWord(29), kPassword).empty());
    EXPECT_TRUE(cipher.DecryptData(blockWithLengthWord(0x7FFFFFFF), kPassword).empty());
    for (std::int32_t length : {0, -1, -28, static_cast<std::int32_t>(0x80000000u)})
        EXPECT_THROW(cipher.DecryptData(blockWithLengthWord(length), kPassword), text::RuntimeError)
            << length;
}

TEST(RijndaelFraming, AWrongPasswordGivesNothingAnErrorOrGarbageOfAPossibleLength) {
    CRijndael cipher;
    const Bytes data = cipher.EncryptData(counting(50), kPassword);
    int garbage = 0;
    for (std::uint8_t k = 0; k < 250; ++k) {
        try {
            const Bytes out = cipher.DecryptData(data, Bytes{k, 1});
            garbage += out.empty() ? 0 : 1;
            EXPECT_LE(out.size(), data.size() - 4);
        } catch (const text::RuntimeError& e) {
            EXPECT_EQ(e.code(), text::ErrorCode::OutOfRange);
        }
    }
    EXPECT_LT(garbage, 5);
}

}  // namespace
}  // namespace wardo::cipher
