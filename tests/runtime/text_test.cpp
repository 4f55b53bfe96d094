#include <gtest/gtest.h>

#include <cstring>

#include "text.h"
#include "text_ops.h"

namespace {

struct OwnedText {
    rt::BSTR p = nullptr;
    ~OwnedText() { __vbaFreeStr(&p); }
};

TEST(Texts, CountedLayoutKeepsLengthBeforeAndZeroAfter) {
    OwnedText t{rt::alloc_text(u"abc")};
    std::uint32_t bytes = 0;
    std::memcpy(&bytes, reinterpret_cast<const unsigned char*>(t.p) - 4, 4);
    EXPECT_EQ(bytes, 6u);
    EXPECT_EQ(t.p[3], u'\0');
    // Embedded zero code units count: the length is stored, not searched for.
    OwnedText z{rt::alloc_text(std::u16string_view(u"a\0b", 3))};
    EXPECT_EQ(rt::text_length(z.p), 3u);
}

TEST(Texts, EmptyIsNullAndLiteralsHaveTheSameLayout) {
    EXPECT_EQ(rt::alloc_text(u""), nullptr);
    EXPECT_EQ(rt::text_length(nullptr), 0u);
    static constexpr rt::Literal empty(u"");
    static constexpr rt::Literal word(u"question");
    EXPECT_EQ(rt::text_length(empty.text()), 0u);
    EXPECT_EQ(rt::text_view(word.text()), u"question");
}

TEST(Texts, Utf8RoundTripKeepsEveryCharacter) {
    const std::string utf8 = "a \xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80";  // a é € 😀
    const std::u16string utf16 = rt::utf8_to_utf16(utf8);
    EXPECT_EQ(utf16, std::u16string(u"a \u00E9 \u20AC \U0001F600"));
    EXPECT_EQ(rt::utf16_to_utf8(utf16), utf8);
}

TEST(Texts, MalformedInputBecomesReplacementCharacters) {
    EXPECT_EQ(rt::utf8_to_utf16("a\xFF" "b"), u"a\uFFFDb");
    EXPECT_EQ(rt::utf8_to_utf16("\xE2\x82"), u"\uFFFD");           // cut short at the end
    EXPECT_EQ(rt::utf8_to_utf16("\xC0\xAF"), u"\uFFFD");           // overlong
    EXPECT_EQ(rt::utf8_to_utf16("\xED\xA0\x80"), u"\uFFFD");       // an encoded surrogate
    EXPECT_EQ(rt::utf16_to_utf8(std::u16string(1, u'\xD800')), "\xEF\xBF\xBD");
}

TEST(TextOperations, CopyMakesAnOwnedCopyAndReleasesTheOld) {
    const std::size_t live = rt::live_text_count();
    OwnedText source{rt::alloc_text(u"first")};
    OwnedText target;
    __vbaStrCopy(&target.p, source.p);
    EXPECT_NE(target.p, source.p);
    EXPECT_EQ(rt::text_view(target.p), u"first");
    static constexpr rt::Literal empty(u"");
    __vbaStrCopy(&target.p, empty.text());  // a zero-length source (not null) gives the empty text
    EXPECT_EQ(target.p, nullptr);
    __vbaStrCopy(&target.p, source.p);
    __vbaStrCopy(&target.p, target.p);  // copying a text onto itself keeps it
    EXPECT_EQ(rt::text_view(target.p), u"first");
    EXPECT_EQ(rt::live_text_count(), live + 2);
}

TEST(TextOperations, MoveTakesTheTextUncopied) {
    const std::size_t live = rt::live_text_count();
    OwnedText target{rt::alloc_text(u"old")};
    rt::BSTR fresh = rt::alloc_text(u"new");
    EXPECT_EQ(__vbaStrMove(&target.p, fresh), fresh);
    EXPECT_EQ(target.p, fresh);
    EXPECT_EQ(rt::live_text_count(), live + 1);  // the old text was released
}

TEST(TextOperations, CompareIsExactByCodeUnit) {
    OwnedText blank{rt::alloc_text(u" ")};
    OwnedText a{rt::alloc_text(u"a")};
    OwnedText ab{rt::alloc_text(u"ab")};
    OwnedText upper{rt::alloc_text(u"A")};
    static constexpr rt::Literal empty(u"");
    EXPECT_EQ(__vbaStrCmp(empty.text(), nullptr), 0);
    EXPECT_NE(__vbaStrCmp(empty.text(), blank.p), 0);
    EXPECT_NE(__vbaStrCmp(a.p, upper.p), 0);  // no case folding
    EXPECT_LT(__vbaStrCmp(a.p, ab.p), 0);
    EXPECT_GT(__vbaStrCmp(ab.p, a.p), 0);
    // By code unit, a surrogate (D800) sorts below U+FFFF, unlike by code point.
    OwnedText astral{rt::alloc_text(u"\U00010000")};
    OwnedText bmp{rt::alloc_text(u"\uFFFF")};
    EXPECT_LT(__vbaStrCmp(astral.p, bmp.p), 0);
}

TEST(TextOperations, FreeLeavesEmptyAndMayRunAgain) {
    rt::BSTR t = rt::alloc_text(u"x");
    __vbaFreeStr(&t);
    EXPECT_EQ(t, nullptr);
    __vbaFreeStr(&t);
    EXPECT_EQ(t, nullptr);
}

}  // namespace
