// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/text/text_codec.h"

#include <gtest/gtest.h>
#include <string>
#include <string_view>

namespace evdrive::batch {
namespace {

using namespace std::string_view_literals;

// What the system's converter must do for evdrive-batch, on every system it
// is built for: the same bytes from a text given whole and in pieces cut
// anywhere, a character cut in two left for the next piece, and bytes that
// are no character found where they are.

struct Converted {
    std::string output;
    std::size_t taken;
    bool failed;
};

Converted convertWhole(std::string_view from, std::string_view to, std::string_view text) {
    const auto codec = openCodec(from, to);
    std::string output;
    const auto taken = codec->convert(text, output);
    return {output, taken ? *taken : taken.error(), !taken};
}

// Converts text in two pieces cut at cut, as a table read in pieces is: what
// the first leaves comes again before the second.
std::string convertInTwo(std::string_view from, std::string_view to, std::string_view text,
                         std::size_t cut) {
    const auto codec = openCodec(from, to);
    std::string output;
    const auto first = codec->convert(text.substr(0, cut), output);
    EXPECT_TRUE(first.has_value()) << "cut at " << cut;
    const std::string rest = std::string(text.substr(first.value_or(0)));
    const auto second = codec->convert(rest, output);
    EXPECT_EQ(second.value_or(0), rest.size()) << "cut at " << cut;
    return output;
}

void expectEveryCutGivesTheSame(std::string_view from, std::string_view to, std::string_view text,
                                std::string_view expected) {
    ASSERT_EQ(convertWhole(from, to, text).output, expected);
    for (std::size_t cut = 0; cut <= text.size(); ++cut) {
        EXPECT_EQ(convertInTwo(from, to, text, cut), expected) << "cut at " << cut;
    }
}

bool known(std::string_view name) {
    return openCodec(name, utf8) != nullptr;
}

// 你, U+0080 and an emoji: two, four and four bytes in GB18030.
constexpr auto gb18030Text = "a\xC4\xE3\x81\x30\x81\x30\x94\x39\xFC\x36z"sv;
constexpr auto utf8Text = "a\xE4\xBD\xA0\xC2\x80\xF0\x9F\x98\x80z"sv;
constexpr auto utf16leText = "a\0\x60\x4F\x80\0\x3D\xD8\x00\xDEz\0"sv;
constexpr auto utf16beText = "\0a\x4F\x60\0\x80\xD8\x3D\xDE\x00\0z"sv;

TEST(TextCodec, Utf8ToUtf16InAnyPieces) {
    expectEveryCutGivesTheSame(utf8, utf16le, utf8Text, utf16leText);
    expectEveryCutGivesTheSame(utf8, utf16be, utf8Text, utf16beText);
}

TEST(TextCodec, Utf16ToUtf8InAnyPieces) {
    expectEveryCutGivesTheSame(utf16le, utf8, utf16leText, utf8Text);
    expectEveryCutGivesTheSame(utf16be, utf8, utf16beText, utf8Text);
}

TEST(TextCodec, GbkToUtf8InAnyPieces) {
    expectEveryCutGivesTheSame("GBK", utf8, "1,\xC4\xE3\xBA\xC3\r\n",
                               "1,\xE4\xBD\xA0\xE5\xA5\xBD\r\n");
    expectEveryCutGivesTheSame(utf8, "GBK", "1,\xE4\xBD\xA0\xE5\xA5\xBD\r\n",
                               "1,\xC4\xE3\xBA\xC3\r\n");
}

TEST(TextCodec, Gb18030BothWaysInAnyPieces) {
    if (!known(gb18030)) {
        GTEST_SKIP() << "this system has no GB18030";
    }
    expectEveryCutGivesTheSame(gb18030, utf8, gb18030Text, utf8Text);
    expectEveryCutGivesTheSame(utf8, gb18030, utf8Text, gb18030Text);
}

TEST(TextCodec, ACharacterCutOffAtTheEndIsLeft) {
    EXPECT_EQ(convertWhole(utf8, utf16le, "a\xE9\x9C").taken, 1u);
    EXPECT_EQ(convertWhole(utf16le, utf8, "a\0\x3D\xD8"sv).taken, 2u);
    EXPECT_EQ(convertWhole("GBK", utf8, "a\xC4").taken, 1u);
    if (known(gb18030)) {
        EXPECT_EQ(convertWhole(gb18030, utf8, "a\x81\x30\x81").taken, 1u);
    }
}

TEST(TextCodec, BytesThatAreNoCharacterAreFoundAfterTheTextBeforeThem) {
    const Converted badUtf8 = convertWhole(utf8, utf16le,
                                           "ab\xFF"
                                           "cd");
    EXPECT_TRUE(badUtf8.failed);
    EXPECT_EQ(badUtf8.taken, 2u);
    EXPECT_EQ(badUtf8.output, "a\0b\0"sv);

    const Converted loneHalf = convertWhole(utf16le, utf8,
                                            "a\0\x00\xDC"
                                            "b\0"sv);
    EXPECT_TRUE(loneHalf.failed);
    EXPECT_EQ(loneHalf.taken, 2u);
    EXPECT_EQ(loneHalf.output, "a");

    const Converted badGbk = convertWhole("GBK", utf8, "1\n\xC4\xE3\xFF");
    EXPECT_TRUE(badGbk.failed);
    EXPECT_EQ(badGbk.taken, 4u);
    EXPECT_EQ(badGbk.output, "1\n\xE4\xBD\xA0");

    if (known(gb18030)) {
        const Converted badGb18030 = convertWhole(gb18030, utf8, "1\n\x81\x20");
        EXPECT_TRUE(badGb18030.failed);
        EXPECT_EQ(badGb18030.taken, 2u);
        EXPECT_EQ(badGb18030.output, "1\n");
    }
}

TEST(TextCodec, ACharacterTheEncodingLacksIsFoundWhereItIs) {
    const Converted written = convertWhole(utf8, "ISO-8859-1",
                                           "ab\xE9\x9C\x80"
                                           "c");
    EXPECT_TRUE(written.failed);
    EXPECT_EQ(written.taken, 2u);
    EXPECT_EQ(written.output, "ab");
}

TEST(TextCodec, UnknownNamesOpenNoCodec) {
    EXPECT_EQ(openCodec("NO-SUCH-ENCODING", utf8), nullptr);
    EXPECT_EQ(openCodec(utf8, "NO-SUCH-ENCODING"), nullptr);
}

} // namespace
} // namespace evdrive::batch
