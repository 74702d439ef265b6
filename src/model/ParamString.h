#pragma once
// The parameter string: every live setting and a few values of the game in progress, held as one
// fixed-position text record of three 250-character segments. A field is addressed by its 1-based
// position and width: positions 1-249 lie in the first segment, 251-499 in the second, 501-999 in
// the third. Positions 250, 500 and 1000 or more hold nothing.

#include <array>
#include <string>
#include <string_view>

namespace quillon {

class ParamString {
public:
    static constexpr int kSegmentLength = 250;

    ParamString() { ResetParams(); }

    // Sets every segment to spaces and writes the configuration file name at position 1.
    void ResetParams();
    // Stores `value` without its leading spaces, padded or cut to `width`.
    void WriteParam(int position, int width, std::string_view value);
    // The field's text without trailing spaces; "" outside the record.
    std::string ReadParam(int position, int width) const;

    // Conveniences over the two above.
    bool Flag(int position) const { return ReadParam(position, 1) == "Y"; }
    // The field read as a decimal number; `fallback` when it holds no number.
    int ReadInt(int position, int width, int fallback = 0) const;

private:
    // Segment and 0-based index of a position; nullptr when the position holds nothing.
    std::string* Locate(int position, int& index);
    const std::string* Locate(int position, int& index) const;

    std::array<std::string, 3> segments_;
};

// The integer right-aligned in `width` characters with leading zeros, the minus sign in front;
// `width` asterisks when it does not fit: (87, 4) "0087", (-1, 4) "-001", (1000, 3) "***".
std::string FormatFixed(long long number, int width);

// A plain decimal conversion: optional sign, digits, surrounding blanks allowed. Nothing for any
// other text, so readers can tell a bad field from zero.
bool ParseDecimal(std::string_view text, long long& out);

} // namespace quillon
