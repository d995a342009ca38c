// The readers of the numbers typed into the date, time and place fields and
// applied by Enter: what they accept, what they reject without a message,
// and the one error they raise.
#include <gtest/gtest.h>

#include <cmath>
#include <optional>

#include "ui/logic/FrameworkErrors.h"
#include "ui/logic/NumberText.h"

namespace {

TEST(FieldInteger, AcceptedForms) {
  struct Row {
    const char* Text;
    std::int32_t Value;
  } const Rows[] = {
      {"7", 7},           {" 7", 7},          {"   +7", 7},       {"007", 7},
      {"-3", -3},         {"$C", 12},         {"xC", 12},         {"Xc", 12},
      {"0xC", 12},        {"0X0c", 12},       {"$FFFFFFFF", -1},  {"$7FFFFFFF", 2147483647},
      {"2147483647", 2147483647},             {"-2147483648", -2147483647 - 1},
      {"0", 0},           {"$00000000C", 12},
  };
  for (const Row& r : Rows) {
    const std::optional<std::int32_t> value = ReadFieldInteger(r.Text);
    ASSERT_TRUE(value.has_value()) << "'" << r.Text << "'";
    EXPECT_EQ(*value, r.Value) << "'" << r.Text << "'";
  }
}

TEST(FieldInteger, RejectedForms) {
  for (const char* text : {"", "   ", "abc", "12abc", "7 ", "1.5", "1,5", "-", "+", "99999999999", "2147483648",
                           "-2147483649", "$", "0x", "$100000000", "-$C", "+0xC", "\t7", "$G", "7-"}) {
    EXPECT_FALSE(ReadFieldInteger(text).has_value()) << "'" << text << "'";
  }
}

TEST(PlaceNumber, AcceptedFormsWithAPointAlways) {
  struct Row {
    const char* Text;
    double Value;
  } const Rows[] = {
      {"47.5", 47.5},    {"  47.5", 47.5}, {"+4.75e1", 47.5}, {"-33.8688", -33.8688}, {".", 0.0},
      {"-.", 0.0},       {".5", 0.5},      {"5.", 5.0},       {"100", 100.0},         {"1E-2", 0.01},
      {"1e+2", 100.0},   {"e5", 0.0},      {"1e-400", 0.0},   {"0.000e999", 0.0},
  };
  for (const Row& r : Rows) {
    const std::optional<double> value = ReadPlaceNumber(r.Text);
    ASSERT_TRUE(value.has_value()) << "'" << r.Text << "'";
    EXPECT_EQ(*value, r.Value) << "'" << r.Text << "'";
  }
}

TEST(PlaceNumber, RejectedFormsAndTheOverflow) {
  for (const char* text : {"", "   ", "-", "+", "47,5", "47.5 ", "47..5", "1e", "1e+", "abc", "nan", "NAN", "inf",
                           "-INF", "\t1", "1.2.3", "0x10"}) {
    EXPECT_FALSE(ReadPlaceNumber(text).has_value()) << "'" << text << "'";
  }
  for (const char* text : {"1e999", "-1e309", "100000000000000000000e300"}) {
    try {
      (void)ReadPlaceNumber(text);
      ADD_FAILURE() << "no error for '" << text << "'";
    } catch (const EFloatOverflow& Error) {
      EXPECT_STREQ(Error.what(), "Floating point overflow");
    }
  }
}

}  // namespace
