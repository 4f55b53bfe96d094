#include <gtest/gtest.h>

#include "form_object.h"
#include "print.h"
#include "runtime_error.h"

namespace {

class Instance : public rt::FormObject {
public:
    ~Instance() override = default;
};

constexpr rt::PrintList kOneInteger{4, {0x01, 0x00, 0x83, 0x00}};

TEST(Print, EachValueGoesOnTheNextLine) {
    auto* me = new Instance;
    int repaints = 0;
    me->printed().on_change([&] { ++repaints; });
    EXPECT_EQ(__vbaPrintObj(&kOneInteger, me, 1), 0);
    __vbaPrintObj(&kOneInteger, me, -42);
    ASSERT_EQ(me->printed().lines().size(), 2u);
    EXPECT_EQ(me->printed().lines()[0].row, 0);
    EXPECT_EQ(me->printed().lines()[0].text, "1");
    EXPECT_EQ(me->printed().lines()[1].row, 1);
    EXPECT_EQ(me->printed().lines()[1].text, "-42");
    EXPECT_EQ(me->printed().current_row(), 2);
    EXPECT_EQ(repaints, 2);
    me->Release();
}

TEST(Print, AListThatDoesNotNameOneIntegerIsRejected) {
    auto* me = new Instance;
    constexpr rt::PrintList kTwoItems{4, {0x02, 0x00, 0x83, 0x00}};
    constexpr rt::PrintList kOtherCode{4, {0x01, 0x00, 0x08, 0x00}};
    constexpr rt::PrintList kWrongLength{6, {0x01, 0x00, 0x83, 0x00}};
    EXPECT_THROW(__vbaPrintObj(&kTwoItems, me, 1), rt::Error);
    EXPECT_THROW(__vbaPrintObj(&kOtherCode, me, 1), rt::Error);
    EXPECT_THROW(__vbaPrintObj(&kWrongLength, me, 1), rt::Error);
    EXPECT_THROW(__vbaPrintObj(&kOneInteger, nullptr, 1), rt::Error);
    EXPECT_TRUE(me->printed().lines().empty());
    me->Release();
}

}  // namespace
