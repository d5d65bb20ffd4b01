#include "link/openssl_rc4.h"
#include "link/rc4encry.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

std::vector<std::uint8_t> Hex(const std::string& text) {
    std::vector<std::uint8_t> out;
    for (size_t n = 0; n + 1 < text.size(); n += 2)
        out.push_back(std::stoi(text.substr(n, 2), nullptr, 16));
    return out;
}

std::vector<std::uint8_t> Bytes(const std::string& text) {
    return {text.begin(), text.end()};
}

std::vector<std::uint8_t> RandomBytes(std::mt19937& rng, size_t count) {
    std::vector<std::uint8_t> out(count);
    for (auto& b : out)
        b = static_cast<std::uint8_t>(rng());
    return out;
}

TEST(Rc4Encry, PublishedVectors) {
    struct Case {
        std::vector<std::uint8_t> Key, Plain, Cipher;
    };
    const Case cases[] = {
        {Bytes("Key"), Bytes("Plaintext"), Hex("BBF316E8D940AF0AD3")},
        {Bytes("Wiki"), Bytes("pedia"), Hex("1021BF0420")},
        {Bytes("Secret"), Bytes("Attack at dawn"), Hex("45A01F645FC35B383552544B9BF5")},
        // 40-bit key 01 02 03 04 05, keystream at offset 0 (plaintext of zero bytes)
        {Hex("0102030405"), std::vector<std::uint8_t>(16, 0), Hex("B2396305F03DC027CCC3524A0A1118A8")},
    };
    for (const auto& c : cases) {
        auto data = c.Plain;
        rc4encry::Crypt(c.Key.data(), static_cast<int>(c.Key.size()), data.data(),
                        static_cast<int>(data.size()));
        EXPECT_EQ(data, c.Cipher);
    }
}

TEST(Rc4Encry, MatchesOpenSslForManyKeysAndLengths) {
    COpenSslRc4 reference;
    if (!reference.Available()) GTEST_SKIP() << "OpenSSL legacy provider (RC4) not available";
    std::mt19937 rng(1234);
    for (int keyLength : {1, 5, 16, 20, 255, 256, 300}) {
        for (int length : {1, 17, 101, 1006, 65518}) {
            const auto key = RandomBytes(rng, static_cast<size_t>(keyLength));
            const auto plain = RandomBytes(rng, static_cast<size_t>(length));
            auto ours = plain, theirs = plain;
            rc4encry::Crypt(key.data(), keyLength, ours.data(), length);
            ASSERT_TRUE(reference.Crypt(key.data(), keyLength, theirs.data(), length)) << keyLength;
            EXPECT_EQ(ours, theirs) << "key " << keyLength << " data " << length;
        }
    }
}

TEST(Rc4Encry, EmptyKeyUsesTheFixedKey) {
    const std::string fixed(rc4encry::FixedKey);
    ASSERT_EQ(fixed.size(), 20u);
    const auto plain = Bytes("90 5b Pqv bridge peer vouched");
    auto viaEmptyPassword = plain, viaZeroLength = plain, viaFixed = plain;
    rc4encry::Crypt(std::string_view(), viaEmptyPassword.data(), viaEmptyPassword.size());
    rc4encry::Crypt(nullptr, 0, viaZeroLength.data(), static_cast<int>(viaZeroLength.size()));
    rc4encry::Crypt(reinterpret_cast<const std::uint8_t*>(fixed.data()), 20, viaFixed.data(),
                    static_cast<int>(viaFixed.size()));
    EXPECT_NE(viaFixed, plain);
    EXPECT_EQ(viaEmptyPassword, viaFixed);
    EXPECT_EQ(viaZeroLength, viaFixed);

    COpenSslRc4 reference;
    if (!reference.Available()) return;
    auto theirs = plain;
    ASSERT_TRUE(reference.Crypt(reinterpret_cast<const std::uint8_t*>(fixed.data()), 20, theirs.data(),
                                static_cast<int>(theirs.size())));
    EXPECT_EQ(viaEmptyPassword, theirs);
}

TEST(Rc4Encry, FreshStatePerCallSoTwiceRestoresAndEqualPayloadsMatch) {
    const auto plain = Bytes("same payload, same key");
    auto once = plain, again = plain;
    rc4encry::Crypt("pylon", once.data(), once.size());
    rc4encry::Crypt("pylon", again.data(), again.size());
    EXPECT_EQ(once, again); // no state carries over between packets
    rc4encry::Crypt("pylon", once.data(), once.size());
    EXPECT_EQ(once, plain);
}

TEST(Rc4Encry, StreamContinuesFromStoredIndexes) {
    const auto plain = Bytes("a payload split over two calls of the stream step");
    auto whole = plain, split = plain;
    rc4encry::Crypt("pylon", whole.data(), whole.size());
    rc4encry::TState state;
    rc4encry::KeySetup(reinterpret_cast<const std::uint8_t*>("pylon"), 5, state);
    rc4encry::Stream(split.data(), 7, state);
    rc4encry::Stream(split.data() + 7, static_cast<int>(split.size()) - 7, state);
    EXPECT_EQ(split, whole);
}

TEST(Rc4Encry, KeyBytesPast256DoNotMatterAndEmptyDataIsUntouched) {
    std::string longKey(300, 'k');
    for (size_t n = 0; n < longKey.size(); ++n)
        longKey[n] = static_cast<char>('a' + n % 26);
    auto a = Bytes("payload"), b = a;
    rc4encry::Crypt(longKey, a.data(), a.size());
    rc4encry::Crypt(std::string_view(longKey).substr(0, 256), b.data(), b.size());
    EXPECT_EQ(a, b);

    std::uint8_t untouched = 0x5A;
    rc4encry::Crypt("pylon", &untouched, 0);
    rc4encry::Crypt(nullptr, 0, &untouched, 0);
    EXPECT_EQ(untouched, 0x5A);
}

} // namespace
