#pragma once

struct CRuntimeClass;
class CDocument;
class CFrameWnd;
class CView;

// What a frame needs to create its view: the view's class and the document it shows.
struct CCreateContext {
    const CRuntimeClass* m_pNewViewClass = nullptr;
    CDocument* m_pCurrentDoc = nullptr;
    CFrameWnd* m_pCurrentFrame = nullptr;
};
