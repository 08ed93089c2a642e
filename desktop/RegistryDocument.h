#pragma once

#include <nlohmann/json.hpp>

#include <map>
#include <string>
#include <string_view>
#include <vector>

// The text of the registry file (see RegistryStore) as keys holding named byte strings. A
// value that does not decode is skipped and named in Problems() but stays in the document,
// as does everything else, so that writing the document back changes only what was set.
class RegistryDocument {
public:
    using Values = std::map<std::string, std::string>;
    using Keys = std::map<std::string, Values>;

    // False, with `error` saying why, when the text is not a registry file at all: not JSON,
    // not an object of objects, or nested deeper than any registry file is. The document is
    // then empty.
    bool Parse(std::string_view text, std::string& error);
    // The values that decode, by normal key.
    const Keys& Contents() const { return keys_; }
    // One text per value that does not decode, e.g. "value InspArg of key K is malformed".
    const std::vector<std::string>& Problems() const { return problems_; }

    void OpenKey(const std::string& key);
    void Set(const std::string& key, const std::string& name, const std::string& value);
    // The document as the file holds it.
    std::string Text() const;

    // A key without leading or trailing backslashes.
    static std::string NormalKey(const std::string& key);

private:
    nlohmann::json& KeyObject(const std::string& key);

    nlohmann::json root_ = nlohmann::json::object();
    Keys keys_;
    std::vector<std::string> problems_;
};
