#include "formula/text_utils.h"

namespace plotwise {

std::string UpperAscii(const std::string& text) {
    std::string out = text;
    for (char& c : out)
        c = UpperAscii(c);
    return out;
}

std::string RemoveSpaces(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (c != ' ') out.push_back(c);
    }
    return out;
}

std::string TrimControls(const std::string& text) {
    auto isControl = [](char c) { return static_cast<unsigned char>(c) <= 32; };
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && isControl(text[begin]))
        ++begin;
    while (end > begin && isControl(text[end - 1]))
        --end;
    return text.substr(begin, end - begin);
}

}  // namespace plotwise
