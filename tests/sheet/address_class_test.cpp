#include "sheet/address_class.h"

#include <gtest/gtest.h>

#include <string>

namespace quorvel {
namespace {

TEST(FindAddressClass, BoundsAreInclusiveAndDCoversUpTo254) {
  const struct {
    double value;
    const char* letter;  // nullptr: no row
  } cases[] = {{0, "A"},   {127, "A"},       {128, "B"},    {191, "B"},    {192, "C"},
               {223, "C"}, {224, "D"},       {240, "D"},    {254, "D"},    {255, "E"},
               {1.5, "A"}, {127.5, nullptr}, {-1, nullptr}, {256, nullptr}};
  for (const auto& c : cases) {
    const AddressClassRow* row = FindAddressClass(c.value);
    if (c.letter == nullptr) {
      EXPECT_EQ(row, nullptr) << c.value;
    } else {
      ASSERT_NE(row, nullptr) << c.value;
      EXPECT_EQ(row->Letter, c.letter) << c.value;
    }
  }
}

TEST(AddressClassTable, ClassfulRowsAreConsistent) {
  for (const AddressClassRow& row : AddressClassTable) {
    const bool hasMask = row.Letter < "D";
    std::string bits;
    for (int i = 0; i < 4; ++i) bits += std::string(row.MaskBinary[i]);
    if (!hasMask) {
      EXPECT_EQ(bits, std::string(32, ' '));
      EXPECT_EQ(row.PrefixText, "??");
      continue;
    }
    // Network bits, prefix and the ones of the binary mask all tell the same count.
    const auto ones = std::count(bits.begin(), bits.end(), '1');
    EXPECT_EQ(std::stoi(std::string(row.NetworkBits)), ones);
    EXPECT_EQ(row.PrefixText, "/" + std::to_string(ones));
    EXPECT_EQ(std::stoi(std::string(row.HostBits)) + ones, 32);
    EXPECT_EQ(row.SubnetBits, "  0");
    for (int i = 1; i < 4; ++i) EXPECT_EQ(row.MaskOpen[i - 1], row.MaskDecimal[i] == "000");
  }
}

}  // namespace
}  // namespace quorvel
