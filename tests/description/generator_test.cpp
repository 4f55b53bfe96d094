// The build-time generator's readers of its readable sources: malformed
// sources stop the build with a message naming the file and line.
#include <gtest/gtest.h>

#include "byte_writer.h"
#include "image_fields.h"
#include "description_source.h"
#include "description_writer.h"
#include "project_source.h"
#include "source_text.h"

namespace {

std::string source_error(const std::string& content) {
    try {
        assets::parse_description_source(content, "d.txt");
    } catch (const std::runtime_error& e) {
        return e.what();
    }
    return "accepted";
}

const std::string kIdentifiers =
    "identifier window {00000000-0000-0000-0000-000000000001}\n"
    "identifier object {00000000-0000-0000-0000-000000000002}\n"
    "identifier class  {00000000-0000-0000-0000-000000000003}\n";

TEST(GuidText, StandardLayoutReversesTheFirstThreeGroups) {
    const assets::Guid g = assets::parse_guid("{00112233-4455-6677-8899-AABBCCDDEEFF}");
    EXPECT_EQ(g, (assets::Guid{0x33, 0x22, 0x11, 0x00, 0x55, 0x44, 0x77, 0x66, 0x88, 0x99, 0xAA, 0xBB, 0xCC, 0xDD, 0xEE, 0xFF}));
    EXPECT_THROW(assets::parse_guid("{00112233-4455-6677-8899-AABBCCDDEEF}"), std::runtime_error);
    EXPECT_THROW(assets::parse_guid("{00112233-4455-6677-8899-AABBCCDDEEFG}"), std::runtime_error);
    EXPECT_THROW(assets::parse_guid("00112233-4455-6677-8899-AABBCCDDEEFF00"), std::runtime_error);
}

TEST(DescriptionSourceText, FaultsNameFileAndLine) {
    const std::string button = "record 1 B 0x04\nend\n";
    EXPECT_EQ(source_error(kIdentifiers + "record 0 W 0x0D\n  0x01 texte \"x\"\nend\n" + button),
              "d.txt:5: unknown form: texte");
    EXPECT_EQ(source_error(kIdentifiers + "record 0 W 0x0D\n  0x35 longs4 1 2 3\nend\n" + button),
              "d.txt:5: form longs4 wants 4 numbers");
    EXPECT_EQ(source_error(kIdentifiers + "record 0 W 0x0D\n  0x46 byte 256\nend\n" + button),
              "d.txt:5: value out of range: 256");
    EXPECT_EQ(source_error(kIdentifiers + "record 0 W 0x0D\n  0x01 text \"open\nend\n" + button),
              "d.txt:5: unclosed quoted text");
    EXPECT_EQ(source_error(kIdentifiers + "record 0 W 0x0D\n"), "d.txt: record without 'end'");
    EXPECT_EQ(source_error(kIdentifiers + "record 0 W 0x0D\nend\n"), "d.txt: needs three identifiers and two records");
    EXPECT_EQ(source_error(kIdentifiers + "record 0 W 0x0D\nend\n" + button + "record 2 C 0x04\nend\n"),
              "d.txt:8: the description holds a window and one button");
}

TEST(DescriptionWriter, RefusesABmpWhoseSizeFieldIsNotItsLength) {
    assets::DescriptionSource source =
        assets::parse_description_source(kIdentifiers + "record 0 W 0x0D\n 0x21 picture p.bmp\nend\nrecord 1 B 0x04\nend\n", "d.txt");
    source.window.properties[0].bytes = {'B', 'M', 60, 0, 0, 0};
    EXPECT_THROW(assets::write_description(source), std::runtime_error);
}

TEST(ProjectSourceText, EveryKeyOnceAndNoOther) {
    EXPECT_THROW(assets::parse_project_source("application_title \"T\"\n", "p.txt"), std::runtime_error);
    EXPECT_THROW(assets::parse_project_source("colour \"red\"\n", "p.txt"), std::runtime_error);
    EXPECT_THROW(assets::parse_project_source("locale 1\nlocale 2\n", "p.txt"), std::runtime_error);
    EXPECT_THROW(assets::parse_project_source("window_count 0x10000\n", "p.txt"), std::runtime_error);
}

TEST(ImageFields, TextsAreNulClosedAndCannotHoldANul) {
    assets::ByteWriter out;
    assets::put_c_text(out, "ab");
    assets::put_zeros(out, 2);
    EXPECT_EQ(out.data(), (std::vector<std::uint8_t>{'a', 'b', 0, 0, 0}));
    EXPECT_THROW(assets::put_c_text(out, std::string("a\0b", 3)), std::invalid_argument);
}

}  // namespace
