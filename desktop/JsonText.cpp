#include "JsonText.h"

#include <algorithm>
#include <memory>
#include <unordered_set>
#include <utility>
#include <vector>

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
        Value();
        Push(false);
        return Enter() && json_sax_dom_parser::start_object(elements);
    }
    bool start_array(size_t elements) {
        Value();
        Push(true);
        return Enter() && json_sax_dom_parser::start_array(elements);
    }
    bool end_object() {
        Pop();
        return json_sax_dom_parser::end_object();
    }
    bool end_array() {
        Pop();
        return json_sax_dom_parser::end_array();
    }
    // A key given twice would leave only its last value without a word: refused.
    bool key(json::string_t& name) {
        if (!AddKey(open_[openCount_ - 1], name)) {
            duplicate_ = "duplicate key \"" + name + "\"";
            return false;
        }
        return json_sax_dom_parser::key(name);
    }
    bool null() { return Value(), json_sax_dom_parser::null(); }
    bool boolean(bool value) { return Value(), json_sax_dom_parser::boolean(value); }
    bool number_integer(json::number_integer_t value) {
        return Value(), json_sax_dom_parser::number_integer(value);
    }
    bool number_unsigned(json::number_unsigned_t value) {
        return Value(), json_sax_dom_parser::number_unsigned(value);
    }
    bool number_float(json::number_float_t value, const json::string_t& text) {
        return Value(), json_sax_dom_parser::number_float(value, text);
    }
    bool string(json::string_t& value) { return Value(), json_sax_dom_parser::string(value); }

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
    const std::string& Duplicate() const { return duplicate_; }
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
    // An object or array being read: where its current member is, and where an object's keys
    // begin among the keys of the open objects, the innermost object's last.
    struct Open {
        bool array = false;
        size_t index = 0; // an array's members so far
        size_t firstKey = 0;
        // An object's first keys are compared one by one, its many keys by hashing; the
        // pads of a scene have few.
        std::unique_ptr<std::unordered_set<std::string>> manyKeys;
    };

    std::string_view KeyAt(size_t index) const {
        return std::string_view(keyText_).substr(keys_[index].first, keys_[index].second);
    }
    // False when the innermost object has the key already.
    bool AddKey(Open& object, const std::string& name) {
        constexpr size_t kFew = 16;
        if (object.manyKeys) {
            if (!object.manyKeys->insert(name).second)
                return false;
        } else {
            for (size_t i = object.firstKey; i < keys_.size(); ++i) {
                if (KeyAt(i) == name)
                    return false;
            }
            if (keys_.size() - object.firstKey >= kFew) {
                object.manyKeys = std::make_unique<std::unordered_set<std::string>>();
                for (size_t i = object.firstKey; i < keys_.size(); ++i)
                    object.manyKeys->emplace(KeyAt(i));
                object.manyKeys->insert(name);
            }
        }
        keys_.emplace_back(keyText_.size(), name.size());
        keyText_ += name;
        return true;
    }

    bool Enter() { return ++depth_ <= maxDepth_; }
    // An object or array starts. The records of closed ones are kept for the next.
    void Push(bool array) {
        if (openCount_ == open_.size())
            open_.emplace_back();
        Open& open = open_[openCount_++];
        open.array = array;
        open.index = 0;
        open.firstKey = keys_.size();
        open.manyKeys.reset();
    }
    // The innermost object or array ends, and its keys with it.
    void Pop() {
        --depth_;
        Open& open = open_[--openCount_];
        if (open.firstKey < keys_.size()) {
            keyText_.resize(keys_[open.firstKey].first);
            keys_.resize(open.firstKey);
        }
        open.manyKeys.reset();
    }
    // A value starts: in an array it is the next member.
    void Value() {
        if (openCount_ > 0 && open_[openCount_ - 1].array)
            ++open_[openCount_ - 1].index;
    }

public:
    // The JSON pointer of the innermost object.
    std::string ObjectPointer() const {
        std::string pointer;
        for (size_t i = 0; i + 1 < openCount_; ++i) {
            pointer += '/';
            if (open_[i].array) {
                pointer += std::to_string(open_[i].index - 1);
                continue;
            }
            // The key whose value is open: the object's last.
            for (char c : KeyAt(open_[i + 1].firstKey - 1))
                pointer += c == '~' ? "~0" : c == '/' ? "~1" : std::string(1, c);
        }
        return pointer.empty() ? "/" : pointer;
    }

private:
    // The first `openCount_` are open, innermost last.
    std::vector<Open> open_;
    size_t openCount_ = 0;
    // The keys of the open objects, outermost first: where each lies in `keyText_`, and how
    // long it is.
    std::vector<std::pair<size_t, size_t>> keys_;
    std::string keyText_;
    std::string duplicate_;

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
        problem = {0, 0, "nested deeper than " + std::to_string(maxDepth) + " levels", ""};
        return false;
    }
    if (!builder.Duplicate().empty()) {
        problem = {0, 0, builder.Duplicate(), builder.ObjectPointer()};
        return false;
    }
    size_t offset = builder.Position() > 0 ? builder.Position() - 1 : 0;
    auto [line, column] = LineColumn(text, offset);
    problem = {line, column, builder.Message(), ""};
    return false;
}
