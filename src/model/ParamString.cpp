#include "model/ParamString.h"

#include <cctype>
#include <algorithm>
#include <climits>
#include <utility>

namespace quillon {

void ParamString::ResetParams() {
    // The third segment is long enough for every position up to 999, so that every position the
    // record names can hold a value.
    segments_[0].assign(kSegmentLength, ' ');
    segments_[1].assign(kSegmentLength, ' ');
    segments_[2].assign(2 * kSegmentLength, ' ');
    WriteParam(1, 20, "Cfg.dat");
}

std::string* ParamString::Locate(int position, int& index) {
    return const_cast<std::string*>(std::as_const(*this).Locate(position, index));
}

const std::string* ParamString::Locate(int position, int& index) const {
    // Position 0 and below, 250, 500 and 1000 or more address no field.
    if (position >= 1 && position < 250) {
        index = position;
        return &segments_[0];
    }
    if (position > 250 && position < 500) {
        index = position - 250;
        return &segments_[1];
    }
    if (position > 500 && position < 1000) {
        index = position - 500;
        return &segments_[2];
    }
    return nullptr;
}

void ParamString::WriteParam(int position, int width, std::string_view value) {
    int index = 0;
    std::string* seg = Locate(position, index);
    if (!seg || width <= 0)
        return;
    auto first = value.find_first_not_of(' ');
    value = first == std::string_view::npos ? std::string_view() : value.substr(first);
    std::string fitted(value.substr(0, static_cast<size_t>(width)));
    fitted.resize(static_cast<size_t>(width), ' ');
    // The segment keeps its length: a field running past the end is cut there. Character `index`
    // (1-based within the segment, as positions are) sits at offset index - 1.
    size_t start = static_cast<size_t>(index - 1);
    if (start >= seg->size())
        return;
    size_t room = seg->size() - start;
    seg->replace(start, std::min(room, fitted.size()), fitted.substr(0, room));
}

std::string ParamString::ReadParam(int position, int width) const {
    int index = 0;
    const std::string* seg = Locate(position, index);
    if (!seg || width <= 0)
        return {};
    if (static_cast<size_t>(index - 1) >= seg->size())
        return {};
    std::string text = seg->substr(static_cast<size_t>(index - 1), static_cast<size_t>(width));
    auto last = text.find_last_not_of(' ');
    text.erase(last == std::string::npos ? 0 : last + 1);
    return text;
}

int ParamString::ReadInt(int position, int width, int fallback) const {
    long long v = 0;
    if (!ParseDecimal(ReadParam(position, width), v) || v < INT_MIN || v > INT_MAX)
        return fallback;
    return static_cast<int>(v);
}

std::string FormatFixed(long long number, int width) {
    if (width <= 0)
        return {};
    std::string digits = std::to_string(number < 0 ? -static_cast<unsigned long long>(number)
                                                   : static_cast<unsigned long long>(number));
    std::string sign = number < 0 ? "-" : "";
    if (sign.size() + digits.size() > static_cast<size_t>(width))
        return std::string(static_cast<size_t>(width), '*');
    return sign + std::string(static_cast<size_t>(width) - sign.size() - digits.size(), '0') + digits;
}

bool ParseDecimal(std::string_view text, long long& out) {
    size_t i = 0, n = text.size();
    while (i < n && text[i] == ' ')
        ++i;
    while (n > i && text[n - 1] == ' ')
        --n;
    bool negative = false;
    if (i < n && (text[i] == '-' || text[i] == '+'))
        negative = text[i++] == '-';
    if (i == n)
        return false;
    unsigned long long value = 0;
    for (; i < n; ++i) {
        if (!std::isdigit(static_cast<unsigned char>(text[i])))
            return false;
        value = value * 10 + static_cast<unsigned>(text[i] - '0');
        if (value > static_cast<unsigned long long>(LLONG_MAX))
            return false;
    }
    out = negative ? -static_cast<long long>(value) : static_cast<long long>(value);
    return true;
}

} // namespace quillon
