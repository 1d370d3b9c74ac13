// CMyWnd: the bar across the top of the screen with its titles, bitmaps,
// eyes and clock, and the owner of the menus and lists.
#pragma once

#include "app/help_window.h"
#include "core/menu_file.h"
#include "core/menus.h"
#include "core/settings.h"
#include "core/task_list.h"
#include "framework/string_list.h"
#include "framework/window.h"

#include <string>
#include <vector>

class CMenuPopupWnd;

class CMyWnd : public Window {
  public:
    CMyWnd();
    ~CMyWnd() override;

    // Registers the class and creates the bar; false when creation failed
    // or the shell check ended the program.
    bool Create();
    bool StoppedAtShellCheck() const { return stoppedAtShellCheck_; }

    // What a drop-down window needs of the bar.
    bool ThreeD() const { return settings_.smallFont != 0; }
    HFONT NormalFont() const { return normalFont_; }
    HFONT BoldFont() const { return boldFont_; }
    const std::string& ForemostTitle() const { return tasks_.foremostTitle; }
    int ScreenWidth() const { return screenWidth_; }
    int ScreenHeight() const { return screenHeight_; }
    const char* ClassName() const;
    StringList MenuTexts(int kind) const;

    // A pointer move (screen coordinates) passed on by a drop-down window.
    void OnPopupMouseMove(POINT screen);
    // A drop-down window reports its end.
    void OnPopupDestroyed(CMenuPopupWnd* popup);
    // Runs entry n of a menu; closes the open drop-down first.
    void DispatchMenu(int kind, int entry);

    std::vector<ProgramItem>& ProgramMenu() { return programMenu_; }
    // Sorts and saves the program menu; a failure is shown to the user.
    void SaveMenuFile();

  protected:
    int OnCreate() override;
    void OnPaint() override;
    void OnLButtonDown(UINT flags, int x, int y) override;
    void OnLButtonUp(UINT flags, int x, int y) override;
    void OnMouseMove(UINT flags, int x, int y) override;
    void OnTimer(UINT_PTR id) override;
    void OnDropFiles(HDROP drop) override;
    bool OnCommand(WORD id) override;
    void OnDestroy() override;

  private:
    void PressAt(int x);
    void OpenMenu(int kind);
    void CloseMenu();
    void DrawClock();
    void DrawClock(HDC dc);
    void UpdateEyes(POINT pointer);
    void UpdateEyes(HDC dc, POINT pointer);
    void RefreshTasks();
    PlacementContext Placement() const;

    bool RunShellCheck();
    void ReadSettings();
    void WriteSettings();
    void LoadMenuFile();
    std::string MenuFilePath() const;

    void About();
    void Launch(std::size_t index);
    void MenuEditor();
    void Options();
    void Help();
    void Logout();
    void Close();

    LauncherSettings settings_;
    ShellState shell_;
    bool taskListEnabled_ = true;
    bool clockVisible_ = true;
    bool eyesVisible_ = true;
    bool stoppedAtShellCheck_ = false;
    CHelpWnd help_;
    bool timerRunning_ = false;

    RECT leftPupil_{0, 0, 0, 0};
    RECT rightPupil_{0, 0, 0, 0};
    int titlesEnd_ = 0;
    int avgCharWidth_ = 7;
    HRGN leftSocket_ = nullptr;
    HRGN rightSocket_ = nullptr;
    HFONT normalFont_ = nullptr;
    HFONT boldFont_ = nullptr;
    int screenWidth_ = 640;
    int screenHeight_ = 480;
    int borderWidth_ = 1;
    int borderHeight_ = 1;

    std::vector<MenuTitle> titles_;
    TaskList tasks_;
    std::vector<TaskEntry> shownTasks_;
    std::vector<ProgramItem> programMenu_;
    StringList exitTexts_;
    StringList setupTexts_;
    StringList helpTexts_;

    // The open menu.
    CMenuPopupWnd* popup_ = nullptr;
    int openKind_ = kNoMenu;
};
