#include "model/ParamString.h"

#include <gtest/gtest.h>

namespace quillon {
namespace {

TEST(ParamString, FreshRecordIsBlankExceptTheConfigurationName) {
    ParamString p;
    EXPECT_EQ(p.ReadParam(1, 20), "Cfg.dat");
    for (int pos = 21; pos < 1000; ++pos)
        ASSERT_EQ(p.ReadParam(pos, 1), "") << "position " << pos;
}

struct WriteCase {
    int position;
    int width;
    const char* written;
    const char* read;
};

void PrintTo(const WriteCase& c, std::ostream* os) { *os << c.position << "/" << c.width << " '" << c.written << "'"; }

class ParamWrite : public ::testing::TestWithParam<WriteCase> {};

TEST_P(ParamWrite, StoresStrippedAndFittedText) {
    const auto& c = GetParam();
    ParamString p;
    p.WriteParam(c.position, c.width, c.written);
    EXPECT_EQ(p.ReadParam(c.position, c.width), c.read);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, ParamWrite,
    ::testing::Values(WriteCase{66, 1, "  Y", "Y"}, WriteCase{66, 1, "Y  ", "Y"},
                      WriteCase{189, 50, "Put-Them-In-Order (3x3 square)", "Put-Them-In-Order (3x3 square)"},
                      WriteCase{189, 50, "123456789012345678901234567890123456789012345678901234567890",
                                "12345678901234567890123456789012345678901234567890"},
                      WriteCase{77, 30, "  Player 1  ", "Player 1"}, WriteCase{77, 30, "     ", ""},
                      WriteCase{62, 4, "", ""}, WriteCase{249, 1, "Z", "Z"}, WriteCase{251, 1, "Y", "Y"},
                      WriteCase{499, 1, "Q", "Q"}, WriteCase{501, 3, "abc", "abc"},
                      WriteCase{999, 1, "E", "E"}, WriteCase{262, 1, "N", "N"}));

TEST(ParamString, SegmentsAreIndependent) {
    ParamString p;
    p.WriteParam(251, 1, "S");
    EXPECT_EQ(p.ReadParam(251, 1), "S");
    EXPECT_EQ(p.ReadParam(1, 1), "C") << "the first segment must be untouched";
    p.WriteParam(249, 1, "F");
    EXPECT_EQ(p.ReadParam(249, 1), "F");
    EXPECT_EQ(p.ReadParam(251, 1), "S");
    EXPECT_EQ(p.ReadParam(501, 1), "");
}

TEST(ParamString, FieldIsCutAtTheEndOfItsSegment) {
    ParamString p;
    p.WriteParam(248, 10, "ABCDEFGHIJ");
    EXPECT_EQ(p.ReadParam(248, 2), "AB");
    EXPECT_EQ(p.ReadParam(251, 5), "") << "a field never runs into the next segment";
}

TEST(ParamString, PositionsOutsideTheRecordHoldNothing) {
    ParamString p;
    for (int pos : {0, -5, 250, 500, 1000, 5000}) {
        p.WriteParam(pos, 4, "XXXX");
        EXPECT_EQ(p.ReadParam(pos, 4), "") << "position " << pos;
    }
    EXPECT_EQ(p.ReadParam(1, 20), "Cfg.dat");
    EXPECT_EQ(p.ReadParam(249, 1), "");
    EXPECT_EQ(p.ReadParam(251, 1), "");
    EXPECT_EQ(p.ReadParam(501, 1), "");
}

TEST(ParamString, WritingLeavesNeighbouringFieldsAlone) {
    ParamString p;
    p.WriteParam(66, 1, "Y");
    p.WriteParam(67, 1, "N");
    p.WriteParam(68, 6, "20000");
    p.WriteParam(67, 1, "");
    EXPECT_EQ(p.ReadParam(66, 1), "Y");
    EXPECT_EQ(p.ReadParam(67, 1), "");
    EXPECT_EQ(p.ReadParam(68, 6), "20000");
}

TEST(ParamString, ResetClearsEverything) {
    ParamString p;
    p.WriteParam(62, 4, "0087");
    p.WriteParam(1, 20, "Other.dat");
    p.ResetParams();
    EXPECT_EQ(p.ReadParam(62, 4), "");
    EXPECT_EQ(p.ReadParam(1, 20), "Cfg.dat");
}

TEST(ParamString, NumericFieldsReadThroughDecimalConversion) {
    ParamString p;
    p.WriteParam(62, 4, FormatFixed(87, 4));
    EXPECT_EQ(p.ReadInt(62, 4), 87);
    p.WriteParam(62, 4, FormatFixed(-1, 4));
    EXPECT_EQ(p.ReadInt(62, 4), -1);
    p.WriteParam(62, 4, "abc");
    EXPECT_EQ(p.ReadInt(62, 4, -7), -7);
    p.WriteParam(62, 4, "");
    EXPECT_EQ(p.ReadInt(62, 4, 3), 3);
}

struct FixedCase {
    long long number;
    int width;
    const char* text;
};

void PrintTo(const FixedCase& c, std::ostream* os) { *os << c.number << " width " << c.width; }

class FixedFormat : public ::testing::TestWithParam<FixedCase> {};

TEST_P(FixedFormat, PadsSignsAndOverflows) {
    EXPECT_EQ(FormatFixed(GetParam().number, GetParam().width), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Numbers, FixedFormat,
                         ::testing::Values(FixedCase{87, 4, "0087"}, FixedCase{5, 3, "005"},
                                           FixedCase{-1, 4, "-001"}, FixedCase{-5, 3, "-05"},
                                           FixedCase{12345, 4, "****"}, FixedCase{1000, 3, "***"},
                                           FixedCase{999, 3, "999"}, FixedCase{-99, 3, "-99"},
                                           FixedCase{-100, 3, "***"}, FixedCase{0, 1, "0"},
                                           FixedCase{0, 4, "0000"}, FixedCase{-1, 1, "*"},
                                           FixedCase{-9223372036854775807LL - 1, 4, "****"},
                                           FixedCase{7, 0, ""}));

TEST(ParseDecimal, AcceptsOnlyPlainDecimals) {
    long long v = 0;
    EXPECT_TRUE(ParseDecimal("0087", v));
    EXPECT_EQ(v, 87);
    EXPECT_TRUE(ParseDecimal("-001", v));
    EXPECT_EQ(v, -1);
    EXPECT_TRUE(ParseDecimal(" 12 ", v));
    EXPECT_EQ(v, 12);
    for (const char* bad : {"", " ", "-", "1a", "0x10", "1 2", "99999999999999999999"})
        EXPECT_FALSE(ParseDecimal(bad, v)) << bad;
}

} // namespace
} // namespace quillon
