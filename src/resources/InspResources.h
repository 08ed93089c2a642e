#pragma once

#include "platform/ResourceModule.h"

#include <map>
#include <string>

// The module's resources in English and Japanese. Texts are kept in UTF-8 in the source
// and handed out in the code page of their language.
class InspResources : public ResourceModule {
public:
    const char* FindString(Language language, UINT id) const override;
    bool HasIcon(UINT id) const override;

private:
    mutable std::map<UINT, std::string> japanese_;
};

const InspResources& inspResources();
