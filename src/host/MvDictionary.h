#pragma once

class MvDictionaryValue {
public:
    virtual ~MvDictionaryValue() = default;
    virtual const char* get_key() = 0;
    virtual int get_type() = 0;
    virtual void* get_value() = 0;
};

class MvDictionary {
public:
    virtual ~MvDictionary() = default;
    virtual int length() = 0;
    // Null for an index out of range.
    virtual MvDictionaryValue* at(int index) = 0;
};
