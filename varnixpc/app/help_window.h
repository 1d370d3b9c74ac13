// The launcher's help window: the topics compiled into the program, listed
// on the left, the chosen one's text read-only on the right.
#pragma once

#include "core/help_topics.h"
#include "framework/window.h"

#include <string>
#include <vector>

class CHelpWnd : public Window {
  public:
    // Shows the window, creating it on first use, at the topic with this id
    // (the index topic when the id is unknown). False when the topics are
    // missing or the window cannot be made.
    bool Open(const std::string& topicId);
    // Closes the window if it is open.
    void Quit();

  protected:
    int OnCreate() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    bool LoadTopics();
    void ShowTopic(int index);
    void Layout();

    std::vector<LauncherHelpTopic> topics_;
    HWND list_ = nullptr;
    HWND text_ = nullptr;
};
