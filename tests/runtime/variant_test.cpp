#include <gtest/gtest.h>

#include "runtime_error.h"
#include "text_ops.h"
#include "variant_ops.h"

namespace {

TEST(Variants, MissingIsTypeTenHoldingParameterNotFound) {
    rt::VARIANT v;
    rt::set_missing(v);
    EXPECT_EQ(v.vt, 10);
    EXPECT_EQ(static_cast<std::uint32_t>(v.scode), 0x80020004u);
    EXPECT_TRUE(rt::is_missing(v));
    rt::VARIANT other_error;
    other_error.vt = rt::VT_ERROR;
    other_error.scode = 5;
    EXPECT_FALSE(rt::is_missing(other_error));
}

TEST(Variants, DupCopiesTextDeeplyFromALiteralOrAReference) {
    static constexpr rt::Literal literal(u"what is your question");
    rt::VARIANT source;
    source.vt = rt::VT_BSTR;
    source.bstrVal = literal.text();
    rt::VARIANT copy;
    __vbaVarDup(&copy, &source);
    EXPECT_EQ(copy.vt, rt::VT_BSTR);
    EXPECT_NE(copy.bstrVal, literal.text());
    EXPECT_EQ(rt::text_view(copy.bstrVal), u"what is your question");

    rt::BSTR slot = rt::alloc_text(u"reply");
    rt::VARIANT by_ref;
    by_ref.vt = rt::VT_BYREF | rt::VT_BSTR;
    by_ref.pbstrVal = &slot;
    __vbaVarDup(&copy, &by_ref);  // releases the first copy
    EXPECT_EQ(copy.vt, rt::VT_BSTR);
    EXPECT_NE(copy.bstrVal, slot);
    __vbaFreeVar(&copy);
    __vbaFreeStr(&slot);
}

TEST(Variants, FreeLeavesEmptyAndNeverReleasesThroughAReference) {
    const std::size_t live = rt::live_text_count();
    rt::BSTR slot = rt::alloc_text(u"Most unlikely");
    rt::VARIANT by_ref;
    by_ref.vt = rt::VT_BYREF | rt::VT_BSTR;
    by_ref.pbstrVal = &slot;
    __vbaFreeVar(&by_ref);
    EXPECT_EQ(by_ref.vt, rt::VT_EMPTY);
    EXPECT_EQ(rt::text_view(slot), u"Most unlikely");  // the slot keeps its text

    rt::VARIANT owned, missing, empty;
    owned.vt = rt::VT_BSTR;
    owned.bstrVal = rt::alloc_text(u"x");
    rt::set_missing(missing);
    __vbaFreeVarList(3, &owned, &missing, &empty);
    __vbaFreeVarList(3, &owned, &missing, &empty);  // a second release does nothing
    EXPECT_EQ(owned.vt, rt::VT_EMPTY);
    EXPECT_EQ(missing.vt, rt::VT_EMPTY);
    __vbaFreeStr(&slot);
    EXPECT_EQ(rt::live_text_count(), live);
}

TEST(Variants, FreeListRejectsACountThatDoesNotMatch) {
    rt::VARIANT a, b;
    EXPECT_THROW(__vbaFreeVarList(3, &a, &b), rt::Error);
}

TEST(Variants, TextOfRejectsOtherKinds) {
    rt::VARIANT number;
    number.vt = rt::VT_I4;
    number.lVal = 1;
    EXPECT_THROW(rt::text_of(number), rt::Error);
    rt::VARIANT dangling;
    dangling.vt = rt::VT_BYREF | rt::VT_BSTR;
    dangling.pbstrVal = nullptr;
    EXPECT_THROW(rt::text_of(dangling), rt::Error);
}

}  // namespace
