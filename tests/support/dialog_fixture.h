// A program's dialog on a test terminal, built from the program's compiled
// resources and driven by a script of user actions, as InitInstance runs it.
#pragma once
#include <memory>
#include <string>

#include "afxwin.h"
#include "resources/module.h"
#include "support/run.h"
#include "support/terminal_fixture.h"
#include "wm/scripted_front_end.h"
#include "wm/window_manager.h"

namespace test {

class DialogFixture : public TerminalFixture {
protected:
    class TestApp : public CWinApp {};

    // The .res the program links; its message boxes are captioned with the
    // test executable's name.
    void UseResources(const char* resFile) {
        std::string image = ReadFile(resFile);
        ASSERT_TRUE(ce::res::Module::UseImage(std::vector<uint8_t>(image.begin(), image.end()))) << resFile;
        app.SetCurrentHandles();
    }

    template <class Dialog>
    INT_PTR RunDialog(const std::string& script) {
        frontEnd = std::make_unique<ce::ScriptedFrontEnd>(script, nullptr, "");
        sys->windows->SetFrontEnd(frontEnd.get());
        Dialog dlg;
        app.m_pMainWnd = &dlg;
        INT_PTR result = dlg.DoModal();
        mainWndAfter = app.m_pMainWnd;
        return result;
    }

    TestApp app;
    std::unique_ptr<ce::ScriptedFrontEnd> frontEnd;
    CWnd* mainWndAfter = reinterpret_cast<CWnd*>(1);
};

}  // namespace test
