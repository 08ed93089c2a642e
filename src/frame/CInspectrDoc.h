#pragma once

#include "platform/CDocument.h"

// The document of an Inspector; the rows live in the view, so it holds nothing.
class CInspectrDoc : public CDocument {
public:
    BOOL OnNewDocument() override { return CDocument::OnNewDocument(); }
    void Serialize() override {}
};
