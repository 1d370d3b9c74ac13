// The launcher's help window: the guide compiled into the program, its
// topics listed on the left, the chosen one on the right with its links,
// and Contents and Back above them.
#pragma once

#include "framework/window.h"
#include "help/help_book.h"

#include <string>
#include <vector>

class CHelpWnd : public Window {
  public:
    // Shows the window, creating it on first use, at the topic with this
    // name (the contents when the name is unknown). False when the guide is
    // missing or the window cannot be made.
    bool Open(const std::string& topicName);
    // Closes the window if it is open.
    void Quit();

  protected:
    int OnCreate() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    bool LoadTopics();
    void ShowTopic(int index, bool remember);
    void Back();
    void Layout();

    HelpBook book_;
    int current_ = -1;
    std::vector<int> history_; // the topics Back returns to, the last one first
    HWND list_ = nullptr;
    HWND view_ = nullptr;
    HWND contents_ = nullptr;
    HWND back_ = nullptr;
};
