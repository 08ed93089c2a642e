#include "JsonText.h"

#include <algorithm>
#include <utility>

using nlohmann::json;

namespace {

std::pair<int, int> LineColumn(std::string_view text, size_t offset) {
    offset = std::min(offset, text.size());
    int line = 1;
    int column = 1;
    for (size_t i = 0; i < offset; ++i) {
        auto byte = static_cast<unsigned char>(text[i]);
        if (byte == '\n') {
            ++line;
            column = 1;
        } else if ((byte & 0xC0) != 0x80) {
            ++column;
        }
    }
    return {line, column};
}

// nlohmann's own DOM builder, keeping where and why parsing failed and how deep it is.
class DocumentBuilder : public nlohmann::detail::json_sax_dom_parser<json> {
public:
    DocumentBuilder(json& root, size_t maxDepth)
        : json_sax_dom_parser(root, false), maxDepth_(maxDepth) {}

    bool start_object(size_t elements) {
        return Enter() && json_sax_dom_parser::start_object(elements);
    }
    bool start_array(size_t elements) {
        return Enter() && json_sax_dom_parser::start_array(elements);
    }
    bool end_object() {
        --depth_;
        return json_sax_dom_parser::end_object();
    }
    bool end_array() {
        --depth_;
        return json_sax_dom_parser::end_array();
    }

    template <typename Exception>
    bool parse_error(size_t position, const std::string& token, const Exception& error) {
        // A number that does not fit is placed at its first character.
        constexpr int kNumberOverflow = 406;
        position_ = error.id == kNumberOverflow && token.size() <= position
                        ? position - token.size() + 1
                        : position;
        message_ = error.what();
        return false;
    }

    bool TooDeep() const { return depth_ > maxDepth_; }
    size_t Position() const { return position_; }
    // nlohmann's message without its own prefix and byte-counted position.
    std::string Message() const {
        size_t column = message_.find(", column ");
        if (column != std::string::npos) {
            size_t colon = message_.find(": ", column);
            if (colon != std::string::npos)
                return message_.substr(colon + 2);
        }
        size_t bracket = message_.find("] ");
        return bracket == std::string::npos ? message_ : message_.substr(bracket + 2);
    }

private:
    bool Enter() { return ++depth_ <= maxDepth_; }

    size_t maxDepth_;
    size_t depth_ = 0;
    size_t position_ = 0;
    std::string message_;
};

} // namespace

bool ParseJson(std::string_view text, json& root, JsonProblem& problem, size_t maxDepth) {
    DocumentBuilder builder(root, maxDepth);
    if (json::sax_parse(text.begin(), text.end(), &builder))
        return true;
    root = json();
    if (builder.TooDeep()) {
        problem = {0, 0, "nested deeper than " + std::to_string(maxDepth) + " levels"};
        return false;
    }
    size_t offset = builder.Position() > 0 ? builder.Position() - 1 : 0;
    auto [line, column] = LineColumn(text, offset);
    problem = {line, column, builder.Message()};
    return false;
}
