// CMenuPopupWnd: the owner-drawn drop-down window of one menu. It holds the
// mouse capture while open and deletes itself when its window is destroyed.
#pragma once

#include "framework/string_list.h"
#include "framework/window.h"

#include <string>

class CMyWnd;

class CMenuPopupWnd : public Window {
  public:
    CMenuPopupWnd(CMyWnd& bar, int kind, StringList entries);

    // Creates the window (1 x 1, hidden) and takes the mouse capture.
    bool Create();
    // Sizes and places it below the title and shows it without activating.
    void Place(int titleLeft, int titleRight);

  protected:
    void OnPaint() override;
    void OnLButtonDown(UINT flags, int x, int y) override;
    void OnLButtonUp(UINT flags, int x, int y) override;
    void OnMouseMove(UINT flags, int x, int y) override;
    void OnActivateApp(bool active) override;
    void PostNcDestroy() override;

  private:
    bool InClient(int x, int y) const;
    void Highlight(int entry);
    void DrawEntry(HDC dc, int n, bool highlighted);
    void DrawFrame(HDC dc);

    CMyWnd& bar_;
    int kind_;
    bool threeD_;
    HFONT font_;
    StringList entries_;
    int count_;
    int itemHeight_ = 16;
    int avgCharWidth_ = 7;
    int highlighted_ = 0;
    bool rightAligned_ = false;
    int screenWidth_;
    int screenHeight_;
    std::string foremostTitle_;
};
