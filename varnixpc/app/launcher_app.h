// The application object: paths beside the program and the one bar window.
#pragma once

#include "framework/application.h"

#include <memory>
#include <string>

class CMyWnd;

class CLauncherApp : public Application {
  public:
    CLauncherApp();
    ~CLauncherApp() override;

    bool InitInstance() override;

    // The program's directory, ending in a backslash.
    const std::string& ProgramDirectory() const { return programDirectory_; }

  private:
    std::unique_ptr<CMyWnd> bar_;
    std::string programDirectory_;
};

CLauncherApp& TheApp();
