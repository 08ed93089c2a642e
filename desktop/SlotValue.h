#pragma once

#include "host/MvSlot.h"

#include <memory>
#include <optional>
#include <string>

class MvBasicObject;
class MvDictionary;
class DesktopDictionary;

// The typed value of a slot or of a dictionary entry, kept in the representation its type
// code names, so that Pointer() can hand it out as the framework does. The type never
// changes after construction.
class SlotValue {
public:
    explicit SlotValue(MvSlotType type);
    ~SlotValue();
    SlotValue(const SlotValue&) = delete;
    SlotValue& operator=(const SlotValue&) = delete;

    MvSlotType Type() const { return type_; }
    // Null for a command, which has no value.
    void* Pointer();

    void SetBoolean(bool value) { boolean_ = value ? 1 : 0; }
    void SetNumber(double value) { number_ = value; }
    // Text in the active code page; nullopt stores a null text pointer.
    void SetString(std::optional<std::string> text);
    void SetObject(std::unique_ptr<MvBasicObject> object);
    void SetDictionary(std::unique_ptr<DesktopDictionary> dictionary);
    // Takes the dictionary out, leaving a null dictionary pointer.
    std::unique_ptr<DesktopDictionary> TakeDictionary();

    bool Boolean() const { return boolean_ != 0; }
    double Number() const { return number_; }
    const char* String() const { return stringPointer_; }
    MvBasicObject* Object() const { return objectPointer_; }
    DesktopDictionary* Dictionary() const { return dictionary_.get(); }

private:
    MvSlotType type_;
    unsigned char boolean_ = 0;
    double number_ = 0;
    std::string string_;
    const char* stringPointer_ = nullptr;
    std::unique_ptr<MvBasicObject> object_;
    MvBasicObject* objectPointer_ = nullptr;
    std::unique_ptr<DesktopDictionary> dictionary_;
    MvDictionary* dictionaryPointer_ = nullptr;
};
