#include "RegistryStore.h"

#include <nlohmann/json.hpp>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>
#include <vector>

using nlohmann::json;
namespace fs = std::filesystem;

namespace {

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

std::string NormalKey(const std::string& key) {
    size_t begin = key.find_first_not_of('\\');
    if (begin == std::string::npos)
        return "";
    size_t end = key.find_last_not_of('\\');
    return key.substr(begin, end - begin + 1);
}

bool WriteAll(int fd, const std::string& data) {
    size_t done = 0;
    while (done < data.size()) {
        ssize_t written = ::write(fd, data.data() + done, data.size() - done);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        done += static_cast<size_t>(written);
    }
    return true;
}

} // namespace

RegistryStore::RegistryStore(std::string path) : path_(path.empty() ? DefaultPath() : path) {
    Load();
}

std::string RegistryStore::DefaultPath() {
    if (const char* explicitPath = std::getenv("MVDESK_REGISTRY"); explicitPath && *explicitPath)
        return explicitPath;
    fs::path base;
    if (const char* config = std::getenv("XDG_CONFIG_HOME"); config && *config)
        base = config;
    else if (const char* home = std::getenv("HOME"); home && *home)
        base = fs::path(home) / ".config";
    else
        base = ".config";
    return (base / "mosvane" / "registry.json").string();
}

bool RegistryStore::OpenKey(const std::string& key) {
    std::string normal = NormalKey(key);
    if (keys_.count(normal) != 0)
        return true;
    Keys updated = keys_;
    updated[normal];
    Save(updated);
    keys_ = std::move(updated);
    return true;
}

bool RegistryStore::HasKey(const std::string& key) const {
    return keys_.count(NormalKey(key)) != 0;
}

bool RegistryStore::Read(const std::string& key, const std::string& name,
                         std::string& value) const {
    auto values = keys_.find(NormalKey(key));
    if (values == keys_.end())
        return false;
    auto found = values->second.find(name);
    if (found == values->second.end())
        return false;
    value = found->second;
    return true;
}

bool RegistryStore::Write(const std::string& key, const std::string& name,
                          const std::string& value) {
    Keys updated = keys_;
    updated[NormalKey(key)][name] = value;
    if (!Save(updated))
        return false;
    keys_ = std::move(updated);
    return true;
}

void RegistryStore::Load() {
    std::ifstream in(path_, std::ios::binary);
    if (!in)
        return;
    std::ostringstream text;
    text << in.rdbuf();
    auto corrupt = [this](const std::string& why) {
        std::fprintf(stderr, "registry: %s cannot be read (%s); starting with an empty registry\n",
                     path_.c_str(), why.c_str());
        keys_.clear();
    };
    json root = json::parse(text.str(), nullptr, false);
    if (root.is_discarded())
        return corrupt("not JSON");
    if (!root.is_object())
        return corrupt("not a JSON object");
    for (const auto& [key, values] : root.items()) {
        if (!values.is_object())
            return corrupt("key " + key + " does not hold an object");
        Values& loaded = keys_[NormalKey(key)];
        for (const auto& [name, value] : values.items()) {
            if (value.is_string()) {
                loaded[name] = value.get<std::string>();
                continue;
            }
            std::string bytes;
            if (!value.is_object() || value.size() != 1 || !value.contains("base64") ||
                !value["base64"].is_string() ||
                !DecodeBase64(value["base64"].get<std::string>(), bytes))
                return corrupt("value " + name + " of key " + key + " is malformed");
            loaded[name] = std::move(bytes);
        }
    }
}

bool RegistryStore::Save(const Keys& keys) const {
    json root = json::object();
    for (const auto& [key, values] : keys) {
        json& out = root[key] = json::object();
        for (const auto& [name, value] : values) {
            if (IsUtf8(value))
                out[name] = value;
            else
                out[name] = json{{"base64", EncodeBase64(value)}};
        }
    }
    std::string data = root.dump(2) + "\n";

    fs::path target(path_);
    fs::path directory = target.parent_path().empty() ? fs::path(".") : target.parent_path();
    std::error_code ignored;
    fs::create_directories(directory, ignored);
    std::string pattern = (directory / (target.filename().string() + ".XXXXXX")).string();
    std::vector<char> temporary(pattern.begin(), pattern.end());
    temporary.push_back('\0');
    int fd = ::mkstemp(temporary.data());
    if (fd < 0)
        return false;
    bool ok = WriteAll(fd, data) && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    if (!ok || ::rename(temporary.data(), path_.c_str()) != 0) {
        ::unlink(temporary.data());
        return false;
    }
    // The rename itself must reach the disk too.
    int dirFd = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY);
    if (dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
    }
    return true;
}
