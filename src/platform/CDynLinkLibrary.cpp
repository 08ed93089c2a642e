#include "CDynLinkLibrary.h"

CDynLinkLibrary::CDynLinkLibrary(AFX_EXTENSION_MODULE& state)
    : m_hModule(state.hModule), m_hResource(state.hResource) {}

CDynLinkLibrary::~CDynLinkLibrary() = default;
