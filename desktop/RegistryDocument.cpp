#include "RegistryDocument.h"

#include "JsonText.h"

#include <cstring>

using nlohmann::json;

namespace {

// A registry file holds keys, values and base64 objects: anything deeper is no registry file.
constexpr size_t kDepthLimit = 16;

const char kBase64Digits[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

std::string EncodeBase64(const std::string& bytes) {
    std::string out;
    size_t i = 0;
    for (; i + 2 < bytes.size(); i += 3) {
        unsigned chunk = static_cast<unsigned char>(bytes[i]) << 16 |
                         static_cast<unsigned char>(bytes[i + 1]) << 8 |
                         static_cast<unsigned char>(bytes[i + 2]);
        for (int shift = 18; shift >= 0; shift -= 6)
            out += kBase64Digits[(chunk >> shift) & 0x3F];
    }
    size_t rest = bytes.size() - i;
    if (rest > 0) {
        unsigned chunk = static_cast<unsigned char>(bytes[i]) << 16;
        if (rest == 2)
            chunk |= static_cast<unsigned char>(bytes[i + 1]) << 8;
        out += kBase64Digits[(chunk >> 18) & 0x3F];
        out += kBase64Digits[(chunk >> 12) & 0x3F];
        out += rest == 2 ? kBase64Digits[(chunk >> 6) & 0x3F] : '=';
        out += '=';
    }
    return out;
}

bool DecodeBase64(const std::string& text, std::string& bytes) {
    if (text.size() % 4 != 0)
        return false;
    bytes.clear();
    for (size_t i = 0; i < text.size(); i += 4) {
        unsigned chunk = 0;
        int padding = 0;
        for (size_t j = 0; j < 4; ++j) {
            char c = text[i + j];
            unsigned digit = 0;
            if (c == '=' && i + 4 == text.size() && j >= 2) {
                ++padding;
            } else {
                const char* at =
                    padding == 0 && c != '\0' ? std::strchr(kBase64Digits, c) : nullptr;
                if (at == nullptr)
                    return false;
                digit = static_cast<unsigned>(at - kBase64Digits);
            }
            chunk = chunk << 6 | digit;
        }
        bytes += static_cast<char>(chunk >> 16);
        if (padding < 2)
            bytes += static_cast<char>((chunk >> 8) & 0xFF);
        if (padding < 1)
            bytes += static_cast<char>(chunk & 0xFF);
    }
    return true;
}

// Strict UTF-8: no overlong forms, surrogates or code points above U+10FFFF.
bool IsUtf8(const std::string& text) {
    size_t i = 0;
    auto at = [&text](size_t index) { return static_cast<unsigned char>(text[index]); };
    while (i < text.size()) {
        unsigned char lead = at(i);
        size_t length = 0;
        unsigned char low = 0x80;
        unsigned char high = 0xBF;
        if (lead < 0x80) {
            ++i;
            continue;
        } else if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            low = lead == 0xE0 ? 0xA0 : 0x80;
            high = lead == 0xED ? 0x9F : 0xBF;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            low = lead == 0xF0 ? 0x90 : 0x80;
            high = lead == 0xF4 ? 0x8F : 0xBF;
        } else {
            return false;
        }
        if (i + length > text.size() || at(i + 1) < low || at(i + 1) > high)
            return false;
        for (size_t j = 2; j < length; ++j) {
            if ((at(i + j) & 0xC0) != 0x80)
                return false;
        }
        i += length;
    }
    return true;
}

json Encode(const std::string& value) {
    if (IsUtf8(value))
        return value;
    return json{{"base64", EncodeBase64(value)}};
}

bool Decode(const json& value, std::string& bytes) {
    if (value.is_string()) {
        bytes = value.get<std::string>();
        return true;
    }
    return value.is_object() && value.size() == 1 && value.contains("base64") &&
           value["base64"].is_string() && DecodeBase64(value["base64"].get<std::string>(), bytes);
}

} // namespace

std::string RegistryDocument::NormalKey(const std::string& key) {
    size_t begin = key.find_first_not_of('\\');
    if (begin == std::string::npos)
        return "";
    size_t end = key.find_last_not_of('\\');
    return key.substr(begin, end - begin + 1);
}

bool RegistryDocument::Parse(std::string_view text, std::string& error) {
    root_ = json::object();
    keys_.clear();
    problems_.clear();
    json root;
    JsonProblem problem;
    if (!ParseJson(text, root, problem, kDepthLimit)) {
        error = "not JSON (";
        if (problem.line > 0)
            error += std::to_string(problem.line) + ":" + std::to_string(problem.column) + ": ";
        error += problem.message;
        if (!problem.pointer.empty())
            error += " in " + problem.pointer;
        error += ")";
        return false;
    }
    if (!root.is_object()) {
        error = "not a JSON object";
        return false;
    }
    for (const auto& [key, values] : root.items()) {
        if (!values.is_object()) {
            error = "key " + key + " does not hold an object";
            return false;
        }
    }
    for (const auto& [key, values] : root.items()) {
        Values& loaded = keys_[NormalKey(key)];
        for (const auto& [name, value] : values.items()) {
            std::string bytes;
            if (Decode(value, bytes))
                loaded[name] = std::move(bytes);
            else
                problems_.push_back("value " + name + " of key " + key + " is malformed");
        }
    }
    root_ = std::move(root);
    return true;
}

json& RegistryDocument::KeyObject(const std::string& key) {
    std::string normal = NormalKey(key);
    for (auto& [name, values] : root_.items()) {
        if (NormalKey(name) == normal)
            return values;
    }
    return root_[normal] = json::object();
}

void RegistryDocument::OpenKey(const std::string& key) {
    KeyObject(key);
    keys_[NormalKey(key)];
}

void RegistryDocument::Set(const std::string& key, const std::string& name,
                           const std::string& value) {
    KeyObject(key)[name] = Encode(value);
    keys_[NormalKey(key)][name] = value;
}

std::string RegistryDocument::Text() const {
    // Names from callers may be any bytes; they must not make writing throw.
    return root_.dump(2, ' ', false, json::error_handler_t::replace) + "\n";
}
