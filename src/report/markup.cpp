// Escaping for XML and HTML, with the bytes made valid UTF-8.
#include "report/markup.h"

namespace report::markup {

namespace {

// Length of the valid UTF-8 sequence at text[i], 0 when there is none.
std::size_t utf8Length(std::string_view text, std::size_t i) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    std::size_t length = c >= 0xf0 && c <= 0xf4 ? 4 : c >= 0xe0 ? 3 : c >= 0xc2 && c <= 0xdf ? 2 : 0;
    if (c >= 0xf5 || length == 0 || i + length > text.size()) return 0;
    for (std::size_t k = 1; k < length; ++k)
        if ((static_cast<unsigned char>(text[i + k]) & 0xc0) != 0x80) return 0;
    return length;
}

void appendLatin1(std::string& out, unsigned char c) {
    out += static_cast<char>(0xc0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3f));
}

}  // namespace

std::string escaped(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c == '&') out += "&amp;";
        else if (c == '<') out += "&lt;";
        else if (c == '>') out += "&gt;";
        else if (c == '"') out += "&quot;";
        else if (c == '\n' || c == '\t') out += static_cast<char>(c);
        else if (c < 0x20 || c == 0x7f) out += "?";  // not allowed in XML 1.0
        else if (c < 0x80) out += static_cast<char>(c);
        else if (const std::size_t length = utf8Length(text, i)) {
            out.append(text.substr(i, length));
            i += length - 1;
        } else {
            appendLatin1(out, c);
        }
    }
    return out;
}

std::string isoDate(const std::string& date) {
    if (!date.empty() && date.back() == 'Z') return date.substr(0, date.size() - 1);
    return date;
}

}  // namespace report::markup
