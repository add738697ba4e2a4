#pragma once

#include <array>
#include <string_view>

// The classful address classes: from the first octet's value, everything the sheet shows for the
// class by default. Pure data with one lookup.
namespace quorvel {

struct AddressClassRow {
  double Low;   // lowest first-octet value of the class, inclusive
  double High;  // highest, inclusive
  std::string_view Letter;
  std::string_view PrefixText;
  std::array<std::string_view, 4> MaskDecimal;  // mask octets 1 to 4
  std::array<std::string_view, 4> MaskHex;
  std::array<std::string_view, 4> MaskBinary;
  std::array<bool, 3> MaskOpen;  // whether mask octets 2, 3, 4 may be edited
  std::string_view NetworkBits;
  std::string_view SubnetBits;
  std::string_view HostBits;
};

namespace address_class_texts {
inline constexpr std::string_view kBlank3 = "   ";
inline constexpr std::string_view kBlank2 = "  ";
inline constexpr std::string_view kBlank8 = "        ";
inline constexpr std::string_view kOnes = "11111111";
inline constexpr std::string_view kZeros = "00000000";
}  // namespace address_class_texts

// Classes D and E have no default mask: every mask text and bit count is blank.
inline constexpr std::array<AddressClassRow, 5> AddressClassTable = [] {
  using namespace address_class_texts;
  constexpr AddressClassRow kNoMask{0,
                                    0,
                                    "",
                                    "??",
                                    {kBlank3, kBlank3, kBlank3, kBlank3},
                                    {kBlank2, kBlank2, kBlank2, kBlank2},
                                    {kBlank8, kBlank8, kBlank8, kBlank8},
                                    {false, false, false},
                                    kBlank3,
                                    kBlank3,
                                    kBlank3};
  AddressClassRow d = kNoMask;
  d.Low = 224;
  d.High = 254;
  d.Letter = "D";
  AddressClassRow e = kNoMask;
  e.Low = 255;
  e.High = 255;
  e.Letter = "E";
  return std::array<AddressClassRow, 5>{{
      {0,
       127,
       "A",
       "/8",
       {"255", "000", "000", "000"},
       {"FF", "00", "00", "00"},
       {kOnes, kZeros, kZeros, kZeros},
       {true, true, true},
       "  8",
       "  0",
       " 24"},
      {128,
       191,
       "B",
       "/16",
       {"255", "255", "000", "000"},
       {"FF", "FF", "00", "00"},
       {kOnes, kOnes, kZeros, kZeros},
       {false, true, true},
       " 16",
       "  0",
       " 16"},
      {192,
       223,
       "C",
       "/24",
       {"255", "255", "255", "000"},
       {"FF", "FF", "FF", "00"},
       {kOnes, kOnes, kOnes, kZeros},
       {false, false, true},
       " 24",
       "  0",
       "  8"},
      d,
      e,
  }};
}();

// The first row, in table order, whose range holds the value (both bounds inclusive), or null.
[[nodiscard]] const AddressClassRow* FindAddressClass(double firstOctet);

}  // namespace quorvel
