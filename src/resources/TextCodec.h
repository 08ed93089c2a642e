#pragma once

#include "platform/ResourceModule.h"

// The code page a language's resources are handed out in: 1252 English, 932 Japanese.
int LanguageCodePage(Language language);
